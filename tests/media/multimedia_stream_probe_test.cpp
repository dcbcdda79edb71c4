// The DirectShow probe: the flag follows the stream object's creation, the
// object is released, and only a COM start that succeeded is ended again.
#include <gtest/gtest.h>

#include <windows.h>

#include "media/multimedia_stream_probe.h"

namespace {

class CFakeStream : public IAMMultiMediaStream {
public:
    LONG references = 1;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE GetInformation(DWORD*, STREAM_TYPE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMediaStream(REFMSPID, IMediaStream**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumMediaStreams(LONG, IMediaStream**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetState(STREAM_STATE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetState(STREAM_STATE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTime(STREAM_TIME*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDuration(STREAM_TIME*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Seek(STREAM_TIME) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetEndOfStreamEventHandle(HANDLE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Initialize(STREAM_TYPE, DWORD, IGraphBuilder*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetFilterGraph(IGraphBuilder**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFilter(IMediaStreamFilter**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE AddMediaStream(IUnknown*, const MSPID*, DWORD, IMediaStream**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE OpenFile(LPCWSTR, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OpenMoniker(IBindCtx*, IMoniker*, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Render(DWORD) override { return E_NOTIMPL; }
};

class CFakeStreamFactory : public CMultiMediaStreamFactory {
public:
    int startResult = 0;
    bool creates = true;
    int starts = 0;
    int ends = 0;
    int creations = 0;
    CFakeStream stream;

    int StartCom() override {
        ++starts;
        return startResult;
    }
    void EndCom() override { ++ends; }
    HRESULT CreateStream(IAMMultiMediaStream** out) override {
        ++creations;
        if (!creates) {
            *out = nullptr;
            return REGDB_E_CLASSNOTREG;
        }
        stream.AddRef();
        *out = &stream;
        return S_OK;
    }
};

TEST(MultiMediaStreamProbe, FlagStreamAndComFollowTheOutcome) {
    const struct {
        int startResult;
        bool creates;
    } cases[] = {{0, true}, {0, false}, {1, true}, {1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "COM start " << c.startResult << ", creates " << c.creates);
        CFakeStreamFactory factory;
        factory.startResult = c.startResult;
        factory.creates = c.creates;
        {
            CMultiMediaStreamProbe probe(factory);
            EXPECT_EQ(CMultiMediaStreamProbe::IsAvailable(), c.creates);
            EXPECT_EQ(probe.GetStream(), c.creates ? &factory.stream : nullptr);
            EXPECT_EQ(factory.starts, 1);
            EXPECT_EQ(factory.creations, 1);
            EXPECT_EQ(factory.ends, 0);
        }
        EXPECT_EQ(factory.stream.references, 1);
        EXPECT_EQ(factory.ends, c.startResult == 0 ? 1 : 0);
        // The flag outlives the probe.
        EXPECT_EQ(CMultiMediaStreamProbe::IsAvailable(), c.creates);
    }
}

TEST(MultiMediaStreamProbe, TheSystemStreamObjectCanBeCreated) {
    {
        CMultiMediaStreamProbe probe;
        EXPECT_TRUE(CMultiMediaStreamProbe::IsAvailable());
        EXPECT_NE(probe.GetStream(), nullptr);
    }
    EXPECT_TRUE(CMultiMediaStreamProbe::IsAvailable());
}

}  // namespace
