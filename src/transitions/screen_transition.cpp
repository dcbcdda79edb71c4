#include "transitions/screen_transition.h"

#include <cstdlib>

#include "platform/config.h"
#include "platform/error_report.h"
#include "platform/global_state.h"
#include "scene/scene_node.h"
#include "script/script_host.h"
#include "transitions/transition_kinds.h"

namespace {

constexpr int kFullyTransitioned = 255;

enum TransitionErrorPlace : int {
    kPlaceLevelOutOfRange = 13,
    kPlaceUnknownKind = 24,
    kPlaceNothingToMeasure = 146,
};

[[noreturn]] void TransitionError(int place) {
    ErrorReport(ErrorKind::Internal, kModuleTransition, place);
}

// A script level 0..1000 as a transition level 0..255.
int ToTransitionLevel(int scriptLevel) { return scriptLevel * kFullyTransitioned / 1000; }

bool IsScriptLevel(int level) { return level >= 0 && level <= 1000; }

bool UseEffect() { return GetConfig().IsUseEffect(); }

// With effects off the picture shows whole or not at all: the kinds that
// draw beyond the picture, and a few others, show it at every level; the
// rest only while it is not fully transitioned.
bool ShowsWholeWithEffectsOff(TransitionRoutine routine, bool drawsOutside, int level) {
    if (drawsOutside || level < kFullyTransitioned) return true;
    const TransitionKind* kind = FindTransitionKind(routine);
    return kind && kind->drawnWholeWithEffectsOff;
}

}  // namespace

CScreenTransition::CScreenTransition(unsigned duration, const std::string& kindName, int startLevel,
                                     int endLevel, EasingCurve easing)
    : startLevel_(0),
      endLevel_(0),
      routine_(nullptr),
      drawsOutside_(false),
      randomMode_(0),
      holder_(nullptr),
      lastLevel_(-1),
      seed_(0) {
    if (!IsScriptLevel(startLevel) || !IsScriptLevel(endLevel))
        TransitionError(kPlaceLevelOutOfRange);
    progress_.Set(duration, easing);
    startLevel_ = ToTransitionLevel(startLevel);
    endLevel_ = ToTransitionLevel(endLevel);
    routine_ = LookupTransitionRoutine(kindName);
    if (!routine_) TransitionError(kPlaceUnknownKind);
}

CScreenTransition::CScreenTransition(const CScreenTransition& other)
    : CScriptCommand(other),
      CMessageListener(other),
      startLevel_(other.startLevel_),
      endLevel_(other.endLevel_),
      progress_(other.progress_),
      routine_(other.routine_),
      drawsOutside_(false),
      randomMode_(0),
      holder_(nullptr),
      lastLevel_(-1),
      seed_(0) {}

CScreenTransition::~CScreenTransition() { Unregister(); }

int CScreenTransition::GetCategory() const { return kCategoryTransition; }

int CScreenTransition::GetKind() const { return kKindScreenTransition; }

void CScreenTransition::Start(CSceneNode* holder) {
    Stop();
    holder_ = holder;
    drawsOutside_ = TransitionDrawsOutside(routine_);
    randomMode_ = TransitionRandomMode(routine_);
    seed_ = std::rand();
    lastLevel_ = -1;
    Redraw();
    if (!holder_) return;
    if (CScriptHost* host = holder_->GetOwner()) host->AddMessageListener(this);
}

void CScreenTransition::Stop() { Unregister(); }

void CScreenTransition::Unregister() {
    if (!holder_) return;
    if (CScriptHost* host = holder_->GetOwner()) host->RemoveMessageListener(this);
    holder_ = nullptr;
}

void CScreenTransition::Update(unsigned milliseconds) {
    progress_.Advance(milliseconds);
    const int level = CurrentLevel();
    const bool useEffect = UseEffect();
    // Start drew the start level, so the first update moves on from there
    // (with effects off a transition that starts fully transitioned must be
    // redrawn as soon as it leaves that level).
    const int previous = lastLevel_ < 0 ? startLevel_ : lastLevel_;
    if (level != previous) {
        // With effects off the picture only changes when it starts or stops
        // being fully transitioned; the ends are redrawn all the same.
        const bool crosses = (previous == kFullyTransitioned) != (level == kFullyTransitioned);
        if (useEffect || crosses || level == startLevel_ || level == endLevel_) Redraw();
    }
    lastLevel_ = level;
    if (!useEffect) return;
    // A random pattern is renewed every frame while it shows.
    if (randomMode_ == 2 && level != 0) Redraw();
    if (randomMode_ == 1 && level != 0 && level != kFullyTransitioned) Redraw();
}

void CScreenTransition::Draw(CMemorySurface* destination, const CTransform2D* placement,
                             uint32_t extra, const CMemorySurface* picture,
                             const TransitionSize* size, const RECT* clip, int code) {
    // Every cell drawn between two redraw requests sees the same pattern.
    if (randomMode_ != 0) std::srand(static_cast<unsigned>(seed_));
    int width = 0;
    int height = 0;
    if (size) {
        width = size->width;
        height = size->height;
    } else if (picture) {
        picture->GetSize(width, height);
    } else {
        TransitionError(kPlaceNothingToMeasure);
    }
    RECT place = {0, 0, width, height};
    placement->MapRect(place);
    const int level = CurrentLevel();
    if (UseEffect()) {
        routine_(destination, picture, place.left, place.top, size, clip, level, code, extra);
    } else if (ShowsWholeWithEffectsOff(routine_, drawsOutside_, level)) {
        routine_(destination, picture, place.left, place.top, size, clip, 0, code, extra);
    }
}

void CScreenTransition::Redraw() {
    if (holder_) holder_->SetDirty();
    // Wraps instead of overflowing; only the pattern depends on it.
    seed_ = static_cast<int>(static_cast<unsigned>(seed_) + 1u);
}

void CScreenTransition::GetBounds(RECT* out, const CTransform2D* placement, int width,
                                  int height) const {
    if (drawsOutside_ && !IsFullyShown()) {
        *out = RECT{-32768, -32768, 32768, 32768};
        return;
    }
    *out = RECT{0, 0, width, height};
    placement->MapRect(*out);
}

void CScreenTransition::GetSurfaceBounds(RECT* out, const CTransform2D* placement,
                                         const CMemorySurface* picture) const {
    int width = 0;
    int height = 0;
    if (picture) picture->GetSize(width, height);
    GetBounds(out, placement, width, height);
}

CScreenTransition* CScreenTransition::Clone() const { return new CScreenTransition(*this); }

bool CScreenTransition::IsRunning() const { return progress_.IsRunning(); }

bool CScreenTransition::IsFullyShown() const { return CurrentLevel() == 0; }

unsigned CScreenTransition::GetTimeLeft() const { return progress_.Remaining(); }

int CScreenTransition::HandleMessage(HWND, UINT message, WPARAM wParam, LPARAM) {
    if (message == kSettingChangedMessage && wParam == static_cast<WPARAM>(kSettingUseEffect))
        Redraw();
    return 0;
}

int CScreenTransition::CurrentLevel() const { return progress_.LerpInt(startLevel_, endLevel_); }
