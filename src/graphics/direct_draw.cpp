#include "graphics/direct_draw.h"

#include "platform/com_init.h"
#include "platform/com_ptr.h"
#include "platform/error_report.h"

namespace {

constexpr int kComFailedPlace = 23;
constexpr int kCreateFailedPlace = 47;
constexpr int kInitializeFailedPlace = 54;

// In-process server and handler, and local server.
constexpr DWORD kClassContext = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER;

CComPtr<IDirectDraw> g_directDraw;
unsigned g_holders = 0;

}  // namespace

CDirectDrawHolder::CDirectDrawHolder() {
    if (g_holders++ != 0) return;
    if (ComInit() != 0) {
        --g_holders;
        ErrorReport(ErrorKind::OS, kModuleDirectDraw, kComFailedPlace);
    }
    try {
        CreateDirectDrawObject();
    } catch (const CInternalError&) {
        ComUninit();
        --g_holders;
        throw;
    }
}

CDirectDrawHolder::~CDirectDrawHolder() {
    if (--g_holders != 0) return;
    g_directDraw.Reset();
    ComUninit();
}

int CreateDirectDrawObject() {
    g_directDraw.Reset();
    CComPtr<IDirectDraw> directDraw;
    HRESULT hr = CoCreateInstance(CLSID_DirectDraw, nullptr, kClassContext, IID_IDirectDraw,
                                  directDraw.PutVoid());
    if (FAILED(hr)) {
        ErrorReport(ErrorKind::DirectDraw, kModuleDirectDraw, kCreateFailedPlace, hr);
    }
    hr = directDraw->Initialize(nullptr);
    if (FAILED(hr)) {
        ErrorReport(ErrorKind::DirectDraw, kModuleDirectDraw, kInitializeFailedPlace, hr);
    }
    *g_directDraw.Put() = directDraw.Detach();
    return 0;
}

IDirectDraw* GetDirectDraw() { return g_directDraw.Get(); }
