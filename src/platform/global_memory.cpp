#include "platform/global_memory.h"

#include <cstring>

namespace tarvelo::platform {

UniqueGlobal copyToGlobal(const void* data, size_t size, UINT flags) {
    // A zero-size request would give a discarded handle on some systems.
    UniqueGlobal block(::GlobalAlloc(flags | GMEM_ZEROINIT, size == 0 ? 1 : size));
    if (!block) return block;
    if (size > 0) {
        GlobalLockView view(block.get());
        if (!view.data()) return UniqueGlobal();
        std::memcpy(view.data(), data, size);
    }
    return block;
}

GlobalLockView::GlobalLockView(HGLOBAL block) noexcept : block_(block) {
    if (!block_) return;
    data_ = static_cast<std::uint8_t*>(::GlobalLock(block_));
    size_ = data_ ? ::GlobalSize(block_) : 0;
}

GlobalLockView::~GlobalLockView() {
    if (data_) ::GlobalUnlock(block_);
}

}  // namespace tarvelo::platform
