// Products that the drawing code truncates (an opacity times 255, a scaled or
// turned coordinate) must come out as their double values, on the program's
// first thread and on the threads it starts: a 32-bit x87 unit left at
// 64-bit mantissas truncates some of them one lower.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

struct TruncatedProduct {
    double factor;
    double times;
    int truncated;
};

// Each product is an integer as a double, and a hair below it in the exact
// product of the two doubles.
constexpr TruncatedProduct kProducts[] = {
    {0.6, 255, 153},
    {0.7, 10, 7},
    {0.3, 10, 3},
};

// Volatile, so the compiler cannot fold the products while it builds.
volatile double g_factor;
volatile double g_times;

int TruncateProduct() {
    const double factor = g_factor;
    const double times = g_times;
    return static_cast<int>(factor * times);
}

DWORD WINAPI TruncateOnThread(void* result) {
    *static_cast<int*>(result) = TruncateProduct();
    return 0;
}

TEST(FloatingPoint, TruncatedProductsAreTheirDoubleValuesOnEveryThread) {
    for (const TruncatedProduct& p : kProducts) {
        SCOPED_TRACE(testing::Message() << p.factor << " * " << p.times);
        g_factor = p.factor;
        g_times = p.times;
        EXPECT_EQ(TruncateProduct(), p.truncated);

        int onThread = -1;
        HANDLE thread = CreateThread(nullptr, 0, TruncateOnThread, &onThread, 0, nullptr);
        ASSERT_NE(thread, nullptr);
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
        EXPECT_EQ(onThread, p.truncated);
    }
}

}  // namespace
