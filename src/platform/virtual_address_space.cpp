#include "platform/virtual_address_space.h"

#include <windows.h>

namespace tarvelo::platform {
namespace {

class VirtualAddressSpace final : public common::AddressSpace {
public:
    void* reserve(size_t bytes) override { return ::VirtualAlloc(nullptr, bytes, MEM_RESERVE, PAGE_NOACCESS); }
    bool commit(void* address, size_t bytes) override {
        return ::VirtualAlloc(address, bytes, MEM_COMMIT, PAGE_READWRITE) != nullptr;
    }
    void decommit(void* address, size_t bytes) override { ::VirtualFree(address, bytes, MEM_DECOMMIT); }
    void release(void* base, size_t) override { ::VirtualFree(base, 0, MEM_RELEASE); }
    size_t granularity() const override {
        static const size_t page = [] {
            SYSTEM_INFO info{};
            ::GetSystemInfo(&info);
            return static_cast<size_t>(info.dwPageSize);
        }();
        return page;
    }
};

}  // namespace

common::AddressSpace& virtualAddressSpace() {
    static VirtualAddressSpace space;
    return space;
}

}  // namespace tarvelo::platform
