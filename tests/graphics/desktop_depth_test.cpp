#include "graphics/desktop_depth.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/fake_clock.h"

namespace {

// Answers the given depths in turn and counts the reads.
class FakeScreen : public CScreenDepthReader {
public:
    explicit FakeScreen(std::vector<uint32_t> answers) : answers_(answers) {}
    uint32_t ReadScreenDepth() override { return answers_.at(reads++); }
    size_t reads = 0;

private:
    std::vector<uint32_t> answers_;
};

TEST(DesktopDepth, ReadOnceUntilRefreshed) {
    FakeScreen screen({32, 16});
    FakeClock clock;
    CDesktopDepth depth(screen, clock);
    EXPECT_EQ(depth.Get(), 32u);
    EXPECT_EQ(depth.Get(), 32u);
    EXPECT_EQ(screen.reads, 1u);
    EXPECT_EQ(depth.Refresh(), 16u);
    EXPECT_EQ(depth.Get(), 16u);
    EXPECT_EQ(screen.reads, 2u);
    EXPECT_TRUE(clock.sleeps.empty());
}

TEST(DesktopDepth, ADisplayChangingModeIsAskedAgainASecondLater) {
    FakeScreen screen({0, 24});
    FakeClock clock;
    CDesktopDepth depth(screen, clock);
    EXPECT_EQ(depth.Get(), 24u);
    EXPECT_EQ(clock.sleeps, std::vector<uint32_t>{1000});
    EXPECT_EQ(screen.reads, 2u);
}

TEST(DesktopDepth, ZeroTwiceIsKeptUntilTheNextRefresh) {
    FakeScreen screen({0, 0, 32});
    FakeClock clock;
    CDesktopDepth depth(screen, clock);
    EXPECT_EQ(depth.Get(), 0u);
    EXPECT_EQ(depth.Get(), 0u);
    EXPECT_EQ(screen.reads, 2u);
    EXPECT_EQ(depth.Refresh(), 32u);
    EXPECT_EQ(screen.reads, 3u);
}

TEST(DesktopDepth, TheSessionDesktopHasThirtyTwoBits) {
    // Wine shows the 24-bit X screen with 32 bits per pixel.
    EXPECT_EQ(GetDesktopBitDepth(), 32u);
    EXPECT_EQ(RefreshDesktopBitDepth(), 32u);
}

}  // namespace
