// The quick-save slot: the in-game menu's "Clip" writes it and its quick
// load reads it. It is save slot 1, which the save and load screens show too.
#pragma once

#include <string>

// "UserData/Play0001.dat".
extern const std::string QuickSaveFileName;
