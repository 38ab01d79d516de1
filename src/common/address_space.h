#pragma once
// Address space reserved once and backed by memory only where it is used:
// big fixed tables (the listing's 100,001 records) cost nothing until filled
// and give their pages back when a later use needs fewer.
#include <cstddef>

namespace tarvelo::common {

// The operating system's side. platform/ implements it with VirtualAlloc;
// portableAddressSpace() serves the portable build and its tests.
class AddressSpace {
public:
    virtual ~AddressSpace() = default;
    // Reserves `bytes` (a multiple of granularity()); nullptr when refused.
    virtual void* reserve(size_t bytes) = 0;
    // Makes [address, address + bytes) usable; both are granularity-aligned.
    virtual bool commit(void* address, size_t bytes) = 0;
    // Gives the memory of the range back; its content is lost.
    virtual void decommit(void* address, size_t bytes) = 0;
    virtual void release(void* base, size_t bytes) = 0;
    virtual size_t granularity() const = 0;
};

// mmap on POSIX systems; elsewhere a heap block whose untouched pages stay
// unbacked (commit and decommit do nothing).
AddressSpace& portableAddressSpace();

// One reserved range, committed from its start as far as it is used.
class ReservedBlock {
public:
    ReservedBlock() = default;
    ReservedBlock(AddressSpace& space, size_t bytes);
    ~ReservedBlock();
    ReservedBlock(const ReservedBlock&) = delete;
    ReservedBlock& operator=(const ReservedBlock&) = delete;
    ReservedBlock(ReservedBlock&& other) noexcept;
    ReservedBlock& operator=(ReservedBlock&& other) noexcept;

    bool valid() const { return base_ != nullptr; }
    std::byte* data() const { return base_; }
    size_t reserved() const { return reserved_; }
    size_t committed() const { return committed_; }

    // Makes the first `bytes` usable (growing in steps); false when the
    // range is too small or the system refuses.
    bool ensure(size_t bytes) {
        return bytes <= committed_ || grow(bytes);
    }
    // Gives back the memory beyond the first `bytes` (plus some slack, at
    // most one step and never more than `bytes`).
    void trim(size_t bytes);

private:
    bool grow(size_t bytes);
    void reset();

    AddressSpace* space_ = nullptr;
    std::byte* base_ = nullptr;
    size_t reserved_ = 0;
    size_t committed_ = 0;
};

}  // namespace tarvelo::common
