#pragma once
// The list's own OLE objects: a heap object offering one interface.
#include <windows.h>
#include <ole2.h>

#include <atomic>

#include "platform/com_ref.h"

namespace tarvelo::filelist::win {

// IUnknown for an object that offers one interface and lives on the heap
// until its last reference goes.
template <class Interface, const IID& kInterfaceId>
class RefCounted : public Interface {
public:
    virtual ~RefCounted() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, kInterfaceId)) {
            *out = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }

private:
    std::atomic<ULONG> refs_{1};
};

using platform::ComRef;

}  // namespace tarvelo::filelist::win
