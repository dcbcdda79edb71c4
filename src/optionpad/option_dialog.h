// The editor's dialog: check boxes for the switches, scroll bars for the
// volumes, the base frame rate, the game speed and the skip wait, and the
// buttons apply, cancel and defaults. It shows the settings object it is
// given and changes only that object; "適用" alone writes the file.
#pragma once

#include <windows.h>

// The settings file, relative to the program's folder.
constexpr char kOptionConfigPath[] = "UserData/Config.ini";

// The dialog procedure of dialog resource 102; DialogBoxParamA passes the
// CConfig* to edit as its parameter.
INT_PTR CALLBACK OptionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
