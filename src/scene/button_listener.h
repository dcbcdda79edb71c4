// The native side of a button: menus and screens install one on their
// buttons to hear their events beside the button's script pages. Every call
// carries the three words the screen gave the button with the listener.
#pragma once

#include <cstdint>

class CButtonListener {
public:
    virtual void OnCreate(int32_t first, int32_t second, uint32_t third) = 0;
    virtual void OnDestroy(int32_t first, int32_t second, uint32_t third) = 0;
    virtual void OnEnable(int32_t first, int32_t second, uint32_t third) = 0;
    virtual void OnDisable(int32_t first, int32_t second, uint32_t third) = 0;
    virtual void OnHover(int32_t first, int32_t second, uint32_t third) = 0;
    virtual void OnOutside(int32_t first, int32_t second, uint32_t third) = 0;
    virtual void OnDown(int32_t first, int32_t second, uint32_t third) = 0;
    virtual void OnUp(int32_t first, int32_t second, uint32_t third) = 0;
    virtual void OnPress(int32_t first, int32_t second, uint32_t third) = 0;
    virtual void OnRelease(int32_t first, int32_t second, uint32_t third) = 0;

protected:
    ~CButtonListener() = default;
};
