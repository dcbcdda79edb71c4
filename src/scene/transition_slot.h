// The screen transition a picture or colour node carries: a started clone of
// the transition command a script handed to the node ("DrawEffect"), owned
// until it is replaced or the node is cleared. While the node's own
// placement is neither turned nor zoomed the transition runs and its node
// draws through it; otherwise it is held still and the node draws plainly.
#pragma once

#include <windows.h>

#include "platform/transform2d.h"
#include "scene/node_kind.h"

class CScreenTransition;
class CScriptCommand;
class CSceneNode;

class CTransitionSlot {
public:
    CTransitionSlot() = default;
    // Stops and deletes the transition.
    ~CTransitionSlot();
    CTransitionSlot(const CTransitionSlot&) = delete;
    CTransitionSlot& operator=(const CTransitionSlot&) = delete;

    // Stops and deletes the attached transition, then attaches a clone of
    // the command (a transition command) started on the holder.
    void Attach(const CScriptCommand& command, CSceneNode& holder);
    // Stops and deletes the attached transition.
    void Remove();
    CScreenTransition* Get() const { return transition_; }

    // The node draws through the transition: one is attached and the
    // composed placement is untransformed.
    bool Draws(const CTransform2D& composed) const;
    // Every pixel the transition may draw for a width x height box under the
    // composed placement, in that placement's outer (screen) coordinates;
    // empty without a transition. The transition draws at the composed
    // placement, so its reach is measured there and not level by level.
    RECT Reach(const CTransform2D& composed, int width, int height) const;
    // Steps the transition while the node's own placement is untransformed.
    void Update(const CTransform2D& ownPlacement, int milliseconds);
    // For the selectors "any" and the effect one: the transition runs on an
    // untransformed own placement.
    bool IsAnimating(const CTransform2D& ownPlacement, AnimatorSelector which) const;
    // The larger of the node's other time left and, where IsAnimating would
    // look at the transition, the transition's.
    unsigned TimeLeft(const CTransform2D& ownPlacement, AnimatorSelector which,
                      unsigned others) const;

private:
    bool Counts(const CTransform2D& ownPlacement, AnimatorSelector which) const;

    CScreenTransition* transition_ = nullptr;
};
