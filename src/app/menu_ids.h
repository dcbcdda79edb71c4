// Command ids of the game window's menu resource. The resource script reads
// the macros; the code uses MenuCommandId.
#pragma once

#define MIRL_MENU_EXIT 40002

#ifndef RC_INVOKED
enum MenuCommandId {
    kMenuExit = MIRL_MENU_EXIT,
};
#endif
