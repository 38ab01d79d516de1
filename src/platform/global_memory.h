#pragma once
// Global memory blocks as the clipboard and OLE data transfer want them, with
// one owner until the system takes a block over.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "platform/unique_handle.h"

namespace tarvelo::platform {

struct GlobalMemoryTraits {
    static HGLOBAL invalid() noexcept { return nullptr; }
    static bool valid(HGLOBAL h) noexcept { return h != nullptr; }
    static void close(HGLOBAL h) noexcept { ::GlobalFree(h); }
};
using UniqueGlobal = UniqueHandle<HGLOBAL, GlobalMemoryTraits>;

// A new zero-initialised block of size bytes holding a copy of data (size may
// be 0: the block then holds nothing). Empty on allocation failure.
UniqueGlobal copyToGlobal(const void* data, size_t size, UINT flags);

// Locks a block for the lifetime of the view; data() is null when it cannot be
// locked. size() is what the block reports, which may exceed what was asked.
class GlobalLockView {
public:
    explicit GlobalLockView(HGLOBAL block) noexcept;
    ~GlobalLockView();
    GlobalLockView(const GlobalLockView&) = delete;
    GlobalLockView& operator=(const GlobalLockView&) = delete;

    const std::uint8_t* data() const noexcept { return data_; }
    std::uint8_t* data() noexcept { return data_; }
    size_t size() const noexcept { return size_; }

private:
    HGLOBAL block_ = nullptr;
    std::uint8_t* data_ = nullptr;
    size_t size_ = 0;
};

}  // namespace tarvelo::platform
