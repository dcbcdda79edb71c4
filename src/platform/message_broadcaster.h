// An ordered list of listeners that offers each message to them in turn
// until one answers non-zero. Listeners may be added and removed at any time,
// also by a handler while a message is being dispatched, nested or not: each
// listener is asked at most once per message, in list order, and a removed
// listener is never called again.
#pragma once

#include <cstdint>

#include "platform/message_listener.h"

class CMessageBroadcaster : public CMessageListener {
public:
    CMessageBroadcaster();
    virtual ~CMessageBroadcaster();
    CMessageBroadcaster(const CMessageBroadcaster&) = delete;
    CMessageBroadcaster& operator=(const CMessageBroadcaster&) = delete;

    int HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // Appends, also when the listener is in the list already.
    void AddListener(CMessageListener* listener);
    // Removes every entry of the listener; nothing when it is not there.
    void RemoveListener(CMessageListener* listener);
    void RemoveAllListeners();

    uint32_t Count() const { return count_; }

    // More listener calls than this within one dispatch mean handlers keep
    // reshuffling the list without end.
    static constexpr int kMaxCallsPerDispatch = 1000000;

private:
    struct Entry {
        Entry* prev;
        Entry* next;
        CMessageListener* listener;
    };

    void Unlink(Entry* entry);

    Entry sentinel_;
    uint32_t count_;
    bool changed_;
    int depth_;
};
