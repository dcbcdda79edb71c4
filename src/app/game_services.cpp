#include "app/game_services.h"

#include "app/display_device.h"
#include "graphics/display_driver.h"
#include "platform/clock.h"
#include "platform/process_start.h"

CGameServices SystemGameServices() {
    return CGameServices{&SystemClock(), &DirectDrawDisplayDriver(), &SystemCursorReader(),
                         &SystemProcessStarter(), nullptr};
}
