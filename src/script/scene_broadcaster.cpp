#include "script/scene_broadcaster.h"

#include "script/scene_host.h"

CSceneBroadcaster::CSceneBroadcaster() = default;

CSceneBroadcaster::~CSceneBroadcaster() { Detach(); }

void CSceneBroadcaster::Attach(CSceneHost* parent) {
    parent_ = parent;
    parent_->AddListener(this);
    attached_ = true;
}

void CSceneBroadcaster::Detach() {
    if (!attached_) return;
    attached_ = false;
    parent_->RemoveListener(this);
    RemoveAllListeners();
}

void CSceneBroadcaster::Suspend() { parent_->RemoveListener(this); }

void CSceneBroadcaster::Reattach() { parent_->AddListener(this); }
