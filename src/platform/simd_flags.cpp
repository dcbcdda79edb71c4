#include "platform/simd_flags.h"

namespace {
bool g_useMMX = true;
bool g_useSSE = true;
}  // namespace

bool GetUseMMXFlag() { return g_useMMX; }
void SetUseMMXFlag(bool on) { g_useMMX = on; }
bool GetUseSSEFlag() { return g_useSSE; }
void SetUseSSEFlag(bool on) { g_useSSE = on; }
