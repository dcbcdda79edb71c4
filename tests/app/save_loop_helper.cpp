// Saves the settings and the system data into a folder again and again,
// alternating between two complete versions, until it is killed. The game
// tests kill it at chosen moments and look at what it left behind.
#include <windows.h>

#include "platform/config.h"
#include "platform/error_report.h"
#include "platform/paths.h"
#include "platform/save_data.h"

namespace {

void IgnoreBox(const ErrorBox&) {}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    SetBaseDirectory(argv[1]);
    SetErrorReporter(IgnoreBox);
    // Version 1: 30 fps, no skip wait, $0 = 1; version 2: 45 fps, 5000 ms,
    // $0 = 2.
    CConfig settings[2];
    settings[0].SetBaseFPS(30);
    settings[1].SetBaseFPS(45);
    settings[1].SetSkipWait(5000);
    CSystemData system[2];
    for (int version = 0; version < 2; ++version) {
        system[version].vars.values[0] = version + 1;
        system[version].vars.values[kSaveValueCount - 1] = version + 1;
    }
    for (unsigned i = 0;; ++i) {
        try {
            settings[i % 2].Save("UserData/Config.ini");
            system[i % 2].Save("UserData/System.dat");
        } catch (const CInternalError&) {
            // A save refused for a moment; the next round tries again.
        }
    }
}
