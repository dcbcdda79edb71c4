#include "graphics/direct_draw.h"

#include <gtest/gtest.h>
#include <objbase.h>

#include <memory>
#include <thread>

#include "support/error_recorder.h"

namespace {

TEST(DirectDraw, HoldersShareOneObject) {
    ClearRecordedErrors();
    ASSERT_EQ(GetDirectDraw(), nullptr);
    auto first = std::make_unique<CDirectDrawHolder>();
    IDirectDraw* object = GetDirectDraw();
    ASSERT_NE(object, nullptr);
    {
        CDirectDrawHolder second;
        EXPECT_EQ(GetDirectDraw(), object);
        first.reset();
        EXPECT_EQ(GetDirectDraw(), object);
        // The object is usable: the normal cooperative level needs no window.
        EXPECT_EQ(GetDirectDraw()->SetCooperativeLevel(nullptr, DDSCL_NORMAL), DD_OK);
    }
    EXPECT_EQ(GetDirectDraw(), nullptr);
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST(DirectDraw, ComStartedBeforeOnTheThreadIsNoError) {
    ClearRecordedErrors();
    std::thread([] {
        ASSERT_EQ(CoInitialize(nullptr), S_OK);
        {
            CDirectDrawHolder holder;
            EXPECT_NE(GetDirectDraw(), nullptr);
        }
        EXPECT_EQ(GetDirectDraw(), nullptr);
        // The thread's own start of COM is still in force.
        EXPECT_EQ(CoInitialize(nullptr), S_FALSE);
        CoUninitialize();
        CoUninitialize();
    }).join();
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST(DirectDraw, ComThatCannotStartEndsWithTheOsErrorBox) {
    ClearRecordedErrors();
    std::thread([] {
        // A thread of the multithreaded apartment cannot enter a
        // single-threaded one.
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        EXPECT_THROW(CDirectDrawHolder(), CInternalError);
        EXPECT_EQ(GetDirectDraw(), nullptr);
        CoUninitialize();
    }).join();
    ASSERT_EQ(RecordedErrors().size(), 1u);
    const ErrorBox& box = RecordedErrors()[0];
    EXPECT_EQ(box.kind, ErrorKind::OS);
    EXPECT_EQ(box.module, 1015);
    EXPECT_EQ(box.place, 23);
    EXPECT_FALSE(box.hasCode);

    // The failed holder was not counted: the next one creates the object.
    ClearRecordedErrors();
    {
        CDirectDrawHolder holder;
        EXPECT_NE(GetDirectDraw(), nullptr);
    }
    EXPECT_EQ(GetDirectDraw(), nullptr);
    EXPECT_TRUE(RecordedErrors().empty());
}

}  // namespace
