#include "platform/shell_icon_warm_up.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

namespace tarvelo::platform {

ShellIconWarmUp::~ShellIconWarmUp() { thread_.join(); }

void ShellIconWarmUp::start() {
    thread_.start(state_, [] {
        const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        // Attribute-only lookups: no file is touched, only the shell's
        // lists are loaded. Files and folders take different paths.
        SHFILEINFOW info{};
        if (::SHGetFileInfoW(L"warm-up.txt", FILE_ATTRIBUTE_NORMAL, &info, sizeof(info),
                             SHGFI_USEFILEATTRIBUTES | SHGFI_ICON | SHGFI_SMALLICON) && info.hIcon) {
            ::DestroyIcon(info.hIcon);
        }
        info = {};
        if (::SHGetFileInfoW(L"warm-up", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof(info),
                             SHGFI_USEFILEATTRIBUTES | SHGFI_ICON | SHGFI_SMALLICON) && info.hIcon) {
            ::DestroyIcon(info.hIcon);
        }
        if (SUCCEEDED(com)) ::CoUninitialize();
    });
}

}  // namespace tarvelo::platform
