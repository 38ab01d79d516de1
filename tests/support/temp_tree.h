#pragma once
// A fresh folder under the temp folder for Win32 tests, removed with
// everything made in it (through long-path forms, so deep trees go too).
#include <windows.h>

#include <string>
#include <vector>

#include "filelist/describe_file.h"

namespace tarvelo::test {

class TempTree {
public:
    explicit TempTree(const std::wstring& tag) {
        wchar_t tmp[MAX_PATH];
        const DWORD n = ::GetTempPathW(MAX_PATH, tmp);
        root_ = std::wstring(tmp, n) + L"tarvelo_listing_" + tag + L"_" + std::to_wstring(::GetCurrentProcessId());
        ::CreateDirectoryW(root_.c_str(), nullptr);
    }
    ~TempTree() {
        wchar_t tmp[MAX_PATH];
        const DWORD n = ::GetTempPathW(MAX_PATH, tmp);
        ::SetCurrentDirectoryW(std::wstring(tmp, n).c_str());  // a current folder cannot be removed
        for (auto it = files_.rbegin(); it != files_.rend(); ++it) {
            ::SetFileAttributesW(longForm(*it).c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileW(longForm(*it).c_str());
        }
        for (auto it = folders_.rbegin(); it != folders_.rend(); ++it) ::RemoveDirectoryW(longForm(*it).c_str());
        ::RemoveDirectoryW(root_.c_str());
    }
    const std::wstring& root() const { return root_; }
    std::wstring path(const std::wstring& relative) const { return root_ + L"\\" + relative; }

    bool folder(const std::wstring& relative) {
        folders_.push_back(path(relative));
        return ::CreateDirectoryW(longForm(path(relative)).c_str(), nullptr) != 0;
    }
    bool file(const std::wstring& relative, DWORD size = 0, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        files_.push_back(path(relative));
        HANDLE h = ::CreateFileW(longForm(path(relative)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;
        std::vector<char> bytes(size, 'x');
        DWORD written = 0;
        const bool ok = size == 0 || ::WriteFile(h, bytes.data(), size, &written, nullptr);
        ::CloseHandle(h);
        return ok && ::SetFileAttributesW(longForm(path(relative)).c_str(), attributes);
    }

private:
    static std::wstring longForm(const std::wstring& p) { return filelist::withLongPathPrefix(p); }
    std::wstring root_;
    std::vector<std::wstring> folders_;
    std::vector<std::wstring> files_;
};

}  // namespace tarvelo::test
