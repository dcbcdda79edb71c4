// A screen transition that records what its node asks of it instead of
// drawing, for the tests of the nodes that carry one.
#pragma once

#include <string>
#include <vector>

#include "transitions/screen_transition.h"

// What a recording transition was asked to do, shared by its clones.
struct TransitionLog {
    struct DrawCall {
        int code;
        uint32_t extra;
        const CMemorySurface* picture;
        bool hasSize;
        TransitionSize size;
        RECT clip;
    };
    std::vector<DrawCall> draws;
    std::vector<std::string> events;
    bool running = true;
    bool fullyShown = false;
    unsigned timeLeft = 300;
};

class CRecordingTransition : public CScreenTransition {
public:
    explicit CRecordingTransition(TransitionLog& log)
        : CScreenTransition(300, "LinearDown", 0, 1000, nullptr), log_(log) {}
    ~CRecordingTransition() override { log_.events.push_back("delete"); }

    void Start(CSceneNode*) override { log_.events.push_back("start"); }
    void Stop() override { log_.events.push_back("stop"); }
    void Update(unsigned milliseconds) override {
        log_.events.push_back("update " + std::to_string(milliseconds));
    }
    void Draw(CMemorySurface*, const CTransform2D*, uint32_t extra, const CMemorySurface* picture,
              const TransitionSize* size, const RECT* clip, int code) override {
        log_.draws.push_back({code, extra, picture, size != nullptr,
                              size ? *size : TransitionSize{0, 0},
                              clip ? *clip : RECT{0, 0, 0, 0}});
    }
    CScreenTransition* Clone() const override { return new CRecordingTransition(*this); }
    bool IsRunning() const override { return log_.running; }
    bool IsFullyShown() const override { return log_.fullyShown; }
    unsigned GetTimeLeft() const override { return log_.timeLeft; }

private:
    CRecordingTransition(const CRecordingTransition& other)
        : CScreenTransition(other), log_(other.log_) {}

    TransitionLog& log_;
};
