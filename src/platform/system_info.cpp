#include "platform/system_info.h"

#include <vector>

namespace tarvelo::platform {

namespace {

// Calls fill(buffer, capacity) -> length written (or needed size when larger)
// until the text fits.
template <typename Fill>
std::wstring growingRead(Fill fill, DWORD initial = 512) {
    std::vector<wchar_t> buffer(initial);
    for (int attempt = 0; attempt < 8; ++attempt) {
        DWORD n = fill(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) return std::wstring(buffer.data(), n);
        buffer.resize(static_cast<size_t>(n) > buffer.size() * 2 ? n + 1 : buffer.size() * 2);
    }
    return {};
}

}  // namespace

std::wstring modulePath(HMODULE module) {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) return std::wstring(buffer.data(), n);
        if (buffer.size() >= 32768) return {};
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring computerName() {
    wchar_t buffer[1024];
    DWORD size = 1024;
    if (!GetComputerNameW(buffer, &size)) return {};
    return std::wstring(buffer, size);
}

std::wstring userName() {
    wchar_t buffer[1024];
    DWORD size = 1024;
    if (!GetUserNameW(buffer, &size) || size == 0) return {};
    return std::wstring(buffer, size - 1);  // size counts the terminator
}

std::wstring windowsFolder() {
    return growingRead([](wchar_t* b, DWORD n) { return GetWindowsDirectoryW(b, n); });
}

std::wstring systemFolder() {
    return growingRead([](wchar_t* b, DWORD n) { return GetSystemDirectoryW(b, n); });
}

std::wstring tempFolder() {
    return growingRead([](wchar_t* b, DWORD n) { return GetTempPathW(n, b); });
}

std::wstring currentDirectory() {
    return growingRead([](wchar_t* b, DWORD n) { return GetCurrentDirectoryW(n, b); });
}

bool setCurrentDirectory(const std::wstring& path) {
    return SetCurrentDirectoryW(path.c_str()) != FALSE;
}

bool isAdministrator() {
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID group = nullptr;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS,
                                  0, 0, 0, 0, 0, 0, &group)) {
        return false;
    }
    BOOL member = FALSE;
    if (!CheckTokenMembership(nullptr, group, &member)) member = FALSE;
    FreeSid(group);
    return member != FALSE;
}

int verticalScrollBarWidth(int dpi) {
    using GetMetricsForDpi = int(WINAPI*)(int, UINT);
    static auto forDpi = reinterpret_cast<GetMetricsForDpi>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi")));
    if (forDpi) return forDpi(SM_CXVSCROLL, static_cast<UINT>(dpi));
    return MulDiv(GetSystemMetrics(SM_CXVSCROLL), dpi, 96);
}

int windowDpi(HWND window) {
    using GetDpi = UINT(WINAPI*)(HWND);
    static auto getDpi = reinterpret_cast<GetDpi>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpi && window) {
        UINT dpi = getDpi(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    HDC dc = GetDC(nullptr);
    int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : 96;
}

}  // namespace tarvelo::platform
