#include "support/stream_open_cost.h"

#include <amstream.h>

#include "platform/com_ptr.h"
#include "support/process_counts.h"

namespace {

constexpr int kOpenings = 2;

void OpenBare(const std::wstring& path) {
    CComPtr<IAMMultiMediaStream> stream;
    if (FAILED(CoCreateInstance(CLSID_AMMultiMediaStream, nullptr, CLSCTX_INPROC_SERVER, IID_IAMMultiMediaStream,
                                stream.PutVoid()))) {
        return;
    }
    stream->Initialize(STREAMTYPE_READ, 0, nullptr);
    stream->AddMediaStream(nullptr, &MSPID_PrimaryVideo, 0, nullptr);
    stream->AddMediaStream(nullptr, &MSPID_PrimaryAudio, AMMSF_ADDDEFAULTRENDERER, nullptr);
    stream->OpenFile(path.c_str(), 0);
}

}  // namespace

DWORD HandlesLeftByStreamOpening(const std::string& path) {
    std::wstring wide(path.begin(), path.end());
    for (wchar_t& c : wide) {
        if (c == L'/') c = L'\\';
    }
    const bool started = SUCCEEDED(CoInitialize(nullptr));
    OpenBare(wide);
    const ProcessCounts before = SettledCounts(GetCurrentProcess(), ProcessCounts());
    for (int i = 0; i < kOpenings; ++i) OpenBare(wide);
    const ProcessCounts after = SettledCounts(GetCurrentProcess(), before);
    if (started) CoUninitialize();
    if (after.handles <= before.handles) return 0;
    return (after.handles - before.handles + kOpenings - 1) / kOpenings;
}
