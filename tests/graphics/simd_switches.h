// The MMX and SSE switches set for the length of a scope, and the four
// settings the pixel-routine tests run under.
#pragma once

#include "platform/cpu_info.h"
#include "platform/simd_flags.h"

struct SimdSwitches {
    const char* name;
    bool mmx;
    bool sse;
};

inline constexpr SimdSwitches kPlainSwitches = {"both switches off", false, false};
inline constexpr SimdSwitches kMmxSwitches = {"MMX on", true, false};
inline constexpr SimdSwitches kSseSwitches = {"MMX and SSE on", true, true};
inline constexpr SimdSwitches kSseOnlySwitches = {"SSE on, MMX off", false, true};
inline constexpr SimdSwitches kEverySwitchSetting[] = {kPlainSwitches, kMmxSwitches, kSseSwitches,
                                                       kSseOnlySwitches};

class CScopedSimdSwitches {
public:
    explicit CScopedSimdSwitches(const SimdSwitches& switches)
        : mmx_(GetUseMMXFlag()), sse_(GetUseSSEFlag()) {
        SetUseMMXFlag(switches.mmx);
        SetUseSSEFlag(switches.sse);
    }
    ~CScopedSimdSwitches() {
        SetUseMMXFlag(mmx_);
        SetUseSSEFlag(sse_);
    }
    CScopedSimdSwitches(const CScopedSimdSwitches&) = delete;
    CScopedSimdSwitches& operator=(const CScopedSimdSwitches&) = delete;

private:
    bool mmx_;
    bool sse_;
};

// Which path a routine takes under the switches: SSE when it has one and
// both the processor and the switch allow it, else MMX likewise, else plain.
enum class SimdPath { Plain, Mmx, Sse };

inline SimdPath PathTaken(const SimdSwitches& switches, bool hasMmxPath, bool hasSsePath) {
    if (hasSsePath && switches.sse && HasSSE()) return SimdPath::Sse;
    if (hasMmxPath && switches.mmx && HasMMX()) return SimdPath::Mmx;
    return SimdPath::Plain;
}
