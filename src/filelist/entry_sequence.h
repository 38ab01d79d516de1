#pragma once
// The entries of the listing in display order, as the input rules see them.
// The folder listing implements it; tests use a vector-backed fake.
#include "filelist/file_entry.h"

namespace tarvelo::filelist {

class EntrySequence {
public:
    virtual ~EntrySequence() = default;
    virtual int count() const = 0;                  // entries in display order
    virtual FileEntry& entryAt(int displayIndex) = 0;  // 0 <= displayIndex < count()
};

}  // namespace tarvelo::filelist
