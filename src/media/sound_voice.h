// One channel of a sound group: a sound handle with its channel number, an
// own volume combined with the group's, up to three running animators
// (volume, pan, frequency) and its part in the music-synchronised frame
// clock. The effective volume is
//   ((group + 10000) x (own + 10000)) / 10000 - 10000,
// and the sound is muted when that is exactly -10000 or the group is muted.
#pragma once

#include <memory>

#include "media/sound_handle.h"

class CSoundCommand;
class CSoundGroup;

class CSoundVoice : public CSoundHandle {
public:
    CSoundVoice();
    // Closes the voice: stopped, animators dropped, sync released.
    ~CSoundVoice() override;

    // Hands a sound action to the voice: a category 13 action acts at once;
    // a volume, pan or frequency animator replaces the running one of its
    // kind, is started and stepped by 0 ms; other categories are ignored.
    virtual void ApplyAction(CSoundCommand* command);
    // Play(false).
    virtual void Play();
    // Applies the effective volume and mute, then starts the sound unless
    // the voice already counts as playing. A synchronised play makes this
    // voice drive the frame clock; a sound under two seconds cannot (box
    // 2047-99).
    void Play(bool sync);
    // Each releases the frame clock when this voice drives it.
    virtual void Stop();
    virtual void Pause();
    // Continues the sound; the voice counts as playing when it plays.
    virtual void Resume();
    virtual void SetGroupMute(bool muted);

    // Closes the voice, own volume back to 0, then opens the file: the
    // handle's Open result.
    int Load(const char* name);
    // The own volume, hundredths of a decibel, not clamped.
    void SetVolume(long volume);
    void SetGroupVolume(long volume);
    // Steps the volume, pan and frequency animators in that order; one whose
    // step answers false is dropped.
    void Update(int ms);

    bool IsVolumeFading() const { return volumeAnimator_ != nullptr; }
    bool IsPanMoving() const { return panAnimator_ != nullptr; }
    bool IsFrequencyMoving() const { return frequencyAnimator_ != nullptr; }

    void SetGroup(CSoundGroup* group) { group_ = group; }
    void SetChannel(int channel) { channel_ = channel; }
    int GetChannel() const { return channel_; }
    long GetVolume() const { return ownVolume_; }
    long GetEffectiveVolume() const;
    // The voice's own record of having been started; it stays set after a
    // one-shot sound has ended by itself.
    bool IsStarted() const { return playing_; }
    int GetRetriggerGuard() const { return retriggerGuard_; }
    void SetRetriggerGuard(int ms) { retriggerGuard_ = ms; }

private:
    // Stop, animators dropped, sync released, handle closed.
    void CloseVoice();
    // The group's SoundChannelKind, 0 without a group.
    int GroupKind() const;
    // Clears the frame clock's music sync when this voice drives it.
    void ReleaseSync();
    // Mute and volume of the handle from the effective volume.
    void ApplyVolume();

    bool playing_ = false;
    long groupVolume_ = 0;
    long ownVolume_ = 0;
    bool groupMuted_ = false;
    std::unique_ptr<CSoundCommand> volumeAnimator_;
    std::unique_ptr<CSoundCommand> panAnimator_;
    std::unique_ptr<CSoundCommand> frequencyAnimator_;
    int channel_ = 0;
    CSoundGroup* group_ = nullptr;
    int retriggerGuard_ = 0;
};

// ((group + 10000) x (own + 10000)) / 10000 - 10000, truncated toward zero;
// computed wide and held to the 32-bit range, so wild script values cannot
// overflow.
long EffectiveSoundVolume(long groupVolume, long ownVolume);
