// The settings and data files under conditions a user's machine produces:
// a first start, a huge data file, a data file another program holds, and
// a drive that appears while the program runs.
#include <gtest/gtest.h>

#include <iostream>
#include <thread>

#include "list_fixture.h"

namespace tarvelo::e2e {
namespace {

using namespace std::chrono_literals;

constexpr int kSideBarId = 1029;

std::string utf16leWithMark(const std::wstring& text) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>((c >> 8) & 0xFF));
    }
    return bytes;
}

std::wstring settingsFile(const Sandbox& box) {
    wchar_t user[1024];
    DWORD n = 1024;
    std::wstring u = GetUserNameW(user, &n) && n > 0 ? std::wstring(user, n - 1) : std::wstring();
    wchar_t computer[1024];
    n = 1024;
    std::wstring c = GetComputerNameW(computer, &n) ? std::wstring(computer, n) : std::wstring();
    return box.file(L"Tarvelo_" + u + L"@" + c + L".ini");
}

// The host path of a Windows path (Wine's own export).
std::string unixPath(const std::wstring& path) {
    using ToUnix = char* (*)(const wchar_t*);
    auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return {};
    char* unix = toUnix(path.c_str());
    if (!unix) return {};
    std::string out(unix);
    HeapFree(GetProcessHeap(), 0, unix);
    return out;
}

// Wine's mount manager request that winecfg uses to add (a host folder) or
// remove (no folder) a drive letter.
bool defineWineDrive(wchar_t letter, const std::string& hostFolder) {
    struct UnixDrive {
        ULONG size;
        ULONG type;
        ULONG fsType;
        DWORD serial;
        ULONGLONG unixDev;
        WCHAR letter;
        USHORT mountPoint;
        USHORT device;
        USHORT label;
    };
    std::vector<char> request(sizeof(UnixDrive) + hostFolder.size() + 1, 0);
    auto* drive = reinterpret_cast<UnixDrive*>(request.data());
    drive->size = static_cast<ULONG>(request.size());
    drive->type = hostFolder.empty() ? DRIVE_NO_ROOT_DIR : DRIVE_FIXED;
    drive->letter = letter;
    if (!hostFolder.empty()) {
        drive->mountPoint = sizeof(UnixDrive);
        memcpy(request.data() + sizeof(UnixDrive), hostFolder.c_str(), hostFolder.size() + 1);
    }
    HANDLE manager = CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (manager == INVALID_HANDLE_VALUE) return false;
    constexpr DWORD kDefineUnixDrive = (0x6D << 16) | (3 << 14) | (32 << 2);
    DWORD got = 0;
    const BOOL ok = DeviceIoControl(manager, kDefineUnixDrive, request.data(), static_cast<DWORD>(request.size()),
                                    nullptr, 0, &got, nullptr);
    CloseHandle(manager);
    return ok != FALSE;
}

void closeWithAltF4(TarveloApp& app) {
    bringToFront(app.mainWindow());
    pressKey(VK_F4, false, false, true);
}

TEST(DataFiles, FirstStartWritesTheAssociationsAndAHugeSaveDataNeverDelaysTheSettings) {
    ListFixture f(L"bigsave");
    {
        // No .ini at all: start and close create the associations file.
        TarveloApp app(f.box, L"\"" + f.data + L"\\\"");
        ASSERT_NE(app.waitForMainWindow(), nullptr);
        ASSERT_TRUE(waitForCursorPath(f.data + L"\\.."));
        closeWithAltF4(app);
        ASSERT_TRUE(app.waitForExit(15s));
        const std::wstring ext = readUtf16File(f.box.file(L"Tarvelo_ExtAppData.ini"));
        EXPECT_NE(ext.find(L"ExtApp_01=.txt = notepad.exe\r\n"), std::wstring::npos) << ext;
        EXPECT_NE(ext.find(L"ExtApp_30=\r\n"), std::wstring::npos) << ext;
    }
    // 2 MB of foreign lines before the real keys.
    std::wstring text = L"#\r\n# [SaveData]\r\n#\r\n";
    for (int i = 0; text.size() * 2 < (2u << 20); ++i) {
        text += L"Junk_" + std::to_wstring(1000000 + i) + L"=yyyyyyyyyyyyyyyyyyyyyyyyyyyyyy\r\n";
    }
    text += L"CurrentFolder=" + f.data + L"\\\r\nShortCutFolder=C:\\\r\n";
    f.box.writeFile(L"Tarvelo_SaveData.ini", utf16leWithMark(text));
    DeleteFileW(settingsFile(f.box).c_str());

    TarveloApp app(f.box);
    ASSERT_NE(app.waitForMainWindow(), nullptr);
    ASSERT_TRUE(waitForCursorPath(f.data + L"\\.."));  // read from the big file
    closeWithAltF4(app);
    const auto pressed = std::chrono::steady_clock::now();
    ASSERT_TRUE(waitUntil([&] { return readUtf16File(settingsFile(f.box)).find(L"Position=") != std::wstring::npos; },
                          2s, 20ms));
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - pressed);
    ASSERT_TRUE(app.waitForExit(15s));
    std::cout << "settings written " << took.count() << " ms after Alt+F4\n";
    // The foreign lines survive the rewrite.
    const std::wstring after = readUtf16File(f.box.file(L"Tarvelo_SaveData.ini"));
    EXPECT_NE(after.find(L"Junk_1000000=yyyy"), std::wstring::npos);
    EXPECT_NE(after.find(L"CurrentFolder=" + f.data + L"\\\r\n"), std::wstring::npos);
    EXPECT_GT(after.size(), (1u << 20));
}

TEST(DataFiles, AFolderListHeldByAnotherProgramAtStartIsNeverWrittenOver) {
    ListFixture f(L"heldlist");
    const std::wstring list = f.box.file(L"Tarvelo_FolderData.ini");
    f.box.writeFile(L"Tarvelo_FolderData.ini",
                    utf16leWithMark(L"#\r\n# [FolderData]\r\n#\r\nFolder_01=C:\\users\\\r\nmy note\r\n"));
    const std::string before = readFileBytes(list);
    HANDLE held = CreateFileW(list.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    TarveloApp app(f.box, L"\"" + f.data + L"\\\"");
    ASSERT_NE(app.waitForMainWindow(), nullptr);
    bringToFront(app.mainWindow());
    ASSERT_TRUE(waitForCursorPath(f.data + L"\\.."));
    CloseHandle(held);  // readable again: the run still leaves it alone

    // Register: refused, and the user is told once.
    HWND side = GetDlgItem(app.mainWindow(), kSideBarId);
    HWND box = nullptr;
    clickAt(side, 30, 25);
    if (!waitUntil([&] { return (box = app.findMessageBox()) != nullptr; }, 4s)) clickAt(side, 30, 25);
    ASSERT_TRUE(waitUntil([&] { return (box = app.findMessageBox()) != nullptr; }, 5s));
    EXPECT_NE(dialogStaticText(box).find(L"cannot be saved"), std::wstring::npos) << dialogStaticText(box);
    screenshot(GetDesktopWindow(), L"data-files-read-only-notice");
    clickButton(box, IDOK);
    ASSERT_TRUE(waitUntil([&] { return app.findMessageBox() == nullptr; }, 5s));
    // A second Register says nothing more.
    bringToFront(app.mainWindow());
    clickAt(side, 30, 25);
    std::this_thread::sleep_for(800ms);
    EXPECT_EQ(app.findMessageBox(), nullptr);

    closeWithAltF4(app);
    ASSERT_TRUE(app.waitForExit(15s));
    EXPECT_EQ(readFileBytes(list), before);
}

TEST(DataFiles, TheDriveMenuShowsADriveMappedWhileTheProgramRuns) {
    ListFixture f(L"newdrive");
    const std::wstring target = f.box.makeFolder(L"mapped");
    f.box.writeFile(L"mapped\\on-the-new-drive.txt", "x");
    // The last free letter; the menu lists present drives in letter order.
    const DWORD present = GetLogicalDrives();
    int letter = 25;
    while (letter > 3 && (present & (1u << letter))) --letter;
    ASSERT_GT(letter, 3);
    int before = 0;
    for (int l = 0; l < letter; ++l) before += (present >> l) & 1;
    const std::wstring device = std::wstring(1, static_cast<wchar_t>(L'A' + letter)) + L":";

    TarveloApp app(f.box, L"\"" + f.data + L"\\\"");
    ASSERT_NE(app.waitForMainWindow(), nullptr);
    bringToFront(app.mainWindow());
    ASSERT_TRUE(waitForCursorPath(f.data + L"\\.."));
    // A first opening without the drive.
    pressKey('D', false, false, true);
    std::this_thread::sleep_for(400ms);
    pressKey(VK_ESCAPE);
    pressKey(VK_ESCAPE);
    std::this_thread::sleep_for(300ms);

    // A new drive letter in this prefix, made as Wine's own configuration
    // tool makes one: through its mount manager.
    ASSERT_TRUE(defineWineDrive(static_cast<wchar_t>(L'a' + letter), unixPath(target)));
    struct Unmap {
        wchar_t letter;
        ~Unmap() { defineWineDrive(letter, {}); }
    } unmap{static_cast<wchar_t>(L'a' + letter)};
    ASSERT_TRUE(waitUntil([&] { return fileExists(device + L"\\on-the-new-drive.txt"); }, 5s));
    std::cout << "drives now 0x" << std::hex << GetLogicalDrives() << std::dec << "\n";

    // The second opening lists it; the drive's item goes there.
    bringToFront(app.mainWindow());
    pressKey('D', false, false, true);
    std::this_thread::sleep_for(400ms);
    screenshot(GetDesktopWindow(), L"data-files-drive-menu-new-drive");
    for (int i = 0; i < before; ++i) pressKey(VK_DOWN);
    pressKey(VK_RETURN);
    EXPECT_TRUE(waitForCursorPath(device + L"\\"));

    closeWithAltF4(app);
    ASSERT_TRUE(app.waitForExit(15s));
}

TEST(DataFiles, AHandWrittenUtf8ListOf60FoldersIsReadAndScrollable) {
    ListFixture f(L"utf8list");
    // Saved by an ordinary editor: UTF-8 without a mark, one name in Japanese.
    std::string list = "#\r\n# [FolderData]\r\n#\r\n";
    for (int i = 1; i < 60; ++i) {
        list += "Folder_" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "=C:\\f" + std::to_string(1000 + i) + "\r\n";
    }
    list += "Folder_60=C:\\\xE5\x86\x99\xE7\x9C\x9F\r\n";
    f.box.writeFile(L"Tarvelo_FolderData.ini", list);

    TarveloApp app(f.box, L"\"" + f.data + L"\\\"");
    ASSERT_NE(app.waitForMainWindow(), nullptr);
    bringToFront(app.mainWindow());
    ASSERT_TRUE(waitForCursorPath(f.data + L"\\.."));
    // 60 entries do not fit: the side bar's scroll bar shows (the two drive
    // roots a misread list would be replaced by would fit).
    HWND bar = GetDlgItem(app.mainWindow(), 27002);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(bar) != FALSE; }, 5s));
    screenshot(app.mainWindow(), L"data-files-side-bar-60");

    // Register rewrites the list as UTF-16 with its mark, every entry kept.
    HWND side = GetDlgItem(app.mainWindow(), kSideBarId);
    const std::wstring path = f.box.file(L"Tarvelo_FolderData.ini");
    auto rewritten = [&] { return readFileBytes(path).rfind("\xFF\xFE", 0) == 0; };
    clickAt(side, 30, 25);
    if (!waitUntil(rewritten, 4s)) clickAt(side, 30, 25);
    ASSERT_TRUE(waitUntil(rewritten, 5s));
    const std::wstring text = readUtf16File(path);
    EXPECT_NE(text.find(L"=C:\\f1001\r\n"), std::wstring::npos);
    EXPECT_NE(text.find(L"=C:\\\u5199\u771F\r\n"), std::wstring::npos);
    EXPECT_NE(text.find(L"=" + f.data + L"\\\r\n"), std::wstring::npos);
    closeWithAltF4(app);
    ASSERT_TRUE(app.waitForExit(15s));
}

}  // namespace
}  // namespace tarvelo::e2e
