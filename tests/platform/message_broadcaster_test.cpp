#include "platform/message_broadcaster.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/error_recorder.h"

namespace {

// A listener that logs "<name><message>" and may act before answering.
struct Listener : CMessageListener {
    Listener(std::string n, std::vector<std::string>* l, int a = 0) : name(n), log(l), answer(a) {}
    int HandleMessage(HWND, UINT message, WPARAM, LPARAM) override {
        log->push_back(name + std::to_string(message));
        if (action) {
            action(message);
        }
        return answer;
    }
    std::string name;
    std::vector<std::string>* log;
    int answer;
    std::function<void(UINT)> action;
};

class BroadcasterTest : public testing::Test {
protected:
    Listener& Make(const std::string& name, int answer = 0) {
        listeners.push_back(std::make_unique<Listener>(name, &log, answer));
        broadcaster.AddListener(listeners.back().get());
        return *listeners.back();
    }
    int Send(UINT message) { return broadcaster.HandleMessage(nullptr, message, 0, 0); }

    std::vector<std::string> log;
    std::vector<std::unique_ptr<Listener>> listeners;
    CMessageBroadcaster broadcaster;
};

using Log = std::vector<std::string>;

TEST_F(BroadcasterTest, AsksInRegistrationOrderUntilOneAnswers) {
    Make("A");
    Make("B");
    EXPECT_EQ(Send(1), 0);
    EXPECT_EQ(log, (Log{"A1", "B1"}));

    log.clear();
    listeners[0]->answer = 5;
    EXPECT_EQ(Send(2), 5);
    EXPECT_EQ(log, (Log{"A2"}));
}

TEST_F(BroadcasterTest, ListenerRegisteredTwiceIsAskedOnce) {
    Listener& a = Make("A");
    Make("B");
    broadcaster.AddListener(&a);
    EXPECT_EQ(broadcaster.Count(), 3u);
    Send(1);
    EXPECT_EQ(log, (Log{"A1", "B1"}));

    broadcaster.RemoveListener(&a);
    EXPECT_EQ(broadcaster.Count(), 1u);
    broadcaster.RemoveListener(&a);  // not there any more: nothing happens
    EXPECT_EQ(broadcaster.Count(), 1u);
}

TEST_F(BroadcasterTest, RemovalDuringDispatchNeverCallsTheRemovedListener) {
    struct Case {
        const char* what;
        int remover;  // index of the listener that removes
        int removed;  // index of the listener it removes
        Log expected;
    };
    const Case cases[] = {
        {"the next listener", 0, 1, {"A1", "C1"}},
        {"a later listener", 0, 2, {"A1", "B1"}},
        {"itself", 1, 1, {"A1", "B1", "C1"}},
        {"an earlier listener", 2, 0, {"A1", "B1", "C1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        log.clear();
        listeners.clear();
        broadcaster.RemoveAllListeners();
        Make("A");
        Make("B");
        Make("C");
        Listener* removed = listeners[c.removed].get();
        listeners[c.remover]->action = [this, removed](UINT) {
            broadcaster.RemoveListener(removed);
        };
        EXPECT_EQ(Send(1), 0);
        EXPECT_EQ(log, c.expected);
        EXPECT_EQ(broadcaster.Count(), 2u);
    }
}

TEST_F(BroadcasterTest, ListenerAddedDuringDispatchIsAskedOnlyWhenBehindTheWalk) {
    Listener& a = Make("A");
    Listener& b = Make("B");
    auto d = std::make_unique<Listener>("D", &log);
    a.action = [&](UINT message) {
        if (message == 1) broadcaster.AddListener(d.get());
    };
    Send(1);
    EXPECT_EQ(log, (Log{"A1", "B1", "D1"}));

    // Added while the walk stands at the last entry: not asked this time.
    log.clear();
    broadcaster.RemoveListener(d.get());
    a.action = nullptr;
    b.action = [&](UINT message) {
        if (message == 2) broadcaster.AddListener(d.get());
    };
    Send(2);
    EXPECT_EQ(log, (Log{"A2", "B2"}));
    log.clear();
    Send(3);
    EXPECT_EQ(log, (Log{"A3", "B3", "D3"}));
}

TEST_F(BroadcasterTest, NestedDispatchAsksEveryoneAgainAndTheOuterWalkRestarts) {
    Listener& a = Make("A");
    Listener& b = Make("B");
    Listener& c = Make("C");
    a.action = [&](UINT message) {
        if (message == 1) Send(2);
    };
    b.action = [&](UINT message) {
        if (message == 2) broadcaster.RemoveListener(&c);
    };
    EXPECT_EQ(Send(1), 0);
    // Inside A's handling of 1, message 2 reaches A and B; B removes C. The
    // outer walk then restarts, skips A and asks B; C is never asked.
    EXPECT_EQ(log, (Log{"A1", "A2", "B2", "B1"}));
}

TEST_F(BroadcasterTest, RemovalJustBeforeANestedSendIsNotLostByTheOuterWalk) {
    Listener& a = Make("A");
    Listener& b = Make("B");
    Make("C");
    a.action = [&](UINT message) {
        if (message == 1) {
            broadcaster.RemoveListener(&b);  // the outer walk's next entry
            Send(2);
        }
    };
    EXPECT_EQ(Send(1), 0);
    EXPECT_EQ(log, (Log{"A1", "A2", "C2", "C1"}));
}

// Each listener hands its place to a new one, so the walk restarts without
// end, each time finding a listener it has not asked yet.
struct Chain : CMessageListener {
    CMessageBroadcaster* broadcaster = nullptr;
    Chain* next = nullptr;
    int HandleMessage(HWND, UINT, WPARAM, LPARAM) override {
        if (next) broadcaster->AddListener(next);
        broadcaster->RemoveListener(this);
        return 0;
    }
};

TEST(BroadcasterGuard, RunawayDispatchRaisesTheInternalErrorBox) {
    const int n = CMessageBroadcaster::kMaxCallsPerDispatch + 2;
    std::vector<Chain> chain(n);
    CMessageBroadcaster broadcaster;
    for (int i = 0; i < n; ++i) {
        chain[i].broadcaster = &broadcaster;
        chain[i].next = i + 1 < n ? &chain[i + 1] : nullptr;
    }
    broadcaster.AddListener(&chain[0]);
    ClearRecordedErrors();
    EXPECT_THROW(broadcaster.HandleMessage(nullptr, 1, 0, 0), CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Internal);
    EXPECT_EQ(RecordedErrors()[0].module, 2038);
    EXPECT_EQ(RecordedErrors()[0].place, 99);

    // A chain one call short of the limit completes.
    CMessageBroadcaster fine;
    std::vector<Chain> shorter(CMessageBroadcaster::kMaxCallsPerDispatch);
    for (size_t i = 0; i < shorter.size(); ++i) {
        shorter[i].broadcaster = &fine;
        shorter[i].next = i + 1 < shorter.size() ? &shorter[i + 1] : nullptr;
    }
    fine.AddListener(&shorter[0]);
    EXPECT_EQ(fine.HandleMessage(nullptr, 1, 0, 0), 0);
}

}  // namespace
