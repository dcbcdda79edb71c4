// Which DirectX the machine has, found by climbing from DirectDraw 1 through
// the interfaces and libraries each later version brought, for the start-up
// diagnosis and its report.
#pragma once

#include <cstdint>
#include <string>

// The probe's questions to the machine, in the order they are asked; each
// answer true lets the probe climb to the next version. A question may rely
// on the objects made by the ones before it.
class CDirectXProbe {
public:
    virtual ~CDirectXProbe() = default;
    // DDRAW.DLL, its DirectDrawCreate and a DirectDraw object from it.
    virtual bool CreateDirectDraw() = 0;
    virtual bool HasDirectDraw2() = 0;
    // DINPUT.DLL with DirectInputCreateA.
    virtual bool HasDirectInput() = 0;
    virtual bool SetNormalCooperativeLevel() = 0;
    virtual bool CreatePrimarySurface() = 0;
    virtual bool HasSurface3() = 0;
    virtual bool HasSurface4() = 0;
    virtual bool HasDirectMusic() = 0;
    // DirectDrawCreateEx and an IDirectDraw7 object from it.
    virtual bool HasDirectDraw7() = 0;
    virtual bool HasLibrary(const char* name) = 0;
};

// The version code (major in the high byte, minor in the low byte) that the
// answers reach: 0, 0x100, 0x200, 0x300, 0x500, 0x600, 0x601, 0x700, 0x800 or
// 0x801. DirectDraw that cannot set a cooperative level or make a primary
// surface counts as no DirectX at all.
uint32_t ClimbDirectXVersion(CDirectXProbe& probe);

// The version of this machine, probed on the first call and kept.
uint32_t GetDirectXVersion();
std::string DirectXVersionName(uint32_t code);
std::string GetDirectXVersionName();
