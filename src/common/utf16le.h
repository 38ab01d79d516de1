#pragma once
// The one UTF-16 little-endian codec: files store UTF-16LE code units, while
// wchar_t is 16 bits on Windows and 32 bits elsewhere. Everything that turns
// file bytes into text (or back) goes through here.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelo::common {

// Code units of UTF-16LE bytes, in order. A trailing odd byte (a truncated
// unit) is dropped.
std::u16string decodeUtf16le(std::span<const std::uint8_t> bytes);

// Appends the units as UTF-16LE bytes.
void appendUtf16le(std::vector<std::uint8_t>& out, std::u16string_view units);

// Program text <-> UTF-16 code units. With a 32-bit wchar_t, characters above
// U+FFFF become surrogate pairs and valid pairs are joined again; a lone
// surrogate passes through unchanged either way, so nothing is lost.
std::u16string toUtf16(std::wstring_view text);
std::wstring fromUtf16(std::u16string_view units);

}  // namespace tarvelo::common
