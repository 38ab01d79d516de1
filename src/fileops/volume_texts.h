#pragma once
// The lines of the volume-label dialog's drive list.
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvelo::fileops {

// "%d Byte" under 10,000 (negative too); MB up to 2^30 bytes; GB up to
// 1024 GB; TB above. Two decimals.
std::wstring capacityText(int64_t bytes);

// "C:\" -> "C:".
std::wstring driveName(std::wstring_view root);

// "[C:]  label  (NTFS / 465.66 GB)".
std::wstring driveLine(std::wstring_view root, std::wstring_view label, std::wstring_view fileSystem,
                       int64_t capacity);

}  // namespace tarvelo::fileops
