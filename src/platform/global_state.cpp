#include "platform/global_state.h"

#include "platform/config.h"
#include "platform/save_data.h"

namespace {

// One translation unit, so they are built in this order and destroyed in the
// reverse one.
CPlayData g_playData;
CPlayData g_savedPlayData;
CSystemData g_systemData;
CConfig g_config;

}  // namespace

CPlayData& GetPlayData() { return g_playData; }

CPlayData& GetSavedPlayData() { return g_savedPlayData; }

CSystemData& GetSystemData() { return g_systemData; }

CConfig& GetConfig() { return g_config; }
