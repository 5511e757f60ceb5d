#pragma once
// COM for the code that reaches system components through it: the interface released at the end
// of its scope, and the thread's COM started for a scope when nobody started it before.

// clang-format off
#include <windows.h>
#include <objbase.h>
// clang-format on

namespace torva::win32 {

template <typename T>
struct ComRef {
    T* p = nullptr;
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() {
        if (p) p->Release();
    }
    T** put() { return &p; }
    T* operator->() const { return p; }
    explicit operator bool() const { return p != nullptr; }
};

// Each start is counted, so a scope whose start succeeded (also S_FALSE: already started) ends it.
struct ComScope {
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ComScope() = default;
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope() {
        if (SUCCEEDED(hr)) CoUninitialize();
    }
};

}  // namespace torva::win32
