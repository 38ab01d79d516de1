#pragma once
// Facts about the process and the machine, read through Win32.
#include <windows.h>

#include <string>

namespace tarvelo::platform {

std::wstring modulePath(HMODULE module = nullptr);  // any length
std::wstring computerName();                        // empty when unavailable
std::wstring userName();                            // empty when unavailable
std::wstring windowsFolder();
std::wstring systemFolder();
std::wstring tempFolder();
std::wstring currentDirectory();
bool setCurrentDirectory(const std::wstring& path);
// Member of the built-in Administrators group with the group enabled.
bool isAdministrator();
// The system's vertical scroll bar width for a DPI.
int verticalScrollBarWidth(int dpi);
// The DPI of a window (96 when the platform cannot tell).
int windowDpi(HWND window);

}  // namespace tarvelo::platform
