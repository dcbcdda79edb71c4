// Ids of the editor's resources and of its dialog's controls. The resource
// script reads the macros; the code uses OptionControlId.
#pragma once

#define OPTIONPAD_DIALOG 102
#define OPTIONPAD_ICON 102

#define OPTION_APPLY 1
#define OPTION_CANCEL 2
#define OPTION_DEFAULTS 3

#define OPTION_USE_SSE 1003
#define OPTION_USE_MMX 1004
#define OPTION_VALID_EXIT_DIALOG 1006
#define OPTION_NOISE_CUT 1007
#define OPTION_CANCEL_SLEEP 1008
#define OPTION_CANCEL_MONITOR_OFF 1009
#define OPTION_CANCEL_SCREEN_SAVE 1010
#define OPTION_AUTO_MUTE 1011
#define OPTION_AUTO_PAUSE 1012
#define OPTION_DIAGNOSIS 1013
#define OPTION_ANTI_TEXT 1014
#define OPTION_VALID_SHORT_SKIP 1015
#define OPTION_USE_EFFECT 1016
#define OPTION_PLAY_MOVIE 1017

#define OPTION_SE_LABEL 1018
#define OPTION_BGM_LABEL 1019
#define OPTION_FPS_LABEL 1020
#define OPTION_SPEED_LABEL 1021
#define OPTION_SKIP_WAIT_LABEL 1022

#define OPTION_SKIP_WAIT_BAR 1026
#define OPTION_SPEED_BAR 1027
#define OPTION_FPS_BAR 1028
#define OPTION_BGM_BAR 1029
#define OPTION_SE_BAR 1030

#ifndef RC_INVOKED
enum OptionControlId : int {
    kOptionApply = OPTION_APPLY,
    kOptionCancel = OPTION_CANCEL,
    kOptionDefaults = OPTION_DEFAULTS,
    kOptionUseSSE = OPTION_USE_SSE,
    kOptionUseMMX = OPTION_USE_MMX,
    kOptionValidExitDialog = OPTION_VALID_EXIT_DIALOG,
    kOptionNoiseCut = OPTION_NOISE_CUT,
    kOptionCancelSleep = OPTION_CANCEL_SLEEP,
    kOptionCancelMonitorOff = OPTION_CANCEL_MONITOR_OFF,
    kOptionCancelScreenSave = OPTION_CANCEL_SCREEN_SAVE,
    kOptionAutoMute = OPTION_AUTO_MUTE,
    kOptionAutoPause = OPTION_AUTO_PAUSE,
    kOptionDiagnosis = OPTION_DIAGNOSIS,
    kOptionAntiText = OPTION_ANTI_TEXT,
    kOptionValidShortSkip = OPTION_VALID_SHORT_SKIP,
    kOptionUseEffect = OPTION_USE_EFFECT,
    kOptionPlayMovie = OPTION_PLAY_MOVIE,
    kOptionSELabel = OPTION_SE_LABEL,
    kOptionBGMLabel = OPTION_BGM_LABEL,
    kOptionFPSLabel = OPTION_FPS_LABEL,
    kOptionSpeedLabel = OPTION_SPEED_LABEL,
    kOptionSkipWaitLabel = OPTION_SKIP_WAIT_LABEL,
    kOptionSkipWaitBar = OPTION_SKIP_WAIT_BAR,
    kOptionSpeedBar = OPTION_SPEED_BAR,
    kOptionFPSBar = OPTION_FPS_BAR,
    kOptionBGMBar = OPTION_BGM_BAR,
    kOptionSEBar = OPTION_SE_BAR,
};
#endif
