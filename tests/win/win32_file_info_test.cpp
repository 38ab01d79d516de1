#include "platform/win32_file_info.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filelist/describe_file.h"

namespace tarvelo::platform {
namespace {

// A fresh folder under the temp folder, removed with everything made in it.
class TempTree {
public:
    TempTree() {
        wchar_t tmp[MAX_PATH];
        DWORD n = ::GetTempPathW(MAX_PATH, tmp);
        root_ = std::wstring(tmp, n) + L"tarvelo_fileinfo_" + std::to_wstring(::GetCurrentProcessId());
        ::CreateDirectoryW(root_.c_str(), nullptr);
    }
    ~TempTree() {
        for (auto it = files_.rbegin(); it != files_.rend(); ++it) ::DeleteFileW(long_(*it).c_str());
        for (auto it = folders_.rbegin(); it != folders_.rend(); ++it) ::RemoveDirectoryW(long_(*it).c_str());
        ::RemoveDirectoryW(root_.c_str());
    }
    const std::wstring& root() const { return root_; }

    bool folder(const std::wstring& path) {
        folders_.push_back(path);
        return ::CreateDirectoryW(long_(path).c_str(), nullptr) != 0;
    }
    // Writes `size` bytes and sets the last-write time to the given local time.
    bool file(const std::wstring& path, DWORD size, const SYSTEMTIME& localWrite) {
        files_.push_back(path);
        HANDLE h = ::CreateFileW(long_(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;
        std::vector<char> bytes(size, 'x');
        DWORD written = 0;
        bool ok = size == 0 || ::WriteFile(h, bytes.data(), size, &written, nullptr);
        FILETIME local{}, utc{};
        ok = ok && ::SystemTimeToFileTime(&localWrite, &local) && ::LocalFileTimeToFileTime(&local, &utc) &&
             ::SetFileTime(h, nullptr, nullptr, &utc);
        ::CloseHandle(h);
        return ok;
    }

private:
    static std::wstring long_(const std::wstring& p) { return filelist::withLongPathPrefix(p); }
    std::wstring root_;
    std::vector<std::wstring> folders_;
    std::vector<std::wstring> files_;
};

SYSTEMTIME localTime(WORD y, WORD mo, WORD d, WORD h, WORD mi, WORD s) {
    SYSTEMTIME st{};
    st.wYear = y;
    st.wMonth = mo;
    st.wDay = d;
    st.wHour = h;
    st.wMinute = mi;
    st.wSecond = s;
    return st;
}

TEST(Win32FileInfo, ReadsSizeAttributesAndLocalWriteTime) {
    TempTree tree;
    const std::wstring path = tree.root() + L"\\報告書.v1.txt";
    ASSERT_TRUE(tree.file(path, 12345, localTime(2024, 3, 1, 9, 5, 7)));

    auto data = readFileAttributeData(path);
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(data->size, 12345u);
    EXPECT_EQ(data->attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(data->modified, (filelist::LocalStamp{2024, 3, 1, 9, 5, 7}));
    EXPECT_NE(data->created.year, 0);

    Win32FileAttributeReader reader;
    EXPECT_EQ(filelist::describeFile(path, reader),
              tree.root() + L"\\\r\n報告書.v1.txt\r\n12,345 Byte\r\n2024/03/01 09:05:07\r\n");
}

TEST(Win32FileInfo, FolderShowsZeroBytesAndMissingFileNothing) {
    TempTree tree;
    const std::wstring sub = tree.root() + L"\\sub";
    ASSERT_TRUE(tree.folder(sub));
    Win32FileAttributeReader reader;
    const std::wstring text = filelist::describeFile(sub, reader);
    const std::wstring head = tree.root() + L"\\\r\nsub\r\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_NE(text.find(L"\r\n0 Byte\r\n"), std::wstring::npos) << text;

    EXPECT_FALSE(readFileAttributeData(tree.root() + L"\\missing.txt").has_value());
    EXPECT_FALSE(readFileAttributeData(L"").has_value());
    EXPECT_EQ(filelist::describeFile(tree.root() + L"\\missing.txt", reader), L"");
}

TEST(Win32FileInfo, PathBeyond260Characters) {
    TempTree tree;
    std::wstring folder = tree.root();
    while (folder.size() < 300) {
        folder += L"\\segment_0123456789_abcdefghij";
        ASSERT_TRUE(tree.folder(folder)) << ::GetLastError();
    }
    const std::wstring path = folder + L"\\deep.bin";
    ASSERT_GT(path.size(), 260u);
    ASSERT_TRUE(tree.file(path, 4321, localTime(2023, 12, 31, 23, 59, 58)));

    // Plain form: the reader falls back to the long-path form by itself.
    auto data = readFileAttributeData(path);
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(data->size, 4321u);

    Win32FileAttributeReader reader;
    EXPECT_EQ(filelist::describeFile(path, reader),
              folder + L"\\\r\ndeep.bin\r\n4,321 Byte\r\n2023/12/31 23:59:58\r\n");
    EXPECT_EQ(filelist::describeFile(L"\\\\?\\" + path, reader),
              folder + L"\\\r\ndeep.bin\r\n4,321 Byte\r\n2023/12/31 23:59:58\r\n");
}

}  // namespace
}  // namespace tarvelo::platform
