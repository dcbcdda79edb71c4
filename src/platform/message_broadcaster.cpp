#include "platform/message_broadcaster.h"

#include <set>

#include "platform/error_report.h"

namespace {
constexpr int kRunawayPlace = 99;
}  // namespace

CMessageBroadcaster::CMessageBroadcaster() : count_(0), changed_(false), depth_(0) {
    sentinel_.prev = &sentinel_;
    sentinel_.next = &sentinel_;
    sentinel_.listener = nullptr;
}

CMessageBroadcaster::~CMessageBroadcaster() {
    while (sentinel_.next != &sentinel_) {
        Unlink(sentinel_.next);
    }
}

void CMessageBroadcaster::AddListener(CMessageListener* listener) {
    Entry* entry = new Entry{sentinel_.prev, &sentinel_, listener};
    sentinel_.prev->next = entry;
    sentinel_.prev = entry;
    ++count_;
}

void CMessageBroadcaster::RemoveListener(CMessageListener* listener) {
    bool removed = false;
    for (Entry* entry = sentinel_.next; entry != &sentinel_;) {
        Entry* next = entry->next;
        if (entry->listener == listener) {
            Unlink(entry);
            removed = true;
        }
        entry = next;
    }
    if (removed) {
        changed_ = true;
    }
}

void CMessageBroadcaster::RemoveAllListeners() {
    while (sentinel_.next != &sentinel_) {
        Unlink(sentinel_.next);
    }
    changed_ = true;
}

void CMessageBroadcaster::Unlink(Entry* entry) {
    entry->prev->next = entry->next;
    entry->next->prev = entry->prev;
    delete entry;
    --count_;
}

int CMessageBroadcaster::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Counts this dispatch as running, also when a handler throws.
    struct DepthScope {
        int& depth;
        explicit DepthScope(int& d) : depth(d) { ++depth; }
        ~DepthScope() { --depth; }
    } scope(depth_);
    // A handler of an enclosing dispatch may have removed an entry just before
    // sending this message; keep that news for the enclosing walk, whose noted
    // next entry may be gone.
    const bool changedBefore = depth_ > 1 && changed_;
    changed_ = false;

    std::set<CMessageListener*> asked;
    int calls = 0;
    int result = 0;
    bool restarted = false;

    for (Entry* entry = sentinel_.next; entry != &sentinel_;) {
        Entry* next = entry->next;
        CMessageListener* listener = entry->listener;
        if (asked.count(listener) != 0) {
            entry = next;
            continue;
        }
        result = listener->HandleMessage(window, message, wParam, lParam);
        if (result != 0) {
            break;
        }
        asked.insert(listener);
        if (changed_) {
            // The noted entry may have been freed: start again from the head,
            // skipping everybody already asked.
            changed_ = false;
            restarted = true;
            next = sentinel_.next;
        }
        if (++calls > kMaxCallsPerDispatch) {
            ErrorReport(ErrorKind::Internal, kModuleMessageBroadcaster, kRunawayPlace);
        }
        entry = next;
    }

    if (depth_ > 1 && (restarted || changedBefore)) {
        changed_ = true;
    }
    return result;
}
