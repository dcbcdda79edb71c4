// A DirectSound object whose answers a test sets: Initialize and the
// cooperative level fail on demand, and CreateSoundBuffer answers
// DSERR_CONTROLUNAVAIL for the first flag sets (or another error) before it
// hands the request to a real device. Every flag set asked for is recorded.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include <vector>

class CFakeDirectSound : public IDirectSound {
public:
    HRESULT initializeResult = DS_OK;
    HRESULT cooperativeResult = DS_OK;
    int unavailableSets = 0;             // sets refused as unavailable controls
    HRESULT otherError = DS_OK;          // answered after them, when set
    IDirectSound* real = nullptr;        // makes the buffer at last, when set
    std::vector<DWORD> flagsTried;
    LONG references = 1;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE CreateSoundBuffer(LPCDSBUFFERDESC desc, LPDIRECTSOUNDBUFFER* buffer,
                                                LPUNKNOWN outer) override {
        flagsTried.push_back(desc->dwFlags);
        *buffer = nullptr;
        if (static_cast<int>(flagsTried.size()) <= unavailableSets) return DSERR_CONTROLUNAVAIL;
        if (otherError != DS_OK) return otherError;
        return real ? real->CreateSoundBuffer(desc, buffer, outer) : DSERR_GENERIC;
    }
    HRESULT STDMETHODCALLTYPE GetCaps(LPDSCAPS) override { return DSERR_GENERIC; }
    HRESULT STDMETHODCALLTYPE DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER, LPDIRECTSOUNDBUFFER*) override {
        return DSERR_GENERIC;
    }
    HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND, DWORD) override { return cooperativeResult; }
    HRESULT STDMETHODCALLTYPE Compact() override { return DS_OK; }
    HRESULT STDMETHODCALLTYPE GetSpeakerConfig(LPDWORD) override { return DSERR_GENERIC; }
    HRESULT STDMETHODCALLTYPE SetSpeakerConfig(DWORD) override { return DSERR_GENERIC; }
    HRESULT STDMETHODCALLTYPE Initialize(LPCGUID) override { return initializeResult; }
};
