#pragma once
// A vector-backed listing in display order for the input rules' tests.
#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "filelist/entry_sequence.h"

namespace tarvelo::test {

class FakeEntrySequence : public filelist::EntrySequence {
public:
    // Entries point into `paths`: a move keeps them valid, a copy would not.
    FakeEntrySequence() = default;
    FakeEntrySequence(const FakeEntrySequence&) = delete;
    FakeEntrySequence& operator=(const FakeEntrySequence&) = delete;
    FakeEntrySequence(FakeEntrySequence&&) = default;
    FakeEntrySequence& operator=(FakeEntrySequence&&) = default;

    std::vector<filelist::FileEntry> entries;
    std::deque<std::wstring> paths;  // the entries' texts; a deque never moves them

    int count() const override { return static_cast<int>(entries.size()); }
    // at(): a rule that reads outside the list fails the test loudly.
    filelist::FileEntry& entryAt(int displayIndex) override {
        return entries.at(static_cast<size_t>(displayIndex));
    }

    FakeEntrySequence& add(std::wstring_view path, int kind = filelist::kKindFile,
                           uint64_t size = 1) {
        filelist::FileEntry e{};
        e.setPath(paths.emplace_back(path));
        e.kind = kind;
        e.size = size;
        e.loadIndex = count();
        entries.push_back(e);
        return *this;
    }

    // "C:\d\.." then files "C:\d\f00" ... (count - 1 files).
    static FakeEntrySequence withParent(int files) {
        FakeEntrySequence s;
        s.add(L"C:\\d\\..", filelist::kKindParent, 0);
        s.addFiles(files);
        return s;
    }
    static FakeEntrySequence filesOnly(int files) {
        FakeEntrySequence s;
        s.addFiles(files);
        return s;
    }

    FakeEntrySequence& addFiles(int files) {
        for (int i = 0; i < files; ++i) {
            std::wstring name = L"C:\\d\\f";
            if (i < 10) name += L'0';
            name += std::to_wstring(i);
            add(name);
        }
        return *this;
    }

    // One character per entry: 'x' selected, '.' not.
    std::string selection() const {
        std::string s;
        for (const auto& e : entries) s += e.selected ? 'x' : '.';
        return s;
    }
    void select(std::string_view pattern) {
        for (size_t i = 0; i < pattern.size() && i < entries.size(); ++i)
            entries[i].selected = pattern[i] == 'x' ? 1 : 0;
    }
    std::string bandMarks() const {
        std::string s;
        for (const auto& e : entries) s += e.inBand ? 'b' : '.';
        return s;
    }
};

}  // namespace tarvelo::test
