// The sound statements and the waits as tables. A sound row names the
// arguments it reads and builds its sound action from them; the statement
// compiles to a sound statement on the channel read (or the row's fixed
// channel), and only while the process has a sound device. A wait row
// builds a wait on a node path (always) or on a channel (only with a sound
// device).
#pragma once

#include <memory>
#include <string>

class CSoundCommand;

// Which arguments a sound row reads, in script order.
enum SoundRowArguments : int {
    kSoundArgumentsChannel,          // channel
    kSoundArgumentsChannelFile,      // channel, file
    kSoundArgumentsChannelFileEx,    // channel, file, volume, pan, frequency, loop
    kSoundArgumentsChannelTimed,     // channel, duration, value
    kSoundArgumentsChannelFlag,      // channel, flag
    kSoundArgumentsFile,             // file, on the row's fixed channel
};

// What a sound statement read: numbers as the script wrote them.
struct SoundValues {
    int32_t channelKind = 0;
    int32_t channel = 0;
    std::string file;
    int32_t volume = 0;
    int32_t pan = 0;
    int32_t frequency = 0;
    int32_t duration = 0;
    int32_t value = 0;
    bool flag = false;
};

struct SoundRow {
    const char* statement;
    SoundRowArguments arguments;
    // The channel of the kSoundArgumentsFile rows.
    int32_t fixedKind;
    int32_t fixedChannel;
    // A "Draw" follows the sound statement, so the frame ends after a
    // synchronised start.
    bool drawAfter;
    std::unique_ptr<CSoundCommand> (*build)(const SoundValues& values);
};

// The row of the statement name, or null.
const SoundRow* FindSoundRow(const std::string& statement);

struct WaitRow {
    const char* statement;
    // A channel wait (SoundWaitSelector) rather than a node path wait
    // (AnimatorSelector).
    bool channel;
    int selector;
};

// The row of the statement name, or null.
const WaitRow* FindWaitRow(const std::string& statement);
