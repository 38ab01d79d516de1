#include "platform/clipboard.h"

#include <cwchar>

#include "platform/global_memory.h"

namespace tarvelo::platform {

namespace {

constexpr int kOpenAttempts = 12;
constexpr DWORD kOpenRetryPauseMs = 25;

// Holds the clipboard open for one scope.
class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) {
        for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
            if (::OpenClipboard(owner)) {
                open_ = true;
                return;
            }
            ::Sleep(kOpenRetryPauseMs);
        }
    }
    ~OpenClipboardScope() {
        if (open_) ::CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;

    bool isOpen() const { return open_; }

private:
    bool open_ = false;
};

}  // namespace

bool setClipboardText(HWND owner, std::wstring_view text) {
    text = text.substr(0, text.find(L'\0'));
    // The text and its terminating 0, prepared before the clipboard is opened
    // so that it is held as briefly as possible.
    UniqueGlobal block(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (text.size() + 1) * sizeof(wchar_t)));
    if (!block) return false;
    {
        GlobalLockView view(block.get());
        if (!view.data()) return false;
        if (!text.empty()) std::wmemcpy(reinterpret_cast<wchar_t*>(view.data()), text.data(), text.size());
    }

    OpenClipboardScope clipboard(owner);
    if (!clipboard.isOpen()) return false;
    if (!::EmptyClipboard()) return false;
    if (!::SetClipboardData(CF_UNICODETEXT, block.get())) return false;
    block.release();  // the clipboard owns it now
    return true;
}

std::optional<std::wstring> readClipboardText(HWND owner) {
    if (!::IsClipboardFormatAvailable(CF_UNICODETEXT)) return std::nullopt;
    OpenClipboardScope clipboard(owner);
    if (!clipboard.isOpen()) return std::nullopt;
    HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    if (!data) return std::nullopt;
    GlobalLockView view(static_cast<HGLOBAL>(data));
    if (!view.data()) return std::nullopt;
    // The block size bounds the read: a text without its 0 must not run past it.
    const auto* chars = reinterpret_cast<const wchar_t*>(view.data());
    const size_t capacity = view.size() / sizeof(wchar_t);
    size_t length = 0;
    while (length < capacity && chars[length] != L'\0') ++length;
    return std::wstring(chars, length);
}

}  // namespace tarvelo::platform
