#include "script/sound_rows.h"

#include "scene/node_kind.h"
#include "script/argument_kinds.h"
#include "script/sound_animators.h"
#include "script/sound_commands.h"
#include "script/wait_sound_statement.h"

namespace {

// A play request with the fixed values of the plain forms: full volume,
// centre, own rate, looping on the music channels only.
SoundPlayRequest Plain(const SoundValues& v) {
    SoundPlayRequest request;
    request.file = v.file;
    request.loop = v.channelKind == kSoundChannelBGM;
    request.volume = ScriptSoundVolume(1000);
    return request;
}

// The "Ex" forms take volume, pan, frequency and loop from the script.
SoundPlayRequest Ex(const SoundValues& v) {
    SoundPlayRequest request;
    request.file = v.file;
    request.loop = v.flag;
    request.volume = ScriptSoundVolume(v.volume);
    request.pan = ScriptSoundPan(v.pan);
    request.frequency = v.frequency;
    return request;
}

std::unique_ptr<CSoundCommand> Play(SoundPlayRequest request, bool continuePlaying, bool synchronise) {
    request.continuePlaying = continuePlaying;
    request.synchronise = synchronise;
    return std::make_unique<CSoundPlayCommand>(request);
}

const SoundRow kSoundRows[] = {
    {"SoundLoad", kSoundArgumentsChannelFile, 0, 0, false,
     [](const SoundValues& v) -> std::unique_ptr<CSoundCommand> { return std::make_unique<CSoundLoadCommand>(v.file); }},
    {"SoundPlay", kSoundArgumentsChannelFile, 0, 0, false,
     [](const SoundValues& v) { return Play(Plain(v), false, false); }},
    {"SoundPlayEx", kSoundArgumentsChannelFileEx, 0, 0, false,
     [](const SoundValues& v) { return Play(Ex(v), false, false); }},
    {"SoundContinue", kSoundArgumentsChannelFile, 0, 0, false,
     [](const SoundValues& v) { return Play(Plain(v), true, false); }},
    {"SoundContinueEx", kSoundArgumentsChannelFileEx, 0, 0, false,
     [](const SoundValues& v) { return Play(Ex(v), true, false); }},
    {"SoundSynchronizePlay", kSoundArgumentsChannelFile, 0, 0, true,
     [](const SoundValues& v) { return Play(Plain(v), false, true); }},
    {"SoundSynchronizePlayEx", kSoundArgumentsChannelFileEx, 0, 0, true,
     [](const SoundValues& v) { return Play(Ex(v), false, true); }},
    {"SoundStop", kSoundArgumentsChannel, 0, 0, false,
     [](const SoundValues&) -> std::unique_ptr<CSoundCommand> { return std::make_unique<CSoundStopCommand>(); }},
    {"SoundPause", kSoundArgumentsChannel, 0, 0, false,
     [](const SoundValues&) -> std::unique_ptr<CSoundCommand> { return std::make_unique<CSoundPauseCommand>(); }},
    {"SoundResume", kSoundArgumentsChannel, 0, 0, false,
     [](const SoundValues&) -> std::unique_ptr<CSoundCommand> { return std::make_unique<CSoundResumeCommand>(); }},
    {"SoundVolume", kSoundArgumentsChannelTimed, 0, 0, false,
     [](const SoundValues& v) -> std::unique_ptr<CSoundCommand> {
         return std::make_unique<CSoundVolumeCommand>(ScriptSoundVolume(v.value), v.duration);
     }},
    {"SoundPan", kSoundArgumentsChannelTimed, 0, 0, false,
     [](const SoundValues& v) -> std::unique_ptr<CSoundCommand> {
         return std::make_unique<CSoundPanCommand>(ScriptSoundPan(v.value), v.duration);
     }},
    {"SoundFrequency", kSoundArgumentsChannelTimed, 0, 0, false,
     [](const SoundValues& v) -> std::unique_ptr<CSoundCommand> {
         return std::make_unique<CSoundFrequencyCommand>(v.value, v.duration);
     }},
    {"SoundLoop", kSoundArgumentsChannelFlag, 0, 0, false,
     [](const SoundValues& v) -> std::unique_ptr<CSoundCommand> { return std::make_unique<CSoundLoopCommand>(v.flag); }},
    {"PlaySound", kSoundArgumentsFile, kSoundChannelSE, 0, false,
     [](const SoundValues& v) { return Play(Plain(v), false, false); }},
    {"PlayMusic", kSoundArgumentsFile, kSoundChannelBGM, 0, false,
     [](const SoundValues& v) { return Play(Plain(v), false, false); }},
};

const WaitRow kWaitRows[] = {
    {"WaitAction", false, kAnimatorAny},
    {"WaitMove", false, kAnimatorPosition},
    {"WaitZoom", false, kAnimatorZoom},
    {"WaitRotate", false, kAnimatorRotation},
    {"WaitOpaque", false, kAnimatorOpacity},
    {"WaitEffect", false, kAnimatorScript},
    {"WaitPlay", true, kSoundWaitPlay},
    {"WaitVolume", true, kSoundWaitVolume},
    {"WaitPan", true, kSoundWaitPan},
    {"WaitFrequency", true, kSoundWaitFrequency},
};

}  // namespace

const SoundRow* FindSoundRow(const std::string& statement) {
    for (const SoundRow& row : kSoundRows) {
        if (statement == row.statement) return &row;
    }
    return nullptr;
}

const WaitRow* FindWaitRow(const std::string& statement) {
    for (const WaitRow& row : kWaitRows) {
        if (statement == row.statement) return &row;
    }
    return nullptr;
}
