#pragma once
// Unicode text on the system clipboard.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace tarvelo::platform {

// Replaces the clipboard content with text as Unicode text; owner becomes the
// clipboard owner (may be null). Another program often holds the clipboard
// open for a moment, so opening is retried for a short while. Text after an
// embedded 0 would be invisible to every reader and is dropped. False when
// the clipboard could not be opened or the text not stored; the old content
// is then left as it was whenever the clipboard could not be opened.
bool setClipboardText(HWND owner, std::wstring_view text);

// The clipboard's Unicode text (any length, up to its first 0), or nothing
// when the clipboard holds no text or cannot be opened.
std::optional<std::wstring> readClipboardText(HWND owner);

}  // namespace tarvelo::platform
