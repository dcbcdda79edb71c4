// The start-up diagnosis: straight onto the main window's device context it
// prints what the program found about the processor, memory, operating
// system, DirectX, display and sound, warnings in light yellow and errors in
// light red, pausing after each finding so the user can read it. Nothing here
// stops the game. The sound check, or the short "Please Wait ..." form, also
// decides whether sound is available for the run.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/diagnosis_lines.h"

class CClock;
class CMachineFacts;

class CSystemDiagnosis {
public:
    // The running machine, the system clock and the font drawer.
    CSystemDiagnosis();
    CSystemDiagnosis(CMachineFacts& machine, CClock& clock, CDiagnosisLineDrawer& drawer);
    virtual ~CSystemDiagnosis();
    CSystemDiagnosis(const CSystemDiagnosis&) = delete;
    CSystemDiagnosis& operator=(const CSystemDiagnosis&) = delete;

    // "Please Wait ..." and the six checks in order; true.
    bool RunStartupChecks(HDC target);
    // "Please Wait ..." and the sound device's answer as the sound-available
    // flag; true.
    bool ShowPleaseWait(HDC target);

    // Each check prints its heading and findings and pauses; true, except
    // that CheckMemory answers false after a warning.
    bool CheckCpu();
    bool CheckMemory();
    bool CheckOs();
    bool CheckDirectX();
    bool CheckGraphics();
    bool CheckSound();

    void PrintLine(const std::string& text);
    void PrintItem(const std::string& text);
    void PrintWarning(const std::string& text);
    void PrintError(const std::string& text);

private:
    void Print(DiagnosisLineKind kind, const std::string& text);
    void Sleep(uint32_t ms);
    // The DirectShow lines of the graphics check, which come even when the
    // DirectDraw capabilities cannot be read.
    void CheckDirectShow();
    // Takes a use of the shared sound device and sets the sound-available
    // flag from it, with the warning when it fails.
    void CheckSoundDevice();
    // The emulated-driver warning; whether it was printed.
    bool CheckSoundAcceleration();
    // The mixer's mute and volume warnings; whether any was printed.
    bool CheckMixer();

    int32_t y_;
    HDC target_;
    CMachineFacts& machine_;
    CClock& clock_;
    CDiagnosisLineDrawer& drawer_;
};
