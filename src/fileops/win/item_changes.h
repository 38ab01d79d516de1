#pragma once
// The disk side of the renames, timestamps and attributes: a rename that
// never replaces, the three times written in one call, the attribute value
// set in one call. Each tries the path as given and then its long-path
// form; a failed call leaves the item as it was.
#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "fileops/rename_planner.h"
#include "fileops/timestamp_rules.h"

namespace tarvelo::fileops::win {

// The batch renames' view of the disk: letter case ignored as the file
// system does, moves never onto an existing item.
class Win32RenameDisk final : public RenameDisk {
public:
    bool exists(const std::wstring& path) override;
    bool move(const std::wstring& from, const std::wstring& to) override;
    std::wstring key(const std::wstring& path) const override;
};

// INVALID_FILE_ATTRIBUTES when the item cannot be read.
DWORD itemAttributes(const std::wstring& path);
bool isFolder(const std::wstring& path);

// The item's three times in local time; empty when it cannot be read.
std::optional<ItemTimes> readItemTimes(const std::wstring& path);

// Writes creation, last-access and last-write time in one call (local
// times, converted with the current bias, milliseconds 0). Files and
// folders; false when the item is missing, a stamp is not a real date, or
// the platform refuses (then nothing was changed). A kind left out of
// which (created, modified, accessed) is not touched at all, so it keeps
// even the fractions of a second a stamp cannot hold.
bool writeItemTimes(const std::wstring& path, const ItemTimes& times,
                    const std::array<bool, 3>& which = {true, true, true});

// SetFileAttributesW with exactly value.
bool setItemAttributes(const std::wstring& path, DWORD value);

}  // namespace tarvelo::fileops::win
