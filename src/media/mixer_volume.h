// The volume and mute of mixer 0's speakers (line 0) or wave output (line 1),
// as the start-up diagnosis reports them.
#pragma once

#include <windows.h>
#include <mmsystem.h>

class CMixerVolume {
public:
    explicit CMixerVolume(int line);
    ~CMixerVolume();
    CMixerVolume(const CMixerVolume&) = delete;
    CMixerVolume& operator=(const CMixerVolume&) = delete;

    // The volume in percent of the control's range; 1, or 0 on a mixer error.
    int GetVolume(DWORD* percent);
    // The mute control's value; 1, or 0 on a mixer error.
    int GetMute(DWORD* value);
    void Close();

private:
    // Looks the control of the type up once; false on a mixer error.
    bool FindControl(DWORD controlType, DWORD* id, bool keepRange);
    bool ReadControl(DWORD id, DWORD* value);

    DWORD componentType_;
    HMIXER mixer_;
    MIXERCAPSA caps_;
    DWORD volumeMinimum_;
    DWORD volumeMaximum_;
    DWORD volumeControlId_;
    DWORD muteControlId_;
};

// The percentage of value in minimum..maximum, rounded to the nearest; false
// for an empty range, which has no percentages.
bool MixerPercent(DWORD minimum, DWORD maximum, DWORD value, DWORD* percent);
