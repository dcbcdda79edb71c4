// The particle painters worked out by hand from their rules, drawing rand()
// in the painters' order: where each particle starts and how one tick moves
// it, for comparison with what the painters keep.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "rand_seeds.h"
#include "scene/effects/bubble_painter.h"
#include "scene/effects/effect_rules.h"
#include "scene/effects/swarm_bubble_painter.h"

inline testing::AssertionResult SameParticles(const std::vector<EffectParticle>& actual,
                                              const std::vector<EffectParticle>& expected) {
    if (actual.size() != expected.size()) {
        return testing::AssertionFailure() << actual.size() << " particles, not " << expected.size();
    }
    for (size_t i = 0; i < actual.size(); ++i) {
        const EffectParticle& a = actual[i];
        const EffectParticle& e = expected[i];
        if (a.x != e.x || a.y != e.y || a.depth != e.depth || a.vx != e.vx || a.vy != e.vy) {
            return testing::AssertionFailure()
                   << "particle " << i << " is {" << a.x << ", " << a.y << ", " << a.depth << ", " << a.vx
                   << ", " << a.vy << "}, not {" << e.x << ", " << e.y << ", " << e.depth << ", " << e.vx
                   << ", " << e.vy << "}";
        }
    }
    return testing::AssertionSuccess();
}

// Snow (slow = false) and SlowSnow.
struct FlakeModel {
    FlakeModel(bool slow, int width, int height) : slow(slow), width(width), height(height) {}
    bool slow;
    int width;
    int height;
    int respawns = 0;
    std::vector<EffectParticle> flakes;

    int StartDrift() const { return slow ? std::rand() % 64 - 32 : std::rand() % 256 - 128; }
    int RespawnDrift() const { return slow ? std::rand() % 64 - 32 : (std::rand() % 16 - 8) * 16; }
    int Tick() const { return slow ? 10 : 16; }

    void Start() {
        for (int i = 0; i < 128; ++i) {
            EffectParticle f;
            f.x = ModelBelow(width) * 256;
            f.y = (ModelBelow(height + 100) - 50) * 256;
            f.vx = StartDrift();
            f.depth = ModelDepth();
            f.vy = f.depth * (slow ? 64 : 256);
            flakes.push_back(f);
        }
    }
    void Step() {
        for (EffectParticle& f : flakes) {
            f.x += f.vx;
            f.y += f.vy;
            if (f.y / 256 >= height + 50) {
                ++respawns;
                f.x = ModelBelow(width) * 256;
                f.y = (-50 - ModelBelow(f.vy * 100 / 256)) * 256;
                f.vx = RespawnDrift();
            }
        }
    }
};

struct HeartModel {
    HeartModel(int width, int height) : width(width), height(height) {}
    int width;
    int height;
    int respawns = 0;
    std::vector<EffectParticle> hearts;

    void Place(EffectParticle& h) const {
        h.x = ModelBelow(width) * 256;
        h.y = (ModelBelow(height + 100) + 670) * 256;
        h.vx = std::rand() % 512 - 255;
    }
    void Start() {
        for (int i = 0; i < 128; ++i) {
            EffectParticle h;
            Place(h);
            h.depth = ModelDepth();
            h.vy = -h.depth * 256;
            hearts.push_back(h);
        }
    }
    void Step() {
        for (EffectParticle& h : hearts) {
            h.x += h.vx;
            h.y += h.vy;
            if (h.y <= -12800) {
                ++respawns;
                Place(h);
            }
        }
    }
};

struct RainModel {
    RainModel(int width, int height) : width(width), height(height) {}
    int width;
    int height;
    std::vector<EffectParticle> drops;

    void Start() {
        for (int i = 0; i < 400; ++i) {
            EffectParticle d;
            d.x = (ModelBelow(width + 200) - 100) * 256;
            d.y = (ModelBelow(height + 100) - 50) * 256;
            d.depth = ModelDepth();
            d.vx = 256;
            d.vy = d.depth * 2560;
            drops.push_back(d);
        }
    }
    void Step() {
        for (EffectParticle& d : drops) {
            d.x += d.vx;
            d.y += d.vy;
            if (d.y / 256 >= height + 50) {
                d.x = (ModelBelow(width + 200) - 100) * 256;
                d.y = (-50 - ModelBelow(d.vy * 100 / 256)) * 256;
            }
        }
    }
};

struct LookUpRainModel {
    LookUpRainModel(int width, int height) : width(width), height(height) {}
    int width;
    int height;
    std::vector<EffectParticle> drops;

    void Launch(EffectParticle& d) const {
        d.x = width / 2 * 256;
        d.y = height / 2 * 256;
        // Degrees times pi / 180, rounded as the painter rounds it: at angles
        // such as 210 degrees the truncations below sit on an integer, and
        // another rounding of the angle can move them by one.
        const double a = (std::rand() % 360) * (3.14159265358979323846 / 180.0);
        const int v = std::rand() % 10 + 5;
        d.vx = static_cast<int32_t>(std::cos(a) * v * 256);
        d.vy = static_cast<int32_t>(std::sin(a) * v * 256);
    }
    // Launches every drop, then flies them 31 ticks (the 500 ms of the load).
    void Start() {
        for (int i = 0; i < 400; ++i) {
            EffectParticle d = {0, 0, 0, 0, 0};
            Launch(d);
            drops.push_back(d);
        }
        for (int i = 0; i < 31; ++i) Step();
    }
    void Step() {
        for (EffectParticle& d : drops) {
            d.x += d.vx;
            d.y += d.vy;
            const int px = d.x / 256;
            const int py = d.y / 256;
            if (py <= -100 || py >= height + 100 || px <= -100 || px >= width + 100) Launch(d);
        }
    }
};

struct BubbleModel {
    BubbleModel(int width, int height) : width(width), height(height) {}
    int width;
    int height;
    int respawns = 0;
    std::vector<BubbleParticle> bubbles;

    void Start() {
        for (int i = 0; i < 64; ++i) {
            BubbleParticle b;
            b.x = ModelBelow(width) * 256;
            b.y = (ModelBelow(height + 1) + height) * 256;
            b.vx = (std::rand() % 16 - 8) * 16;
            b.vy = 0;
            b.lift = std::rand() % 13 + 4;
            b.clock = std::rand() % 1000;
            b.depth = ModelDepth();
            bubbles.push_back(b);
        }
    }
    void Step() {
        for (BubbleParticle& b : bubbles) {
            b.x += b.vx;
            b.y += b.vy;
            b.vy -= b.lift / 4;
            if (b.y < -25600) {
                ++respawns;
                b.x = std::rand() % 300 * 256;
                b.y = (height + 100) * 256;
                b.vx = (std::rand() % 16 - 8) * 16;
                b.vy = 0;
                b.lift = std::rand() % 13 + 4;
            }
            b.clock += 16;
        }
    }
};

struct FloatBubbleModel {
    FloatBubbleModel(int width, int height) : width(width), height(height) {}
    int width;
    int height;
    int respawns = 0;
    std::vector<EffectParticle> bubbles;

    void Start() {
        for (int i = 0; i < 32; ++i) {
            EffectParticle b;
            b.x = ModelBelow(width) * 256;
            b.y = (std::rand() % 100 + height) * 256;
            b.vx = (std::rand() % 16 - 8) * 16;
            b.vy = std::rand() % 64 * 16;
            b.depth = ModelDepth();
            bubbles.push_back(b);
        }
    }
    void Step() {
        for (EffectParticle& b : bubbles) {
            b.x += b.vx;
            b.y += b.vy;
            b.vy -= 4;
            if (b.y < -25600) {
                ++respawns;
                b.x = std::rand() % 300 * 256;
                b.y = 900 * 256;
                b.vx = (std::rand() % 16 - 8) * 16;
                b.vy = 0;
            }
        }
    }
};

struct SwarmModel {
    SwarmModel(int width, int height) : width(width), height(height) {}
    int width;
    int height;
    std::vector<SwarmParticle> bubbles;

    void Start() {
        for (int i = 0; i < 16; ++i) {
            SwarmParticle b;
            b.x = (ModelBelow(width / 4) + width / 4) * 256;
            b.y = (ModelBelow(height / 4) + height / 4) * 256;
            b.size = std::rand() % 6 + 2;
            b.speed = std::rand() % 256 + 256;
            b.angle = std::rand() % 1024;
            const bool odd = std::rand() % 2 == 1;
            b.turn = (odd ? -1 : 1) * (std::rand() % 8 + 4);
            bubbles.push_back(b);
        }
    }
    void Step() {
        for (SwarmParticle& b : bubbles) {
            b.angle += b.turn;
            const double theta = b.angle * 0.00613592315234375;
            b.x = static_cast<int32_t>(b.x + std::cos(theta) * b.speed);
            b.y = static_cast<int32_t>(b.y + std::sin(theta) * b.speed);
        }
    }
};
