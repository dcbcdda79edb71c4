// A clock that a test moves by hand. Each reading may take `readCost` ms, so a
// routine that spins on the clock comes to an end; a sleep takes its length
// plus `oversleep`. Every sleep is recorded.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/clock.h"

class FakeClock : public CClock {
public:
    explicit FakeClock(uint32_t start = 0, uint32_t readCost = 0)
        : now(start), readCost(readCost) {}

    uint32_t Now() override {
        lastRead = now;
        now += readCost;
        ++reads;
        return lastRead;
    }
    void Sleep(uint32_t ms) override {
        sleeps.push_back(ms);
        now += ms + oversleep;
    }

    uint32_t now;
    uint32_t readCost;
    uint32_t oversleep = 0;
    uint32_t lastRead = 0;
    int reads = 0;
    std::vector<uint32_t> sleeps;
};
