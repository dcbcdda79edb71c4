#include "script/select_statement.h"

#include <cmath>

#include "app/cursor_position.h"
#include "platform/transform2d.h"
#include "scene/node.h"
#include "script/script_command_kind.h"
#include "script/script_executor.h"
#include "script/script_host.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// The angle of (dx, up) in whole degrees, truncated toward zero and brought
// into 0..359.
int WholeDegrees(int dx, int up) {
    int angle = static_cast<int>(std::atan2(static_cast<double>(up), static_cast<double>(dx)) * 180.0 / kPi);
    return ((angle % 360) + 360) % 360;
}

// How far apart two directions are, 0..180 degrees.
int AngleBetween(int a, int b) {
    int diff = std::abs(a - b);
    return diff > 180 ? 360 - diff : diff;
}

}  // namespace

CSelectStatement::CSelectStatement(CaseTable cases) : cases_(std::move(cases)) {}

CSelectStatement::~CSelectStatement() {
    if (listening_) host_->RemoveMessageListener(this);
}

int CSelectStatement::GetKind() const { return kKindSelect; }

void CSelectStatement::Execute(CScriptHost* host) {
    host_ = host;
    state_ = State::kWaiting;
    root_ = host->GetRootNode();
    host->SetScriptEnabled(false);
    host->AddMessageListener(this);
    listening_ = true;
    host->GetCommandTarget()->SendMessage("OnSelectBegin");
}

void CSelectStatement::Update(int) {
    // The host deletes this statement inside the call.
    if (state_ == State::kChosen && listening_) host_->DropPendingStatement();
}

void CSelectStatement::Stop() {
    if (!listening_) return;
    listening_ = false;
    host_->GetCommandTarget()->SendMessage("OnSelectEnd");
    host_->RemoveMessageListener(this);
    host_->SetScriptEnabled(true);
}

std::unique_ptr<CScriptStatement> CSelectStatement::Clone() const {
    auto clone = std::make_unique<CSelectStatement>(cases_);
    clone->state_ = state_;
    clone->focus_ = focus_;
    clone->root_ = root_;
    clone->host_ = host_;
    return clone;
}

bool CSelectStatement::IsInstant() const { return false; }

int CSelectStatement::HandleMessage(HWND, UINT message, WPARAM wParam, LPARAM) {
    if (state_ != State::kWaiting || !listening_) return 0;
    switch (message) {
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE: SetFocus(ChoiceAtCursor()); return 0;
        case WM_LBUTTONDOWN: return Select(ChoiceAtCursor()) ? 1 : 0;
        case WM_KEYDOWN: break;
        default: return 0;
    }
    switch (wParam) {
        case VK_RETURN:
        case VK_SPACE: return SelectFocus() ? 1 : 0;
        case VK_RIGHT:
        case VK_NUMPAD6: MoveFocus(0); break;
        case VK_UP:
        case VK_NUMPAD8: MoveFocus(90); break;
        case VK_LEFT:
        case VK_NUMPAD4: MoveFocus(180); break;
        case VK_DOWN:
        case VK_NUMPAD2: MoveFocus(270); break;
        default: break;
    }
    return 0;
}

std::string CSelectStatement::ChoiceAtCursor() const {
    const POINT cursor = GetCursorClientPos();
    if (!IsOnClientArea(cursor)) return std::string();
    std::string path;
    if (!root_->HitTestPath(cursor.x, cursor.y, CTransform2D(0, 0, 1, 1, 1, 0), &path)) return std::string();
    std::string best;
    for (const auto& entry : cases_) {
        const std::string& name = entry.first;
        if (name.size() > best.size() && path.compare(0, name.size(), name) == 0) best = name;
    }
    return best;
}

void CSelectStatement::SetFocus(const std::string& name) {
    if (name == focus_) return;
    if (!focus_.empty()) root_->Request(focus_, "KillFocus");
    if (!name.empty()) root_->Request(name, "SetFocus");
    focus_ = name;
}

bool CSelectStatement::Select(const std::string& name) {
    if (name.empty()) return false;
    focus_ = name;
    if (state_ != State::kWaiting || cases_.count(name) == 0) return false;
    Choose(name);
    return true;
}

bool CSelectStatement::SelectFocus() {
    if (state_ != State::kWaiting || cases_.count(focus_) == 0) return false;
    Choose(focus_);
    return true;
}

void CSelectStatement::Choose(const std::string& name) {
    // The index already stands on the record after the select, where the
    // offsets count from.
    host_->GetExecutor()->AdvanceIndex(static_cast<uint16_t>(cases_.at(name)));
    state_ = State::kChosen;
    for (const auto& entry : cases_) root_->Request(entry.first, entry.first == name ? "Select" : "Unselect");
}

bool CSelectStatement::IsPresent(const std::string& name) const {
    // A pattern names no single node to take a position from.
    return name.find('*') == std::string::npos && root_->HasNodeAt(name);
}

std::string CSelectStatement::Nearest(int direction, int x, int y, int window, bool stopAtAbsent) const {
    unsigned bestDistance = 4294967295u;
    std::string best;
    for (const auto& entry : cases_) {
        const std::string& name = entry.first;
        if (name == focus_) continue;
        if (!IsPresent(name)) {
            if (stopAtAbsent) break;
            continue;
        }
        int px = 0, py = 0;
        root_->GetPositionAt(name, &px, &py);
        const int dx = px - x;
        const int dy = py - y;
        if (AngleBetween(direction, WholeDegrees(dx, -dy)) >= window) continue;
        const auto distance = static_cast<unsigned>(std::hypot(static_cast<double>(dx), static_cast<double>(dy)));
        if (distance < bestDistance) {
            bestDistance = distance;
            best = name;
        }
    }
    return best;
}

void CSelectStatement::MoveFocus(int direction) {
    if (state_ != State::kWaiting || cases_.empty()) return;
    if (focus_.empty()) {
        SetFocus(cases_.begin()->first);
        return;
    }
    if (cases_.count(focus_) == 0) return;
    if (!IsPresent(focus_)) {
        // A choice that left (or a pattern) has no position to move from:
        // the focus goes to the first choice that has one.
        for (const auto& entry : cases_) {
            if (IsPresent(entry.first)) {
                SetFocus(entry.first);
                return;
            }
        }
        return;
    }
    int x = 0, y = 0;
    root_->GetPositionAt(focus_, &x, &y);
    std::string best = Nearest(direction, x, y, 50, false);
    if (best.empty()) best = Nearest(direction, x, y, 90, true);
    if (!best.empty()) SetFocus(best);
}
