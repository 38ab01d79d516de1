#pragma once
// What the listing needs from the file system: enter a folder, report its
// items with the data the search already has, and read one item's data when
// the search could not give it. platform/ implements it with Win32; tests
// use an in-memory fake.
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "filelist/describe_file.h"

namespace tarvelo::filelist {

// A running thread's state byte: 2 asks the work to stop early.
struct StopToken {
    const std::atomic<uint8_t>* state = nullptr;
    bool requested() const { return state != nullptr && state->load(std::memory_order_relaxed) == 2; }
};

struct FoundItem {
    std::wstring_view name;   // as the search reports it, without a folder
    uint32_t attributes = 0;  // always known (the folder bit decides the kind)
    bool detailsKnown = false;
    FileAttributeData details;  // size, attributes, local times when detailsKnown
};

class ItemSink {
public:
    virtual ~ItemSink() = default;
    // One item of the search; false ends the search.
    virtual bool take(const FoundItem& item) = 0;
};

class FolderReader {
public:
    virtual ~FolderReader() = default;
    // Makes the folder the process's current directory; false when it
    // cannot be entered (deleted, no access, no medium).
    virtual bool enterFolder(std::wstring_view folder) = 0;
    // Reports every item of the folder, dot entries included, in the file
    // system's order, until the sink says stop.
    virtual void listItems(std::wstring_view folder, ItemSink& sink) = 0;
    // The data of one item by its full path, retrying with the long-path
    // form; nothing when both attempts fail.
    virtual std::optional<FileAttributeData> readDetails(std::wstring_view fullPath) = 0;
    // A second reader of the same file system for another thread, so that a
    // subfolder-mode descent reads two folders at once; nothing where reads
    // cannot run side by side.
    virtual std::unique_ptr<FolderReader> companion() const { return nullptr; }
};

}  // namespace tarvelo::filelist
