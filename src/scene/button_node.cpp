#include "scene/button_node.h"

#include "app/application.h"
#include "app/cursor_position.h"
#include "script/scene.h"

CButtonNode::CButtonNode(int x, int y, int z, std::string className)
    : CClassNode(x, y, z, std::move(className)) {}

CButtonNode::CButtonNode(const CButtonNode& other)
    : CClassNode(other),
      clickable_(other.clickable_),
      listener_(other.listener_),
      first_(other.first_),
      second_(other.second_),
      third_(other.third_) {}

CButtonNode::~CButtonNode() {
    ReleaseHeldCapture();
    StopListening();
}

void CButtonNode::SetListener(CButtonListener* listener, int32_t first, int32_t second,
                              uint32_t third) {
    listener_ = listener;
    first_ = first;
    second_ = second;
    third_ = third;
}

void CButtonNode::StartListening() {
    if (listeningTo_) return;
    listeningTo_ = GetOwner();
    if (listeningTo_) listeningTo_->AddMessageListener(this);
}

void CButtonNode::StopListening() {
    if (!listeningTo_) return;
    listeningTo_->RemoveMessageListener(this);
    listeningTo_ = nullptr;
}

void CButtonNode::ReleaseHeldCapture() {
    if (!captured_) return;
    ReleaseCapture();
    captured_ = 0;
}

void CButtonNode::Reset() {
    enabled_ = 1;
    captured_ = 0;
    hovering_ = 0;
    pressed_ = 0;
    refresh_ = 0;
    hoverGuard_ = 0;
    StartListening();
    CClassNode::Reset();
    OnCreate();
}

void CButtonNode::Clear() {
    if (IsLive()) {
        if (!IsDeactivated()) ReleaseHeldCapture();
        StopListening();
    }
    CClassNode::Clear();
}

void CButtonNode::Detach() {
    OnDestroy();
    if (!IsDeactivated()) ReleaseHeldCapture();
    StopListening();
    CClassNode::Detach();
}

CNode* CButtonNode::Clone() { return new CButtonNode(*this); }

void CButtonNode::Update(int milliseconds) {
    CClassNode::Update(milliseconds);
    if (!refresh_) return;
    EvaluateHover();
    refresh_ = 0;
}

void CButtonNode::ReceiveMessage(std::string name) {
    if (IsLocked()) {
        if (name == "#Release") {
            CClassNode::ReceiveMessage(name);
            refresh_ = 1;
        }
        return;
    }
    if (name == "#Lock") {
        CClassNode::ReceiveMessage(name);
        return;
    }
    if (name == "Enable") {
        if (enabled_) return;
        enabled_ = 1;
        OnEnable();
        refresh_ = 1;
        return;
    }
    if (name == "Disable") {
        hovering_ = 0;
        if (!enabled_) return;
        OnDisable();
        enabled_ = 0;
        return;
    }
    if (!enabled_) return;
    if (name == "ButtonDown") {
        OnDown();
    } else if (name == "ButtonUp" && captured_) {
        OnUp();
    } else if (name == "Hover") {
        OnHover();
    } else if (name == "Outside") {
        OnOutside();
    } else if (name == "ButtonPress") {
        pressed_ = 1;
        OnPress();
    } else if (name == "ButtonRelease") {
        if (!pressed_) return;
        pressed_ = 0;
        OnRelease();
    } else if (name != "#Pause" && name != "#Play") {
        // Pausing is not for buttons: the steering names of the class node
        // stop here, every other name runs the page it names.
        CClassNode::ReceiveMessage(name);
    }
}

int CButtonNode::GetNodeKind() { return kNodeKindButton; }

void CButtonNode::Deactivate() {
    ReleaseHeldCapture();
    StopListening();
    CClassNode::Deactivate();
}

void CButtonNode::Activate() {
    refresh_ = 1;
    StartListening();
    CClassNode::Activate();
}

bool CButtonNode::IsOwnPath(const std::string& path) const {
    const std::string own = GetFullPath();
    if (path.compare(0, own.size(), own) != 0) return false;
    return path.size() == own.size() || path[own.size()] == '/';
}

void CButtonNode::EvaluateHover() {
    if (!enabled_ || IsLocked() || pressed_ || !GetScene() || hoverGuard_) return;
    hoverGuard_ = 1;
    std::string path;
    GetScene()->GetHoverPath(&path);
    const bool over = IsOwnPath(path);
    if (over && !hovering_) {
        ReceiveMessage("Hover");
        hovering_ = 1;
    } else if (!over && hovering_) {
        ReceiveMessage("Outside");
        hovering_ = 0;
    }
    hoverGuard_ = 0;
}

int CButtonNode::HandleMessage(HWND, UINT message, WPARAM, LPARAM) {
    if (!enabled_ || IsLocked() || pressed_) {
        if (message == WM_LBUTTONUP) ReleaseHeldCapture();
        return 0;
    }
    switch (message) {
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE:
            EvaluateHover();
            return 0;
        case WM_LBUTTONDOWN: {
            if (!clickable_ || captured_ || !GetOwner()) return 0;
            CScriptHost* target = GetOwner()->GetCommandTarget();
            CNode* root = target ? target->GetRootNode() : nullptr;
            if (!root) return 0;
            const POINT cursor = GetCursorClientPos();
            std::string path;
            if (!root->HitTestPath(cursor.x, cursor.y, CTransform2D(0, 0, 1, 1, 1, 0), &path) ||
                !IsOwnPath(path)) {
                return 0;
            }
            SetCapture(GetMainWindowHandle());
            captured_ = 1;
            ReceiveMessage("ButtonDown");
            return 1;
        }
        case WM_LBUTTONUP:
            if (!clickable_ || !captured_) return 0;
            ReleaseCapture();
            ReceiveMessage("ButtonUp");
            captured_ = 0;
            return 1;
        default:
            return 0;
    }
}

void CButtonNode::Fire(const char* page, ListenerCall call) {
    if (page) ReceiveMessage(page);
    if (listener_) (listener_->*call)(first_, second_, third_);
}

void CButtonNode::OnCreate() { Fire("OnCreate", &CButtonListener::OnCreate); }
void CButtonNode::OnDestroy() { Fire("OnDestroy", &CButtonListener::OnDestroy); }
void CButtonNode::OnHover() { Fire("OnHover", &CButtonListener::OnHover); }
void CButtonNode::OnOutside() { Fire("OnOutside", &CButtonListener::OnOutside); }
void CButtonNode::OnDown() { Fire("OnDown", &CButtonListener::OnDown); }
void CButtonNode::OnUp() { Fire("OnUp", &CButtonListener::OnUp); }
void CButtonNode::OnDisable() { Fire("OnDisable", &CButtonListener::OnDisable); }
void CButtonNode::OnEnable() { Fire("OnEnable", &CButtonListener::OnEnable); }
void CButtonNode::OnPress() { Fire(nullptr, &CButtonListener::OnPress); }
void CButtonNode::OnRelease() { Fire(nullptr, &CButtonListener::OnRelease); }
