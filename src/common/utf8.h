#pragma once
// Strict UTF-8 decoding into UTF-16 code units, for text files that may have
// been saved by an ordinary editor instead of by the program itself.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tarvelo::common {

// The UTF-16 code units of well-formed UTF-8 (no overlong forms, no encoded
// surrogates, nothing above U+10FFFF, no cut-off sequence); nothing otherwise.
std::optional<std::u16string> decodeUtf8(std::span<const std::uint8_t> bytes);

}  // namespace tarvelo::common
