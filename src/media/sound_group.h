// The sounds of one kind (sound effects, music or voices) with the volume
// and mute that apply to all of them. The scene host owns one group of each
// kind, steps them every frame and applies the sound settings to them.
// While the process has no sound device every operation does nothing.
#pragma once

#include <cstdint>

class CSoundHandle;

class CSoundGroup {
public:
    // An empty group of the SoundChannelKind (SE, BGM or VOICE) at volume
    // 0, not muted.
    explicit CSoundGroup(int kind);
    virtual ~CSoundGroup();
    CSoundGroup(const CSoundGroup&) = delete;
    CSoundGroup& operator=(const CSoundGroup&) = delete;

    // Advances the group's voices by the milliseconds of a frame. The group
    // holds no voices until sound playback joins it, so there is nothing to
    // advance yet.
    void Update(int ms);
    // Stores the mute of the whole group.
    void SetMute(bool muted);
    // Stores the group volume in hundredths of a decibel (-10000 silent .. 0).
    void SetVolume(int32_t volume);
    // Destroys every voice of the group (none yet, as for Update).
    void Clear();

    // Whether a voice plays on the channel, and that voice (null when none);
    // no channel has one until sound playback joins the group.
    bool HasChannel(int channel) const;
    CSoundHandle* GetVoice(int channel);

    int GetKind() const { return kind_; }
    int32_t GetVolume() const { return volume_; }
    bool IsMuted() const { return muted_; }

private:
    int kind_;
    int32_t volume_ = 0;
    bool muted_ = false;
};
