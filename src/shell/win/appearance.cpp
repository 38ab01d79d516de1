#include "shell/win/appearance.h"

#include <algorithm>

#include "platform/unique_handle.h"
#include "shell/title_bar_colour.h"

namespace tarvelo::shell::win {
namespace {

constexpr DWORD kAttrImmersiveDarkMode = 20;
constexpr DWORD kAttrCaptionColour = 35;
constexpr int kAppModeForceDark = 2;
constexpr int kAppModeForceLight = 3;

using SetWindowAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
using SetPreferredAppModeFn = int(WINAPI*)(int);
using FlushMenuThemesFn = void(WINAPI*)();
using SetLayeredAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

template <typename Fn>
Fn lookUp(HMODULE module, const char* name) {
    if (!module) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The appearance entries, resolved once for the process.
struct AppearanceApi {
    platform::UniqueModule dwm{LoadLibraryExW(L"dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)};
    platform::UniqueModule theme{LoadLibraryExW(L"uxtheme.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)};
    SetWindowAttributeFn setWindowAttribute = lookUp<SetWindowAttributeFn>(dwm.get(), "DwmSetWindowAttribute");
    // Exported by ordinal only.
    SetPreferredAppModeFn setPreferredAppMode = lookUp<SetPreferredAppModeFn>(theme.get(), MAKEINTRESOURCEA(135));
    FlushMenuThemesFn flushMenuThemes = lookUp<FlushMenuThemesFn>(theme.get(), MAKEINTRESOURCEA(136));
    SetLayeredAttributesFn setLayeredAttributes =
        lookUp<SetLayeredAttributesFn>(GetModuleHandleW(L"user32.dll"), "SetLayeredWindowAttributes");
};

const AppearanceApi& api() {
    static const AppearanceApi instance;
    return instance;
}

void setDarkMode(HWND window, bool dark) {
    if (!api().setWindowAttribute || !window) return;
    const BOOL value = dark ? TRUE : FALSE;
    api().setWindowAttribute(window, kAttrImmersiveDarkMode, &value, sizeof(value));
}

void setCaptionColour(HWND window, Colour colour) {
    if (!api().setWindowAttribute || !window) return;
    const COLORREF value = colour.value;
    api().setWindowAttribute(window, kAttrCaptionColour, &value, sizeof(value));
}

void setMenuMode(int mode) {
    if (api().setPreferredAppMode) api().setPreferredAppMode(mode);
    if (api().flushMenuThemes) api().flushMenuThemes();
}

}  // namespace

Colour accentColour() {
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\DWM", L"AccentColor", RRF_RT_REG_DWORD,
                     nullptr, &value, &size) != ERROR_SUCCESS) {
        return kDefaultAccent;
    }
    return Colour{value & 0x00FFFFFFu};
}

void colourTitleBar(HWND window, bool isDark, bool isActive) {
    setDarkMode(window, isDark);
    setMenuMode(isDark ? kAppModeForceDark : kAppModeForceLight);
    setCaptionColour(window, titleBarColour(accentColour(), isDark, isActive));
}

void colourTitleBarForExit(HWND window) {
    setDarkMode(window, false);
    setCaptionColour(window, exitTitleBarColour(accentColour()));
}

bool setWindowAlpha(HWND window, int alpha, bool on) {
    if (!window) return false;
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
    if (!on) {
        SetWindowLongPtrW(window, GWL_EXSTYLE, style & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
        return true;
    }
    if (!api().setLayeredAttributes) return false;
    SetWindowLongPtrW(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
    const BYTE level = static_cast<BYTE>(std::clamp(alpha, 0, 255));
    return api().setLayeredAttributes(window, 0, level, LWA_ALPHA) != FALSE;
}

}  // namespace tarvelo::shell::win
