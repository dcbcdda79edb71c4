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
        for (const char* archive :
             {"S.dat", "mn.dat", "pic.dat", "snd.dat", "obj.dat", "System.dat", "EI.dat", "Image.dat"}) {
            temp_.Write(archive, ReadBytes(GetProgramDirectory() + archive));
        }
    }
    const std::string& Path() const { return temp_.Path(); }
    // The archive `name` replaced by one built beside the test programs
    // (`source` relative to their folder).
    void Replace(const char* name, const std::string& source) {
        temp_.Write(name, ReadBytes(GetProgramDirectory() + source));
    }
    // A file of these bytes at `name`.
    void Write(const char* name, const Bytes& data) { temp_.Write(name, data); }

private:
    CTempFolder temp_;
    CBaseDirectoryScope base_{temp_.Path()};
};
