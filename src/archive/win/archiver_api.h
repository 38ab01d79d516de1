#pragma once
// The call contract of the two outside archiver libraries: the exported
// names and their signatures (standard calling convention, 8-bit strings).
// Shared by the bridge and by the test stand-ins that honour it.
#include <windows.h>

namespace tarvelo::archive::win {

using ArchiveHandle = HANDLE;

using GetVersionFn = WORD(WINAPI*)();
using CommandFn = int(WINAPI*)(HWND owner, LPCSTR commandLine, LPSTR output, DWORD outputSize);
using OpenArchiveFn = ArchiveHandle(WINAPI*)(HWND owner, LPCSTR archive, DWORD mode);
using CloseArchiveFn = int(WINAPI*)(ArchiveHandle archive);
using FindFirstFn = int(WINAPI*)(ArchiveHandle archive, LPCSTR wildcard, void* info);
using FindNextFn = int(WINAPI*)(ArchiveHandle archive, void* info);
using GetFileNameFn = int(WINAPI*)(ArchiveHandle archive, LPSTR buffer, int size);
using ConfigDialogFn = BOOL(WINAPI*)(HWND owner, LPSTR buffer, int mode);

inline constexpr DWORD kSevenZipOpenMode = 0x00400200;
inline constexpr DWORD kUnrarOpenMode = 0x00002200;
inline constexpr DWORD kCommandOutputBytes = 2599;
inline constexpr int kNameBufferBytes = 2600;
inline constexpr int kFindEnd = -1;

}  // namespace tarvelo::archive::win
