#include "platform/directx_version.h"

#include <windows.h>
#include <objbase.h>
#include <ddraw.h>
#include <dmusicc.h>

#include "platform/com_ptr.h"

namespace {

constexpr uint32_t kNotProbed = 0xFFFFFFFF;
uint32_t g_version = kNotProbed;

using DirectDrawCreateFunction = HRESULT(WINAPI*)(GUID*, IDirectDraw**, IUnknown*);
using DirectDrawCreateExFunction = HRESULT(WINAPI*)(GUID*, void**, REFIID, IUnknown*);

// A library loaded for the lifetime of the object.
class CLoadedLibrary {
public:
    explicit CLoadedLibrary(const char* name) : module_(LoadLibraryA(name)) {}
    ~CLoadedLibrary() {
        if (module_) FreeLibrary(module_);
    }
    CLoadedLibrary(const CLoadedLibrary&) = delete;
    CLoadedLibrary& operator=(const CLoadedLibrary&) = delete;

    bool IsLoaded() const { return module_ != nullptr; }
    template <typename Function>
    Function Find(const char* name) const {
        return module_ ? reinterpret_cast<Function>(
                             reinterpret_cast<void*>(GetProcAddress(module_, name)))
                       : nullptr;
    }

private:
    HMODULE module_;
};

// Asks the real system. Everything it loads or obtains is released when it
// goes, the surface before the object and the object before its library.
class CSystemDirectXProbe : public CDirectXProbe {
public:
    CSystemDirectXProbe() : ddraw_("DDRAW.DLL") {}

    bool CreateDirectDraw() override {
        auto create = ddraw_.Find<DirectDrawCreateFunction>("DirectDrawCreate");
        return create && SUCCEEDED(create(nullptr, directDraw_.Put(), nullptr));
    }
    bool HasDirectDraw2() override { return Has(directDraw_.Get(), IID_IDirectDraw2); }
    bool HasDirectInput() override {
        CLoadedLibrary dinput("DINPUT.DLL");
        return dinput.Find<FARPROC>("DirectInputCreateA") != nullptr;
    }
    bool SetNormalCooperativeLevel() override {
        return SUCCEEDED(directDraw_->SetCooperativeLevel(nullptr, DDSCL_NORMAL));
    }
    bool CreatePrimarySurface() override {
        DDSURFACEDESC description = {};
        description.dwSize = sizeof description;
        description.dwFlags = DDSD_CAPS;
        description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
        return SUCCEEDED(directDraw_->CreateSurface(&description, surface_.Put(), nullptr));
    }
    bool HasSurface3() override { return Has(surface_.Get(), IID_IDirectDrawSurface3); }
    bool HasSurface4() override { return Has(surface_.Get(), IID_IDirectDrawSurface4); }
    bool HasDirectMusic() override {
        // Undone whatever the creation gives, and only when it was done.
        const HRESULT started = CoInitialize(nullptr);
        bool created;
        {
            CComPtr<IUnknown> music;
            created = SUCCEEDED(CoCreateInstance(CLSID_DirectMusic, nullptr, CLSCTX_INPROC_SERVER,
                                                 IID_IDirectMusic, music.PutVoid()));
        }
        if (SUCCEEDED(started)) CoUninitialize();
        return created;
    }
    bool HasDirectDraw7() override {
        auto create = ddraw_.Find<DirectDrawCreateExFunction>("DirectDrawCreateEx");
        CComPtr<IUnknown> directDraw7;
        return create &&
               SUCCEEDED(create(nullptr, directDraw7.PutVoid(), IID_IDirectDraw7, nullptr));
    }
    bool HasLibrary(const char* name) override { return CLoadedLibrary(name).IsLoaded(); }

private:
    static bool Has(IUnknown* object, REFIID interfaceId) {
        CComPtr<IUnknown> answer;
        return SUCCEEDED(object->QueryInterface(interfaceId, answer.PutVoid()));
    }

    CLoadedLibrary ddraw_;
    CComPtr<IDirectDraw> directDraw_;
    CComPtr<IDirectDrawSurface> surface_;
};

}  // namespace

uint32_t ClimbDirectXVersion(CDirectXProbe& probe) {
    if (!probe.CreateDirectDraw()) return 0;
    if (!probe.HasDirectDraw2()) return 0x100;
    if (!probe.HasDirectInput()) return 0x200;
    if (!probe.SetNormalCooperativeLevel()) return 0;
    if (!probe.CreatePrimarySurface()) return 0;
    if (!probe.HasSurface3()) return 0x300;
    if (!probe.HasSurface4()) return 0x500;
    if (!probe.HasDirectMusic()) return 0x600;
    if (!probe.HasDirectDraw7()) return 0x601;
    if (!probe.HasLibrary("D3D8.DLL")) return 0x700;
    if (!probe.HasLibrary("dpnhpast.dll")) return 0x800;
    return 0x801;
}

uint32_t GetDirectXVersion() {
    if (g_version == kNotProbed) {
        CSystemDirectXProbe probe;
        g_version = ClimbDirectXVersion(probe);
    }
    return g_version;
}

std::string DirectXVersionName(uint32_t code) {
    switch (code) {
        case 0: return "No DirectX installed";
        case 0x100: return "DirectX 1";
        case 0x200: return "DirectX 2";
        case 0x300: return "DirectX 3";
        case 0x500: return "DirectX 5";
        case 0x600: return "DirectX 6";
        case 0x601: return "DirectX 6.1";
        case 0x700: return "DirectX 7";
        case 0x800: return "DirectX 8";
        case 0x801: return "DirectX 8.1 later";
        default: return "Unknown version of DirectX installed.";
    }
}

std::string GetDirectXVersionName() { return DirectXVersionName(GetDirectXVersion()); }
