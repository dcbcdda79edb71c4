// Runs a test body inside a test application with a display device: the
// main window is up, the device uses the given display hardware, a fake
// clock and a fake cursor. Programs that include it link mirl_app.
#pragma once

#include <functional>

#include "app/application.h"
#include "app/display_device.h"
#include "support/fake_clock.h"
#include "support/test_application.h"

class FakeCursor : public CCursorReader {
public:
    POINT Read() override { return position; }
    POINT position = {400, 300};
};

struct DisplayFixture {
    TestApplication& app;
    CDisplayDevice& device;
    FakeClock& clock;
    FakeCursor& cursor;
    HWND window;
};

inline void RunWithDisplay(CDisplayDriver& driver,
                           const std::function<void(DisplayFixture&)>& body) {
    TestApplication app;
    app.body = [&](TestApplication& self) {
        self.PumpMessages();
        FakeClock clock;
        FakeCursor cursor;
        CDisplayDevice device(800, 600, driver, clock, cursor);
        DisplayFixture fixture{self, device, clock, cursor, GetMainWindowHandle()};
        body(fixture);
    };
    app.Run();
}
