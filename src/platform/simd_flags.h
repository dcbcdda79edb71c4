// The two program-wide switches that let the pixel routines use their MMX and
// SSE paths. The configuration reads and writes them; the routines read them
// at every call, so a change takes effect at once.
#pragma once

bool GetUseMMXFlag();
void SetUseMMXFlag(bool on);
bool GetUseSSEFlag();
void SetUseSSEFlag(bool on);
