// The sound statements and the waits through their tables.
#include <memory>
#include <vector>

#include "script/script_compiler.h"
#include "script/script_page.h"
#include "script/small_statements.h"
#include "script/sound_rows.h"
#include "script/sound_statement.h"
#include "script/wait_action_statement.h"
#include "script/wait_sound_statement.h"

// The arguments are read, and their syntax checked, with or without a sound
// device; only the records depend on it.
void CScriptCompiler::ParseSound(CTokenizer& tokenizer, CScriptPage& page, const SoundRow& row) {
    SoundValues values;
    std::vector<CScriptArgument> arguments;
    if (row.arguments == kSoundArgumentsFile) {
        values.channelKind = row.fixedKind;
        values.channel = row.fixedChannel;
    } else {
        arguments.push_back(CScriptArgument::SoundChannel(values.channelKind, values.channel));
    }
    switch (row.arguments) {
        case kSoundArgumentsChannel: break;
        case kSoundArgumentsChannelFile:
        case kSoundArgumentsFile: arguments.push_back(CScriptArgument::Path(values.file)); break;
        case kSoundArgumentsChannelFileEx:
            arguments.insert(arguments.end(),
                             {CScriptArgument::Path(values.file), CScriptArgument::Number(values.volume),
                              CScriptArgument::Number(values.pan), CScriptArgument::Number(values.frequency),
                              CScriptArgument::Bool(values.flag)});
            break;
        case kSoundArgumentsChannelTimed:
            arguments.insert(arguments.end(),
                             {CScriptArgument::Number(values.duration), CScriptArgument::Number(values.value)});
            break;
        case kSoundArgumentsChannelFlag: arguments.push_back(CScriptArgument::Bool(values.flag)); break;
    }
    ParseArguments(tokenizer, arguments);
    AppendSoundStatement(page,
                         std::make_unique<CSoundStatement>(values.channelKind, values.channel, row.build(values)));
    if (row.drawAfter) AppendSoundStatement(page, std::make_unique<CDrawStatement>());
}

void CScriptCompiler::ParseWait(CTokenizer& tokenizer, CScriptPage& page, const WaitRow& row) {
    if (row.channel) {
        int32_t kind = 0;
        int32_t channel = 0;
        ParseArguments(tokenizer, {CScriptArgument::SoundChannel(kind, channel)});
        AppendSoundStatement(page, std::make_unique<CWaitSoundStatement>(
                                       static_cast<SoundWaitSelector>(row.selector), kind, channel));
    } else {
        std::string path;
        ParseArguments(tokenizer, {CScriptArgument::String(path)});
        page.Append(std::make_unique<CWaitActionStatement>(path, static_cast<AnimatorSelector>(row.selector)));
    }
}
