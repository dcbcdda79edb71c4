// Whether DirectShow multimedia streaming can be used: the probe creates the
// AMMultiMediaStream object and records the outcome in one program-wide flag,
// which the movie factory and the start-up diagnosis read.
#pragma once

#include <windows.h>
#include <amstream.h>

// How the probe reaches COM; tests put failures in.
class CMultiMediaStreamFactory {
public:
    virtual ~CMultiMediaStreamFactory() = default;
    // ComInit's answer: 0 started.
    virtual int StartCom() = 0;
    virtual void EndCom() = 0;
    virtual HRESULT CreateStream(IAMMultiMediaStream** stream) = 0;
};

// The counted COM start and CoCreateInstance as they are.
CMultiMediaStreamFactory& SystemMultiMediaStreamFactory();

class CMultiMediaStreamProbe {
public:
    // Starts COM and creates the stream object; the flag tells the outcome.
    explicit CMultiMediaStreamProbe(
        CMultiMediaStreamFactory& factory = SystemMultiMediaStreamFactory());
    // Releases the stream object, then ends the COM start it made.
    ~CMultiMediaStreamProbe();
    CMultiMediaStreamProbe(const CMultiMediaStreamProbe&) = delete;
    CMultiMediaStreamProbe& operator=(const CMultiMediaStreamProbe&) = delete;

    // Whether the last probe could create the stream object; false until a
    // probe is made.
    static bool IsAvailable();
    IAMMultiMediaStream* GetStream() const { return stream_; }

private:
    CMultiMediaStreamFactory& factory_;
    IAMMultiMediaStream* stream_;
    // Only a COM start that succeeded is ended again.
    bool comStarted_;
};
