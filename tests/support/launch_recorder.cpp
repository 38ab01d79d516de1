// A stand-in for a program the file manager starts: it writes its command
// line and its working folder (UTF-16LE, one per line) to "<its path>.txt"
// and ends.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t self[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, self, static_cast<DWORD>(std::size(self)));
    if (n == 0 || n >= std::size(self)) return 1;
    wchar_t folder[MAX_PATH * 4];
    const DWORD f = GetCurrentDirectoryW(static_cast<DWORD>(std::size(folder)), folder);
    std::wstring text = GetCommandLineW();
    text += L"\n";
    text.append(folder, f < std::size(folder) ? f : 0);
    text += L"\n";
    // Written under another name first, so that a reader never sees half.
    const std::wstring target = std::wstring(self, n) + L".txt";
    const std::wstring partial = target + L".part";
    HANDLE h = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return 2;
    DWORD written = 0;
    const unsigned char bom[2] = {0xFF, 0xFE};
    WriteFile(h, bom, 2, &written, nullptr);
    WriteFile(h, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(h);
    return MoveFileExW(partial.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 3;
}
