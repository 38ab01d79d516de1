#include "archive/win/ansi_text.h"

namespace tarvelo::archive::win {

std::optional<std::string> toAnsi(std::wstring_view text, UINT codePage, size_t capacity) {
    if (text.empty()) return std::string();
    const int inLength = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), inLength, nullptr, 0, nullptr,
                                      &usedDefault);
    if (n <= 0 || usedDefault || static_cast<size_t>(n) >= capacity) return std::nullopt;
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), inLength, out.data(), n, nullptr, &usedDefault);
    if (usedDefault || out.find('\0') != std::string::npos) return std::nullopt;
    // WC_NO_BEST_FIT_CHARS alone still lets some code pages map a character
    // to a different one without using the default: the round trip catches it.
    const int back = MultiByteToWideChar(codePage, 0, out.data(), n, nullptr, 0);
    std::wstring check(static_cast<size_t>(back > 0 ? back : 0), L'\0');
    if (back > 0) MultiByteToWideChar(codePage, 0, out.data(), n, check.data(), back);
    if (check != text) return std::nullopt;
    return out;
}

std::wstring fromAnsi(std::string_view text, UINT codePage, size_t maxChars) {
    if (text.empty()) return {};
    const int inLength = static_cast<int>(text.size());
    const int n = MultiByteToWideChar(codePage, 0, text.data(), inLength, nullptr, 0);
    if (n <= 0) return {};
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), inLength, out.data(), n);
    if (out.size() > maxChars) out.resize(maxChars);
    return out;
}

}  // namespace tarvelo::archive::win
