// The window-message side of a scene: its own listeners (the nodes that take
// window messages, such as buttons) behind one entry in the scene host's
// listener list.
#pragma once

#include "platform/message_broadcaster.h"

class CSceneHost;

class CSceneBroadcaster : public CMessageBroadcaster {
public:
    CSceneBroadcaster();
    // Detaches.
    ~CSceneBroadcaster() override;

    // Remembers the parent, registers with it and counts as attached.
    virtual void Attach(CSceneHost* parent);
    // When attached: no longer attached, unregistered from the parent, and
    // every own listener removed.
    void Detach();
    // Unregisters from the parent but stays attached.
    void Suspend();
    // Registers with the parent again.
    void Reattach();
    CSceneHost* GetParent() const { return parent_; }
    bool IsAttached() const { return attached_; }

private:
    bool attached_ = false;
    CSceneHost* parent_ = nullptr;
};
