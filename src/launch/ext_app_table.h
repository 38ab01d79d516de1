#pragma once
// The program's own association table: 30 entries "extensions = program",
// kept as ExtApp_01 ... ExtApp_30 of the ExtAppData data file.
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "shell/section_file_store.h"

namespace tarvelo::launch {

inline constexpr int kExtAppRows = 30;
inline constexpr std::wstring_view kExtAppDataSection = L"ExtAppData";

// "ExtApp_01" ... "ExtApp_30" for row 0 ... 29.
std::wstring extAppKey(int row);

class ExtAppTable {
public:
    // Row 0..29; an empty text outside or for an empty row.
    std::wstring_view entry(int row) const;
    std::span<const std::wstring> entries() const { return entries_; }

    // Start-up: reads the 30 keys in one read; an entry without "=" (or
    // over-long, or with control characters or broken surrogates) is
    // cleared. When the data file does not exist the five default entries
    // are taken and all 30 keys are written (true then). A file that exists
    // but cannot be read leaves the table empty and is never written.
    bool loadOrSeed(shell::SectionFileStore& store);
    // Reads the 30 keys again (after the editor saved them).
    shell::DataFileState load(const shell::SectionFileStore& store);
    // All 30 keys in one rewrite; false when it failed or was refused.
    bool save(shell::SectionFileStore& store) const;

    void setEntry(int row, std::wstring text);

private:
    std::array<std::wstring, kExtAppRows> entries_{};
};

}  // namespace tarvelo::launch
