#include "common/address_space.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/mman.h>
#include <unistd.h>
#define TARVELO_HAVE_MMAP 1
#endif

namespace tarvelo::common {
namespace {

// Commits grow by this much at least, so a load of 100,000 records costs a
// few hundred system calls, not one per record.
constexpr size_t kCommitStep = size_t{1} << 20;

size_t roundUp(size_t value, size_t unit) { return (value + unit - 1) / unit * unit; }

#ifdef TARVELO_HAVE_MMAP
class MmapAddressSpace final : public AddressSpace {
public:
    void* reserve(size_t bytes) override {
        void* p = ::mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        return p == MAP_FAILED ? nullptr : p;
    }
    bool commit(void* address, size_t bytes) override {
        return ::mprotect(address, bytes, PROT_READ | PROT_WRITE) == 0;
    }
    void decommit(void* address, size_t bytes) override {
        ::madvise(address, bytes, MADV_DONTNEED);
        ::mprotect(address, bytes, PROT_NONE);
    }
    void release(void* base, size_t bytes) override { ::munmap(base, bytes); }
    size_t granularity() const override {
        static const size_t page = static_cast<size_t>(::sysconf(_SC_PAGESIZE));
        return page;
    }
};
#else
class HeapAddressSpace final : public AddressSpace {
public:
    void* reserve(size_t bytes) override { return std::calloc(1, bytes); }
    bool commit(void*, size_t) override { return true; }
    void decommit(void*, size_t) override {}
    void release(void* base, size_t) override { std::free(base); }
    size_t granularity() const override { return 4096; }
};
#endif

}  // namespace

AddressSpace& portableAddressSpace() {
#ifdef TARVELO_HAVE_MMAP
    static MmapAddressSpace space;
#else
    static HeapAddressSpace space;
#endif
    return space;
}

ReservedBlock::ReservedBlock(AddressSpace& space, size_t bytes) {
    const size_t size = roundUp(bytes == 0 ? 1 : bytes, space.granularity());
    void* base = space.reserve(size);
    if (base == nullptr) return;
    space_ = &space;
    base_ = static_cast<std::byte*>(base);
    reserved_ = size;
}

ReservedBlock::~ReservedBlock() { reset(); }

ReservedBlock::ReservedBlock(ReservedBlock&& other) noexcept
    : space_(std::exchange(other.space_, nullptr)),
      base_(std::exchange(other.base_, nullptr)),
      reserved_(std::exchange(other.reserved_, 0)),
      committed_(std::exchange(other.committed_, 0)) {}

ReservedBlock& ReservedBlock::operator=(ReservedBlock&& other) noexcept {
    if (this != &other) {
        reset();
        space_ = std::exchange(other.space_, nullptr);
        base_ = std::exchange(other.base_, nullptr);
        reserved_ = std::exchange(other.reserved_, 0);
        committed_ = std::exchange(other.committed_, 0);
    }
    return *this;
}

void ReservedBlock::reset() {
    if (base_ != nullptr) space_->release(base_, reserved_);
    space_ = nullptr;
    base_ = nullptr;
    reserved_ = 0;
    committed_ = 0;
}

bool ReservedBlock::grow(size_t bytes) {
    if (base_ == nullptr || bytes > reserved_) return false;
    size_t target = roundUp(bytes, space_->granularity());
    const size_t stepped = roundUp(committed_ + kCommitStep, space_->granularity());
    if (target < stepped) target = stepped;
    if (target > reserved_) target = reserved_;
    if (!space_->commit(base_ + committed_, target - committed_)) return false;
    committed_ = target;
    return true;
}

void ReservedBlock::trim(size_t bytes) {
    if (base_ == nullptr) return;
    // The slack saves a reload of the same folder some commits; a small
    // folder after a big one keeps no more than its own size of it.
    const size_t keep = roundUp(bytes + std::min(bytes, kCommitStep), space_->granularity());
    if (keep >= committed_) return;
    space_->decommit(base_ + keep, committed_ - keep);
    committed_ = keep;
}

}  // namespace tarvelo::common
