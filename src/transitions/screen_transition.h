// The transition command: shows or hides one node's picture gradually
// through one transition kind. "DrawEffect" and "DrawEffectEx" build it when
// the script compiles; a picture or colour node that receives it runs a
// started clone, steps it every frame and draws its picture through it.
//
// Levels: the script's 0..1000 become 0..255 (times 255 / 1000, truncated);
// level 0 draws the picture untouched, 255 fully transitioned (for most
// kinds nothing). The current level runs from the start level to the end
// level over the duration, along the easing curve when there is one.
//
// Every redraw request marks the holder dirty and moves the seed of the
// kind's random pattern on, so a kind with a random pattern draws a new one
// for each request, and every cell drawn between two requests the same.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/easing.h"
#include "platform/message_listener.h"
#include "platform/progress_counter.h"
#include "platform/transform2d.h"
#include "script/script_command.h"
#include "transitions/transition_routine.h"

class CSceneNode;

constexpr int kKindScreenTransition = 10006;

class CScreenTransition : public CScriptCommand, public CMessageListener {
public:
    // Start and end levels outside 0..1000 are the "Internal Error" 2012 -
    // 13, a kind name that is not exactly one of the kinds' 2012 - 24 (both
    // while the script compiles). A null easing means straight progress.
    CScreenTransition(unsigned duration, const std::string& kindName, int startLevel, int endLevel,
                      EasingCurve easing);
    CScreenTransition& operator=(const CScreenTransition&) = delete;
    // Leaves the holder's host first when started.
    ~CScreenTransition() override;

    int GetCategory() const override;  // kCategoryTransition
    int GetKind() const override;      // kKindScreenTransition

    // Stops first; then runs on the node: classifies the kind, takes a new
    // seed from rand(), asks for a redraw and listens to the window messages
    // of the node's owner host.
    virtual void Start(CSceneNode* holder);
    // Stops listening to the holder's host and forgets the holder.
    virtual void Stop();
    // Advances by the frame step and asks for the redraws the new level
    // needs.
    virtual void Update(unsigned milliseconds);
    // Draws the picture, or a size.width x size.height rectangle when there
    // is no picture, through the kind's routine at the current level, its
    // top-left corner where the placement puts (0, 0). Called for every
    // dirty cell with the cell as clip. extra is the opacity (draw codes) or
    // the colour with the opacity in its alpha byte (fill codes). Neither a
    // size nor a picture is the "Internal Error" 2012 - 146. With effects
    // off (the settings' IsUseEffect) the picture is drawn whole wherever it
    // would show at all.
    virtual void Draw(CMemorySurface* destination, const CTransform2D* placement, uint32_t extra,
                      const CMemorySurface* picture, const TransitionSize* size, const RECT* clip,
                      int code);
    // Marks the holder dirty and moves the seed on by one.
    virtual void Redraw();
    // The screen area the transition may touch: the whole plane for a kind
    // that draws beyond the picture while not fully shown, else the
    // width x height rectangle mapped by the placement.
    virtual void GetBounds(RECT* out, const CTransform2D* placement, int width, int height) const;
    // GetBounds with the picture's size (none for a null picture).
    virtual void GetSurfaceBounds(RECT* out, const CTransform2D* placement,
                                  const CMemorySurface* picture) const;
    // A new transition with the same progress, levels, easing and kind; not
    // started.
    virtual CScreenTransition* Clone() const;
    virtual bool IsRunning() const;
    // The current level is 0: the picture shows untouched.
    virtual bool IsFullyShown() const;
    // Milliseconds until the end level is reached.
    virtual unsigned GetTimeLeft() const;

    // A change of the IsUseEffect setting redraws. Always 0, so every
    // listener sees the message.
    int HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // The seed the next draw of a kind with a random pattern starts from.
    int GetSeed() const { return seed_; }
    // What the command was built with: levels 0..255, the kind's routine,
    // the duration and easing.
    int StartLevel() const { return startLevel_; }
    int EndLevel() const { return endLevel_; }
    TransitionRoutine Routine() const { return routine_; }
    const CProgressCounter& Counter() const { return progress_; }

protected:
    // What Clone copies: progress, levels and kind; not started.
    CScreenTransition(const CScreenTransition& other);

private:
    int CurrentLevel() const;
    // The holder's host stops sending messages; the holder is forgotten.
    void Unregister();

    int startLevel_;
    int endLevel_;
    CProgressCounter progress_;
    TransitionRoutine routine_;
    bool drawsOutside_;
    int randomMode_;
    CSceneNode* holder_;
    int lastLevel_;
    int seed_;
};
