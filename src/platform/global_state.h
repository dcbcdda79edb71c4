// The program's global state: the game being played, the copy that the save
// and load screens write and read, the system data that outlive every game,
// and the settings. They are built before the main function runs, in that
// order, and destroyed in the reverse order after it returns; the main loop
// loads and saves them, and nothing else creates another.
#pragma once

class CConfig;
class CPlayData;
class CSystemData;

// The live game state: the script's "@N" variables.
CPlayData& GetPlayData();
// The copy kept for saving and loading.
CPlayData& GetSavedPlayData();
// The script's "$N" variables, kept in "UserData/System.dat".
CSystemData& GetSystemData();
CConfig& GetConfig();
