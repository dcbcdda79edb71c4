// The sounds of one kind (sound effects, music or voices): channel numbers
// mapped to voices, made on demand, with the volume and mute that apply to
// all of them. The scene host owns one group of each kind, steps them every
// frame and applies the sound settings to them. While the process has no
// sound device every operation does nothing: tests answer false, lookups
// null.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "media/sound_voice.h"

class CSoundCommand;

class CSoundGroup {
public:
    // One play request per channel per this many milliseconds of frame time.
    static constexpr int kRetriggerTime = 17;

    // An empty group of the SoundChannelKind (SE, BGM or VOICE) at volume
    // 0, not muted.
    explicit CSoundGroup(int kind);
    virtual ~CSoundGroup();
    CSoundGroup(const CSoundGroup&) = delete;
    CSoundGroup& operator=(const CSoundGroup&) = delete;

    // For each voice in channel order: its retrigger guard runs down by ms
    // (not below 0), then its animators step.
    void Update(int ms);
    // On a change, stores the mute and passes it to every voice.
    void SetMute(bool muted);
    // Stores the group volume in hundredths of a decibel (-10000 silent .. 0)
    // and passes it to every voice.
    void SetVolume(int32_t volume);
    // Destroys every voice of the group.
    void Clear();

    bool HasChannel(int channel) const;
    CSoundVoice* GetVoice(int channel) const;
    // The channel's voice, made when absent: in this group, muted with it,
    // at its volume, free to play.
    CSoundVoice* GetOrCreateVoice(int channel);
    // Loads the file into the channel's voice (made when absent), which is
    // set up again as a new one would be. A failed load is box 2006-210.
    void Load(int channel, const std::string& name);
    // Own volume, pan and loop, then plays, unless the channel played in
    // the last 17 ms: such a request is dropped whole. A channel without a
    // voice is box 2006-225.
    void Play(int channel, bool loop, long volume, long pan);
    // Hands the action to the channel's voice, made when absent.
    void ApplyAction(int channel, CSoundCommand* command);
    // Stops the channel's voice when there is one.
    void Stop(int channel);

    int GetKind() const { return kind_; }
    int32_t GetVolume() const { return volume_; }
    bool IsMuted() const { return muted_; }

private:
    // A voice joins the group: group, channel, the group's mute and volume,
    // the guard cleared.
    void Enrol(CSoundVoice& voice, int channel);

    int kind_;
    std::map<int, std::unique_ptr<CSoundVoice>> voices_;
    int32_t volume_ = 0;
    bool muted_ = false;
};
