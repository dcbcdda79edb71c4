#include "media/multimedia_stream_probe.h"

#include "platform/com_init.h"

namespace {

bool g_multiMediaStreamAvailable = false;

class CSystemMultiMediaStreamFactory : public CMultiMediaStreamFactory {
public:
    int StartCom() override { return ComInit(); }
    void EndCom() override { ComUninit(); }
    HRESULT CreateStream(IAMMultiMediaStream** stream) override {
        return CoCreateInstance(CLSID_AMMultiMediaStream, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAMMultiMediaStream, reinterpret_cast<void**>(stream));
    }
};

}  // namespace

CMultiMediaStreamFactory& SystemMultiMediaStreamFactory() {
    static CSystemMultiMediaStreamFactory factory;
    return factory;
}

CMultiMediaStreamProbe::CMultiMediaStreamProbe(CMultiMediaStreamFactory& factory)
    : factory_(factory), stream_(nullptr), comStarted_(factory.StartCom() == 0) {
    if (FAILED(factory_.CreateStream(&stream_))) stream_ = nullptr;
    g_multiMediaStreamAvailable = stream_ != nullptr;
}

CMultiMediaStreamProbe::~CMultiMediaStreamProbe() {
    if (stream_) stream_->Release();
    if (comStarted_) factory_.EndCom();
}

bool CMultiMediaStreamProbe::IsAvailable() { return g_multiMediaStreamAvailable; }
