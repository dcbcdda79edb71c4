// Owns one reference to a COM interface and releases it when it goes.
#pragma once

template <typename T>
class CComPtr {
public:
    CComPtr() = default;
    explicit CComPtr(T* pointer) : pointer_(pointer) {}
    ~CComPtr() { Reset(); }
    CComPtr(const CComPtr&) = delete;
    CComPtr& operator=(const CComPtr&) = delete;

    T* Get() const { return pointer_; }
    T* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    // Releases the reference held and gives the slot to a creating call.
    T** Put() {
        Reset();
        return &pointer_;
    }
    // The slot as the void** that QueryInterface and CoCreateInstance take.
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

    void Reset() {
        if (pointer_) {
            pointer_->Release();
            pointer_ = nullptr;
        }
    }
    // Gives the reference to the caller.
    T* Detach() {
        T* pointer = pointer_;
        pointer_ = nullptr;
        return pointer;
    }

private:
    T* pointer_ = nullptr;
};
