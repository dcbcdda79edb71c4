#include "media/mixer_volume.h"

namespace {

constexpr DWORD kNotLookedUp = 0xFFFFFFFF;

}  // namespace

bool MixerPercent(DWORD minimum, DWORD maximum, DWORD value, DWORD* percent) {
    if (maximum == minimum) return false;
    DWORD range = maximum - minimum;
    *percent = (range / 2 - minimum * 100 + value * 100) / range;
    return true;
}

CMixerVolume::CMixerVolume(int line)
    : componentType_(line == 0 ? MIXERLINE_COMPONENTTYPE_DST_SPEAKERS : MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT),
      mixer_(nullptr),
      caps_(),
      volumeMinimum_(0),
      volumeMaximum_(0),
      volumeControlId_(kNotLookedUp),
      muteControlId_(kNotLookedUp) {
    if (mixerOpen(&mixer_, 0, 0, 0, MIXER_OBJECTF_MIXER) == MMSYSERR_NOERROR)
        mixerGetDevCapsA(reinterpret_cast<UINT_PTR>(mixer_), &caps_, sizeof caps_);
    else
        mixer_ = nullptr;
}

CMixerVolume::~CMixerVolume() { Close(); }

void CMixerVolume::Close() {
    if (mixer_) mixerClose(mixer_);
    mixer_ = nullptr;
}

bool CMixerVolume::FindControl(DWORD controlType, DWORD* id, bool keepRange) {
    if (*id != kNotLookedUp) return true;
    if (!mixer_) return false;
    MIXERLINEA line = {};
    line.cbStruct = sizeof line;
    line.dwComponentType = componentType_;
    HMIXEROBJ object = reinterpret_cast<HMIXEROBJ>(mixer_);
    if (mixerGetLineInfoA(object, &line, MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE) != MMSYSERR_NOERROR)
        return false;
    MIXERCONTROLA control = {};
    control.cbStruct = sizeof control;
    MIXERLINECONTROLSA controls = {};
    controls.cbStruct = sizeof controls;
    controls.dwLineID = line.dwLineID;
    controls.dwControlType = controlType;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof control;
    controls.pamxctrl = &control;
    if (mixerGetLineControlsA(object, &controls, MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) !=
        MMSYSERR_NOERROR)
        return false;
    *id = control.dwControlID;
    if (keepRange) {
        volumeMinimum_ = control.Bounds.dwMinimum;
        volumeMaximum_ = control.Bounds.dwMaximum;
    }
    return true;
}

bool CMixerVolume::ReadControl(DWORD id, DWORD* value) {
    MIXERCONTROLDETAILS_UNSIGNED detail = {};
    MIXERCONTROLDETAILS details = {};
    details.cbStruct = sizeof details;
    details.dwControlID = id;
    details.cChannels = 1;
    details.cbDetails = sizeof detail;
    details.paDetails = &detail;
    if (mixerGetControlDetailsA(reinterpret_cast<HMIXEROBJ>(mixer_), &details,
                                MIXER_OBJECTF_HMIXER | MIXER_GETCONTROLDETAILSF_VALUE) != MMSYSERR_NOERROR)
        return false;
    *value = detail.dwValue;
    return true;
}

int CMixerVolume::GetVolume(DWORD* percent) {
    DWORD value = 0;
    if (!FindControl(MIXERCONTROL_CONTROLTYPE_VOLUME, &volumeControlId_, true) || !ReadControl(volumeControlId_, &value))
        return 0;
    return MixerPercent(volumeMinimum_, volumeMaximum_, value, percent) ? 1 : 0;
}

int CMixerVolume::GetMute(DWORD* value) {
    DWORD flag = 0;
    if (!FindControl(MIXERCONTROL_CONTROLTYPE_MUTE, &muteControlId_, false) || !ReadControl(muteControlId_, &flag))
        return 0;
    *value = flag;
    return 1;
}
