// A rectangle of the scene in which a full-area effect runs: snow, rain,
// bubbles, a DNA helix, a warped picture, or a filter over what lies
// beneath. The node owns one painter, chosen by its kind when it is reset,
// steps it every frame while running and lets it draw into the node's area.
// The setting IsUseEffect turns every effect off and on while the game runs:
// while it is off, the node neither steps nor draws; the node listens to its
// owner's window messages so that a change redraws it.
#pragma once

#include <memory>
#include <string>

#include "platform/message_listener.h"
#include "scene/effects/effect_kind.h"
#include "scene/effects/effect_painter.h"
#include "scene/scene_node.h"

class CEffectNode : public CSceneNode, public CMessageListener {
public:
    CEffectNode(int x, int y, int z, int width, int height, int kind);
    // Deletes the painter and stops listening.
    ~CEffectNode() override;

    // Makes and loads the painter of the kind ("Internal Error" 2013-68 for a
    // kind without one), runs, and listens to the owner's messages (a node
    // without an owner listens to nothing); then the scene node's reset.
    void Reset() override;
    // Deletes the painter and stops listening, then clears the node.
    void Clear() override;
    // Stops listening, then detaches.
    void Detach() override;
    // Kind, size and the scene-node part; no painter.
    CNode* Clone() override;
    // While running and effects are on: the painter's step, and the area is
    // marked for redraw when the painter animates. Then animators and
    // children.
    void Update(int milliseconds) override;
    // Nothing while effects are off or the node is not visible; otherwise
    // the painter draws at the composed placement inside the node's area on
    // the target, cut by the clip (the whole area when there is none).
    void DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) override;
    // "Stop" freezes the effect, "Start" resumes it; every name then goes on
    // to the scene node.
    void ReceiveMessage(std::string name) override;
    void GetSize(int* width, int* height) override;
    // (0, 0, width, height) placed by the node's own placement.
    void GetLocalRect(RECT* out) override;
    int GetNodeKind() override;
    // Composed opacity and zooms above 0.001.
    bool IsVisible(const CTransform2D& parent) override;
    bool IsOpaque(const CTransform2D& parent) override;
    // Visible, hit-enabled, and the point inside the rectangle.
    bool HitTestSelf(double x, double y, CTransform2D parent) override;
    void DirtyOwnArea(CTransform2D parent, const RECT* clip) override;

    // A change of IsUseEffect marks the node dirty; always 0, so the
    // message goes on to the other listeners.
    int HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    int GetKind() const { return kind_; }
    bool IsRunning() const { return running_ != 0; }
    CEffectPainter* GetPainter() const { return painter_.get(); }

private:
    CEffectNode(const CEffectNode& other);
    void StopListening();

    int kind_;
    int width_;
    int height_;
    std::unique_ptr<CEffectPainter> painter_;
    uint8_t running_ = 0;
    CScriptHost* listeningTo_ = nullptr;
};
