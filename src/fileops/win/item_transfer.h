#pragma once
// What the worker does with one item. The shell's copy and move serve the
// ordinary case (short paths, a new target: nothing can be lost there);
// the own primitives take every case where the shell could damage a file:
// an existing target (replaced only by a complete copy), paths too long for
// the shell, and moves across volumes (copy, verify, then remove). Every
// result is checked on disk before it counts as done.
#include <windows.h>

#include <string>

namespace tarvelo::fileops::win {

bool copyOneItem(HWND owner, const std::wstring& source, const std::wstring& target);
bool moveOneItem(HWND owner, const std::wstring& source, const std::wstring& target);
// A folder with everything below it; true only when it is gone.
bool deleteOneFolder(HWND owner, const std::wstring& folder, bool toRecycleBin);

// Items bigger than this (or folders) get the shell's progress window.
inline constexpr unsigned long long kProgressWindowBytes = 104857600ULL;

}  // namespace tarvelo::fileops::win
