// The demo game as the tests play it: its archives, built beside the test
// programs, copied into a temporary folder that is the base directory for
// the length of a test, with an empty "UserData" folder.
#pragma once

#include <windows.h>

#include "platform/paths.h"
#include "support/temp_folder.h"

class CDemoFolder {
public:
    CDemoFolder() {
        CreateDirectoryA((temp_.Path() + "UserData").c_str(), nullptr);
        for (const char* archive : {"S.dat", "mn.dat", "pic.dat", "snd.dat", "System.dat"}) {
            temp_.Write(archive, ReadBytes(GetProgramDirectory() + archive));
        }
    }
    const std::string& Path() const { return temp_.Path(); }

private:
    CTempFolder temp_;
    CBaseDirectoryScope base_{temp_.Path()};
};
