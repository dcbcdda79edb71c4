// The sound actions that act once on a channel's voice: play, load, stop,
// pause, resume and loop. Volumes are hundredths of a decibel, pans
// DirectSound pan units, frequencies thousandths of the sound's own rate.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "script/sound_command.h"

// The script's volume 0..1000 as hundredths of a decibel, 10 v - 10000, and
// its pan -1000..1000 as DirectSound units, 10 p; both held to the 32-bit
// range for values the script writes far outside.
int32_t ScriptSoundVolume(int32_t volume);
int32_t ScriptSoundPan(int32_t pan);

// Base of the actions of category 13: Step answers false at once.
class CSoundStateCommand : public CSoundCommand {
public:
    int GetCategory() const override;
    bool Step(CSoundVoice* voice, int ms) override;
};

// What a play statement asks for.
struct SoundPlayRequest {
    std::string file;
    bool loop = false;
    // Keeps a sound of the same file going instead of reloading it.
    bool continuePlaying = false;
    // The sound drives the frame clock.
    bool synchronise = false;
    int32_t volume = 0;
    int32_t pan = 0;
    // Thousandths of the sound's own rate; 0 leaves the rate alone.
    int32_t frequency = 0;
};

// Plays a file on the voice. An empty name stops the voice. The file is
// reloaded when the voice holds another one; with continuePlaying unset
// also when the sound has stopped, unless it was loaded ahead and has not
// played yet. Then loop, volume, pan and frequency, and the start.
class CSoundPlayCommand : public CSoundStateCommand {
public:
    explicit CSoundPlayCommand(SoundPlayRequest request) : request_(std::move(request)) {}
    int GetKind() const override;
    std::unique_ptr<CSoundCommand> Clone() const override;
    void Start(CSoundVoice* voice) override;
    const SoundPlayRequest& Request() const { return request_; }

private:
    // Whether the voice must load the file before playing.
    bool NeedsLoad(CSoundVoice& voice) const;

    SoundPlayRequest request_;
};

// Loads a file ahead, so a later play starts it without loading. An empty
// name does nothing.
class CSoundLoadCommand : public CSoundStateCommand {
public:
    explicit CSoundLoadCommand(std::string file) : file_(std::move(file)) {}
    int GetKind() const override;
    std::unique_ptr<CSoundCommand> Clone() const override;
    void Start(CSoundVoice* voice) override;
    const std::string& File() const { return file_; }

private:
    std::string file_;
};

class CSoundStopCommand : public CSoundStateCommand {
public:
    int GetKind() const override;
    std::unique_ptr<CSoundCommand> Clone() const override;
    void Start(CSoundVoice* voice) override;
};

class CSoundPauseCommand : public CSoundStateCommand {
public:
    int GetKind() const override;
    std::unique_ptr<CSoundCommand> Clone() const override;
    void Start(CSoundVoice* voice) override;
};

class CSoundResumeCommand : public CSoundStateCommand {
public:
    int GetKind() const override;
    std::unique_ptr<CSoundCommand> Clone() const override;
    void Start(CSoundVoice* voice) override;
};

class CSoundLoopCommand : public CSoundStateCommand {
public:
    explicit CSoundLoopCommand(bool loop) : loop_(loop) {}
    int GetKind() const override;
    std::unique_ptr<CSoundCommand> Clone() const override;
    void Start(CSoundVoice* voice) override;
    bool Loop() const { return loop_; }

private:
    bool loop_;
};

// The rate to play at: the sound's own rate scaled by thousandths, counted
// wide and held to the DWORD range.
uint32_t ScaledSoundRate(uint32_t nativeRate, int32_t thousandths);
