// The side bar and drive bar on the real system: the drive table filled
// from Wine's drives without waiting on slow ones, the shortcut list in a
// real FolderData file, both bars painted into back buffers, and the menus.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <vector>

#include "common/utf16le.h"
#include "filelist/drop_files_block.h"
#include "filelist/win/bar_menus.h"
#include "filelist/win/drive_bar_pane.h"
#include "filelist/win/drive_monitor.h"
#include "filelist/win/shell_look_cache.h"
#include "filelist/win/side_bar_pane.h"
#include "platform/drive_probe.h"
#include "platform/win32_byte_file.h"
#include "resource_ids.h"
#include "shell/section_file_store.h"
#include "shell/theme_palette.h"
#include "support/fake_byte_file_system.h"

namespace tarvelo::filelist::win {
namespace {

using namespace std::chrono_literals;
using Facts = std::array<std::optional<DriveFacts>, kDriveCount>;

DriveFacts fixedFacts(std::wstring volume = L"") {
    DriveFacts f;
    f.driveType = kDriveTypeFixed;
    f.volumeName = std::move(volume);
    return f;
}

// C: and Z: present, as Wine has them, with their roots as last folders.
DriveTable wineLikeTable() {
    DriveTable table;
    Facts facts;
    facts[2] = fixedFacts(L"System");
    facts[25] = fixedFacts();
    table.rebuild(facts);
    table.slot(3)->lastFolder = L"C:\\windows";
    table.slot(26)->lastFolder = L"Z:\\";
    return table;
}

std::wstring tempFolder(const wchar_t* prefix) {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    std::wstring dir = std::wstring(temp) + prefix + std::to_wstring(GetCurrentProcessId()) + L"-" +
                       std::to_wstring(GetTickCount64()) + L"\\";
    CreateDirectoryW(dir.c_str(), nullptr);
    return dir;
}

void removeFlatFolder(const std::wstring& dir) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir + L"*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveDirectoryW((dir + name).c_str());
            } else {
                DeleteFileW((dir + name).c_str());
            }
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(dir.c_str());
}

TEST(DriveMonitorTest, FindsWinesDrivesCAndZ) {
    platform::suppressCriticalErrorBoxes();
    EXPECT_TRUE(GetErrorMode() & SEM_FAILCRITICALERRORS);

    DriveMonitor monitor;
    DriveTable table;
    int present = monitor.refreshDrives(table, DriveMonitor::kStartupWait);
    for (int tries = 0; tries < 20 && !(table.isPresent(3) && table.isPresent(26)); ++tries) {
        present = monitor.refreshDrives(table, 250ms);
    }
    ASSERT_TRUE(table.isPresent(3));
    ASSERT_TRUE(table.isPresent(26));
    EXPECT_GE(present, 2);
    EXPECT_EQ(present, table.presentCount());
    const DriveInfo& c = *table.slot(3);
    EXPECT_EQ(c.root, L"C:\\");
    EXPECT_EQ(c.typeText, L"SSD/HDD");
    EXPECT_GT(c.totalBytes, 0u);
    EXPECT_LE(c.freeBytes, c.totalBytes);
    EXPECT_FALSE(c.fileSystemName.empty());
    // A letter the system does not have stays absent.
    const uint32_t letters = platform::logicalDriveMask();
    for (int d = 1; d <= kDriveCount; ++d) {
        if (!(letters & (1u << (d - 1)))) {
            EXPECT_FALSE(table.isPresent(d)) << d;
        }
    }
}

TEST(DriveMonitorTest, ProbeDriveAnswersNothingForMissingLetters) {
    EXPECT_FALSE(platform::probeDrive(0));
    EXPECT_FALSE(platform::probeDrive(27));
    for (int d = 1; d <= kDriveCount; ++d) {
        if (!(platform::logicalDriveMask() & (1u << (d - 1)))) {
            EXPECT_FALSE(platform::probeDrive(d)) << d;
            break;
        }
    }
}

// D: hangs (a dead network share) until the test lets it go.
class SlowDriveTest : public ::testing::Test {
protected:
    void SetUp() override { release = CreateEventW(nullptr, TRUE, FALSE, nullptr); }
    void TearDown() override {
        SetEvent(release);
        for (int i = 0; i < 500 && monitor.probesInFlight() > 0; ++i) Sleep(10);
        CloseHandle(release);
    }

    HANDLE release = nullptr;
    std::atomic<uint32_t> mask{(1u << 2) | (1u << 3)};
    std::atomic<int> probesOfD{0};
    DriveMonitor monitor{[this] { return mask.load(); },
                         [this](int drive) -> std::optional<DriveFacts> {
                             if (drive == 4) {
                                 ++probesOfD;
                                 if (WaitForSingleObject(release, 20000) != WAIT_OBJECT_0) return std::nullopt;
                                 return fixedFacts(L"Slow");
                             }
                             return fixedFacts(L"Quick");
                         }};

    void waitForProbes() {
        for (int i = 0; i < 3000 && monitor.probesInFlight() > 0; ++i) Sleep(10);
        ASSERT_EQ(monitor.probesInFlight(), 0);
    }
};

TEST_F(SlowDriveTest, AHangingDriveNeverHoldsTheRefresh) {
    DriveTable table;
    // Returns although D:'s probe hangs: had it waited for D:, D: would be present.
    EXPECT_EQ(monitor.refreshDrives(table, 50ms), 1);
    EXPECT_TRUE(table.isPresent(3));
    EXPECT_EQ(table.slot(3)->volumeName, L"Quick");
    EXPECT_FALSE(table.isPresent(4));
    EXPECT_EQ(monitor.probesInFlight(), 1);

    // The hanging probe is not started again on the next tick.
    monitor.refreshDrives(table, 10ms);
    EXPECT_EQ(probesOfD.load(), 1);

    SetEvent(release);
    waitForProbes();
    EXPECT_EQ(monitor.refreshDrives(table, 500ms), 2);
    EXPECT_TRUE(table.isPresent(4));
    EXPECT_EQ(table.slot(4)->volumeName, L"Slow");
}

TEST_F(SlowDriveTest, AFreshAnswerIsUsedWithoutProbingAgain) {
    SetEvent(release);
    DriveTable table;
    EXPECT_EQ(monitor.refreshDrives(table, 5000ms), 2);
    EXPECT_EQ(table.slot(4)->volumeName, L"Slow");
    // A navigation right after the refresh probes nothing again...
    EXPECT_EQ(monitor.refreshDrives(table, 10ms), 2);
    EXPECT_EQ(probesOfD.load(), 1);
    EXPECT_EQ(monitor.probesInFlight(), 0);
    // ...but once the answer has aged, the drive is asked again.
    Sleep(static_cast<DWORD>(DriveMonitor::kFreshFor.count()) + 50);
    monitor.refreshDrives(table, 5000ms);
    EXPECT_EQ(probesOfD.load(), 2);
}

TEST_F(SlowDriveTest, AnAnswerForALetterThatWentAwayIsDropped) {
    DriveTable table;
    // C: answers first (on a loaded machine that can take several ticks);
    // D:'s one probe hangs meanwhile.
    for (int tick = 0; tick < 100 && !table.isPresent(3); ++tick) monitor.refreshDrives(table, 100ms);
    ASSERT_TRUE(table.isPresent(3));
    ASSERT_FALSE(table.isPresent(4));
    ASSERT_EQ(probesOfD.load(), 1);
    mask = 1u << 2;  // D: unplugged while its probe hangs
    EXPECT_EQ(monitor.refreshDrives(table, 10ms), 1);
    SetEvent(release);
    waitForProbes();
    EXPECT_EQ(monitor.refreshDrives(table, 10ms), 1);
    EXPECT_FALSE(table.isPresent(4));
}

// Start-up holds the shell icons back until the list is shown: looks then
// carry the folder's attributes but no icon, and nothing is kept, so the
// first look after the release fetches the real icon.
TEST(ShellLookCacheTest, HeldIconsAreFetchedOnceReleased) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    wchar_t windows[MAX_PATH];
    ASSERT_GT(GetWindowsDirectoryW(windows, MAX_PATH), 0u);
    ShellLookCache cache;
    cache.holdIcons(true);
    const ShellLook held = cache.look(windows, true);
    EXPECT_EQ(held.icon, nullptr);
    EXPECT_NE(held.attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(cache.size(), 0u);
    cache.holdIcons(false);
    const ShellLook shown = cache.look(windows, true);
    EXPECT_NE(shown.icon, nullptr);
    EXPECT_NE(shown.attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(cache.size(), 1u);
    CoUninitialize();
}

TEST(ShortcutFolderFileTest, RegisterPersistsInARealFolderDataFile) {
    const std::wstring dir = tempFolder(L"tarvelo-bars-");
    {
        platform::Win32ByteFileSystem files;
        shell::SectionFileStore store(files, dir + L"Tarvelo.exe");
        ShortcutFolderList list;
        EXPECT_TRUE(list.seedIfFirstStart(store, {L"C:\\", L"Z:\\"}));
        list.loadShortcutFolders(store);
        ASSERT_TRUE(list.registerCurrentFolder(L"C:\\Work", store));
        ASSERT_TRUE(list.registerCurrentFolder(L"C:\\データ", store));

        // What a later start reads back.
        platform::Win32ByteFileSystem otherFiles;
        shell::SectionFileStore later(otherFiles, dir + L"Tarvelo.exe");
        ShortcutFolderList reloaded;
        EXPECT_FALSE(reloaded.seedIfFirstStart(later, {L"C:\\"}));
        reloaded.loadShortcutFolders(later);
        EXPECT_EQ(reloaded.folders(), (std::vector<std::wstring>{L"C:\\", L"C:\\Work", L"C:\\データ", L"Z:\\"}));

        const auto bytes = files.readAll(dir + L"Tarvelo_FolderData.ini");
        ASSERT_TRUE(bytes);
        ASSERT_GE(bytes->size(), 2u);
        EXPECT_EQ((*bytes)[0], 0xFF);
        EXPECT_EQ((*bytes)[1], 0xFE);
        const std::u16string text = common::decodeUtf16le(std::span(*bytes).subspan(2));
        EXPECT_NE(text.find(u"Folder_01=C:\\\r\nFolder_02=C:\\Work\r\nFolder_03=C:\\データ\r\nFolder_04=Z:\\\r\n"),
                  std::u16string::npos);
        EXPECT_NE(text.find(u"Folder_100=\r\n"), std::u16string::npos);
    }
    removeFlatFolder(dir);
}

// Paints into back buffers with the Dark theme unless told otherwise.
class BarPaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);  // shell icons
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        usePalette(shell::kThemeDark);
    }
    void TearDown() override { CoUninitialize(); }

    void usePalette(int theme) {
        palette = shell::buildPalette(theme, 0);
        look = BarLook{&palette, font, font, 96};
    }
    COLORREF role(shell::Role r) const { return palette[r].value; }
    static COLORREF at(const platform::BackBuffer& b, int x, int y) { return GetPixel(b.dc(), x, y); }
    static int pixelsOtherThan(const platform::BackBuffer& b, const PixelRect& r, COLORREF colour) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) n += at(b, x, y) != colour ? 1 : 0;
        return n;
    }

    HFONT font = nullptr;
    shell::ThemePalette palette;
    BarLook look;
};

class SideBarPaintTest : public BarPaintTest {
protected:
    void SetUp() override {
        BarPaintTest::SetUp();
        ASSERT_TRUE(buffer.resize(200, 300));
        store.write(kFolderDataSection, shortcutKey(0), L"Z:\\");
        store.write(kFolderDataSection, shortcutKey(1), L"C:\\windows");
        store.write(kFolderDataSection, shortcutKey(2), L"C:\\");
        folders.loadShortcutFolders(store);  // C:\, C:\windows, Z:\ .
    }

    testing::FakeByteFileSystem files;
    shell::SectionFileStore store{files, L"C:\\T\\Tarvelo.exe"};
    ShortcutFolderList folders;
    DriveTable drives = wineLikeTable();
    platform::BackBuffer buffer;
    SideBarPane pane;
};

TEST_F(SideBarPaintTest, CurrentFolderRowIsHighlighted) {
    for (int theme : {shell::kThemeDark, shell::kThemeLight}) {
        usePalette(theme);
        pane.paint(buffer, look, folders, L"c:\\Windows\\", drives, UiLanguage::English);
        SideBarLayout layout(200, 300, 96);
        const PixelRect current = layout.row(1);
        const PixelRect other = layout.row(0);
        EXPECT_EQ(at(buffer, current.left + 2, current.top + 2), role(shell::Role::B10)) << theme;
        EXPECT_EQ(at(buffer, current.right - 2, current.bottom - 2), role(shell::Role::B10)) << theme;
        EXPECT_EQ(at(buffer, other.left + 2, other.top + 2), role(shell::Role::D9)) << theme;
        // The shell icon and the text were drawn into the row.
        EXPECT_GT(pixelsOtherThan(buffer, layout.iconRect(other), role(shell::Role::D9)), 10) << theme;
        EXPECT_GT(pixelsOtherThan(buffer, layout.textRect(other), role(shell::Role::D9)), 10) << theme;
        // Button outlines in the outline colour.
        const PixelRect reg = layout.registerButton();
        EXPECT_EQ(at(buffer, reg.left + 5, reg.top), role(shell::Role::D13)) << theme;
    }
}

TEST_F(SideBarPaintTest, HoverOutlineClicksAndScrolling) {
    pane.paint(buffer, look, folders, L"", drives, UiLanguage::Japanese);
    SideBarLayout layout(200, 300, 96);
    const PixelRect row2 = layout.row(2);
    EXPECT_TRUE(pane.pointerMove({row2.left + 20, row2.top + 10}));
    EXPECT_FALSE(pane.pointerMove({row2.left + 21, row2.top + 10}));  // same row
    pane.paint(buffer, look, folders, L"", drives, UiLanguage::Japanese);
    EXPECT_EQ(at(buffer, row2.left + 5, row2.top), role(shell::Role::B2));
    EXPECT_TRUE(pane.clearHover());
    EXPECT_FALSE(pane.clearHover());

    EXPECT_EQ(pane.click({row2.left + 20, row2.top + 10}), (BarClick{BarAction::Command, IDM_SIDEBAR_FIRST + 2}));
    EXPECT_EQ(pane.click({20, 20}), (BarClick{BarAction::Register, 0}));
    EXPECT_EQ(pane.click({150, 20}), (BarClick{BarAction::Release, 0}));
    EXPECT_EQ(pane.click({2, 2}), BarClick{});

    // All three fit: no scrolling, no scroll bar.
    EXPECT_FALSE(pane.wheel(-1));
    EXPECT_FALSE(pane.scroll().needed);

    // A low bar shows two rows and scrolls by whole rows.
    ASSERT_TRUE(buffer.resize(200, 130));
    pane.paint(buffer, look, folders, L"", drives, UiLanguage::English);
    ASSERT_EQ(pane.visibleRows(), 2);
    SideBarScroll s = pane.scroll();
    EXPECT_TRUE(s.needed);
    EXPECT_EQ(s.maxPos, 2);
    EXPECT_EQ(s.page, 2);
    EXPECT_TRUE(pane.wheel(-1));
    EXPECT_FALSE(pane.wheel(-1));
    EXPECT_EQ(pane.firstVisible(), 1);
    const PixelRect top = SideBarLayout(200, 130, 96).row(0);
    EXPECT_EQ(pane.click({top.left + 20, top.top + 5}), (BarClick{BarAction::Command, IDM_SIDEBAR_FIRST + 1}));
    EXPECT_TRUE(pane.scrollTo(0));
    EXPECT_FALSE(pane.scrollTo(-4));
}

TEST_F(BarPaintTest, DriveBarHighlightsTheCurrentDrive) {
    platform::BackBuffer buffer;
    ASSERT_TRUE(buffer.resize(600, 44));
    DriveTable drives = wineLikeTable();
    DriveBarPane pane;
    pane.paint(buffer, look, drives, L"C:\\windows\\system32");
    ASSERT_EQ(pane.buttons().size(), 2u);
    const DriveButton& c = pane.buttons()[0];
    const DriveButton& z = pane.buttons()[1];
    EXPECT_EQ(c.label, L"C:\\windows");
    EXPECT_EQ(at(buffer, c.box.left + 2, c.box.top + 2), role(shell::Role::B10));
    EXPECT_EQ(at(buffer, z.box.left + 2, z.box.top + 2), role(shell::Role::B0));
    EXPECT_EQ(at(buffer, z.box.left + 5, z.box.top), role(shell::Role::D13));
    EXPECT_GT(pixelsOtherThan(buffer, c.icon, role(shell::Role::B10)), 10);

    EXPECT_EQ(pane.click({z.box.left + 3, 20}), (BarClick{BarAction::Command, IDM_DRIVE_LAST}));
    EXPECT_EQ(pane.click({c.box.left + 3, 20}), (BarClick{BarAction::Command, IDM_SHORTCUT_FOLDER + 3}));
    EXPECT_EQ(pane.click({2, 2}), BarClick{});
    EXPECT_TRUE(pane.pointerMove({z.box.left + 3, 20}));
    pane.paint(buffer, look, drives, L"C:\\windows\\system32");
    EXPECT_EQ(at(buffer, z.box.left + 5, z.box.top), role(shell::Role::B2));
    EXPECT_TRUE(pane.clearHover());
}

TEST_F(BarPaintTest, StringFieldsSitRightOfTheDriveButtonsAndTakeClicks) {
    platform::BackBuffer buffer;
    ASSERT_TRUE(buffer.resize(900, 44));
    DriveTable drives = wineLikeTable();
    DriveBarPane pane;
    pane.setStringFields({L"Search-String: abc ", L"Filtering-String: ", true, true, false, false});
    pane.paint(buffer, look, drives, L"C:\\windows");
    const StringBarLayout& l = pane.stringLayout();
    ASSERT_TRUE(l.shown);
    EXPECT_EQ(l.searchField.right, 900);
    ASSERT_FALSE(pane.buttons().empty());
    EXPECT_LT(pane.buttons().back().box.right, l.searchBox.left);
    // The checked box shows its mark; the disabled one is empty inside.
    const int cx = (l.searchBox.left + l.searchBox.right) / 2;
    EXPECT_EQ(at(buffer, cx, (l.searchBox.top + l.searchBox.bottom) / 2), role(shell::Role::D2));
    EXPECT_EQ(at(buffer, cx, (l.filterBox.top + l.filterBox.bottom) / 2), role(shell::Role::D0));
    EXPECT_GT(pixelsOtherThan(buffer, l.searchField, role(shell::Role::D0)), 20);  // the text is drawn

    EXPECT_EQ(pane.click({l.searchField.left + 2, 5}), (BarClick{BarAction::Command, IDM_SEARCH_SELECT}));
    EXPECT_EQ(pane.click({l.filterField.left + 2, 30}), (BarClick{BarAction::Command, IDM_FILTERING}));
    EXPECT_EQ(pane.click({cx, l.searchBox.top + 2}), (BarClick{BarAction::Command, IDM_DEEMPHASIZE}));
    EXPECT_EQ(pane.click({cx, l.filterBox.top + 2}), (BarClick{BarAction::ToggleFiltering, 0}));
}

struct MenuItem {
    UINT id = 0;
    std::wstring text;
    UINT type = 0;
    UINT state = 0;
};

std::vector<MenuItem> itemsOf(HMENU menu) {
    std::vector<MenuItem> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 255;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        items.push_back({info.wID, text, info.fType, info.fState});
    }
    return items;
}

class BarMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        menu.reset(CreatePopupMenu());
        AppendMenuW(menu.get(), MF_STRING, IDM_CHANGE_DRIVE, L"Change Drive");
        Facts facts;
        facts[2] = fixedFacts(L"System");
        facts[25] = fixedFacts(L"R&D");
        drives.rebuild(facts);
    }
    platform::UniqueMenu menu;
    DriveTable drives;
};

TEST_F(BarMenuTest, DriveMenuListsPresentDrivesWithTheirDigitAndRadioMark) {
    buildDriveMenu(menu.get(), drives, L"Z:\\tmp", false);
    auto items = itemsOf(menu.get());
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].id, static_cast<UINT>(IDM_SHORTCUT_FOLDER + 3));
    EXPECT_EQ(items[0].text, L"[ C: ] System  \t3");
    EXPECT_FALSE(items[0].state & MFS_CHECKED);
    EXPECT_EQ(items[1].id, static_cast<UINT>(IDM_DRIVE_LAST));
    EXPECT_EQ(items[1].text, L"[ Z: ] R&&D  \t ");
    EXPECT_TRUE(items[1].type & MFT_RADIOCHECK);
    EXPECT_TRUE(items[1].state & MFS_CHECKED);
    EXPECT_FALSE(items[1].state & MFS_GRAYED);

    // Opened again (the placeholder is gone by now), while busy, after C: went away.
    Facts onlyZ;
    onlyZ[25] = fixedFacts(L"R&D");
    drives.rebuild(onlyZ);
    buildDriveMenu(menu.get(), drives, L"C:\\", true);
    items = itemsOf(menu.get());
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].id, static_cast<UINT>(IDM_DRIVE_LAST));
    EXPECT_TRUE(items[0].state & MFS_GRAYED);
    EXPECT_FALSE(items[0].state & MFS_CHECKED);
}

TEST_F(BarMenuTest, ShortcutPopupChecksTheFolderHoldingTheCurrentOneAndGreysTheUnreachable) {
    testing::FakeByteFileSystem files;
    shell::SectionFileStore store(files, L"C:\\T\\Tarvelo.exe");
    store.write(kFolderDataSection, shortcutKey(0), L"C:\\");
    store.write(kFolderDataSection, shortcutKey(1), L"C:\\Work");
    store.write(kFolderDataSection, shortcutKey(2), L"Q:\\Gone");
    ShortcutFolderList folders;
    folders.loadShortcutFolders(store);
    fillShortcutPopup(menu.get(), folders, L"C:\\Work\\sub",
                      [&](const std::wstring& path) { return folderCanBeEntered(path, drives); });
    auto items = itemsOf(menu.get());
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].id, static_cast<UINT>(IDM_SIDEBAR_FIRST));
    EXPECT_EQ(items[1].text, L"C:\\Work");
    EXPECT_TRUE(items[1].state & MFS_CHECKED);
    EXPECT_FALSE(items[0].state & MFS_CHECKED);
    EXPECT_FALSE(items[0].state & MFS_GRAYED);  // C:\ exists
    EXPECT_TRUE(items[2].state & MFS_GRAYED);   // Q: is not there
    EXPECT_EQ(items[2].id, static_cast<UINT>(IDM_SIDEBAR_FIRST + 2));
}

TEST_F(BarMenuTest, DrivePopupPutsTheShortcutFolderFirst) {
    fillDrivePopup(menu.get(), drives, L"C:\\x", L"D:\\Music", false);
    auto items = itemsOf(menu.get());
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].id, static_cast<UINT>(IDM_SHORTCUT_FOLDER));
    EXPECT_EQ(items[0].text, L"D:\\Music  \t0");
    EXPECT_TRUE(items[1].type & MFT_SEPARATOR);
    EXPECT_EQ(items[2].text, L"[ C: ] System  \t3");
    EXPECT_TRUE(items[2].state & MFS_CHECKED);

    platform::UniqueMenu plain(CreatePopupMenu());
    AppendMenuW(plain.get(), MF_STRING, IDM_CHANGE_DRIVE, L"Change Drive");
    fillDrivePopup(plain.get(), drives, L"C:\\x", L"", true);
    items = itemsOf(plain.get());
    ASSERT_EQ(items.size(), 2u);
    EXPECT_TRUE(items[0].state & MFS_GRAYED);
}

TEST(DroppedFolderTest, OnlyAFolderIsTakenFromTheDrop) {
    const std::wstring dir = tempFolder(L"tarvelo-drop-");
    const std::wstring file = dir + L"note.txt";
    HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);

    auto dropOf = [](const std::vector<std::wstring>& paths) {
        const std::vector<uint8_t> block = buildDropFilesBlock(paths);
        HGLOBAL memory = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, block.size());
        std::memcpy(memory, block.data(), block.size());
        return static_cast<HDROP>(memory);
    };
    const std::wstring folder = dir.substr(0, dir.size() - 1);
    HDROP first = dropOf({folder, file});
    EXPECT_EQ(droppedFolder(first), folder);
    GlobalFree(first);
    HDROP fileFirst = dropOf({file, folder});
    EXPECT_FALSE(droppedFolder(fileFirst));
    GlobalFree(fileFirst);
    EXPECT_FALSE(droppedFolder(nullptr));
    removeFlatFolder(dir);
}

}  // namespace
}  // namespace tarvelo::filelist::win

namespace tarvelo::filelist::win {
namespace {

TEST_F(SideBarPaintTest, EveryEntryOfALongListIsReachable) {
    for (int count : {40, 100}) {
        ShortcutFolderList many;
        std::vector<shell::SectionFileStore::KeyValue> pairs;
        for (int i = 0; i < count; ++i) pairs.push_back({shortcutKey(i), L"C:\\f" + std::to_wstring(1000 + i)});
        ASSERT_TRUE(store.writeMany(kFolderDataSection, pairs));
        many.loadShortcutFolders(store);
        ASSERT_EQ(many.count(), count);
        ASSERT_TRUE(buffer.resize(200, 480));
        SideBarPane bar;
        bar.paint(buffer, look, many, L"", drives, UiLanguage::English);
        const int rows = bar.visibleRows();
        ASSERT_GT(rows, 3);
        ASSERT_LT(rows, count);
        EXPECT_TRUE(bar.scroll().needed) << count;
        EXPECT_TRUE(sideBarNeedsScroll(count, 480, 96)) << count;
        const SideBarLayout layout(200, 480, 96);
        auto lastRowCommand = [&] {
            const PixelRect last = layout.row(rows - 1);
            return bar.click({last.left + 20, last.top + 5}).command;
        };
        // The scroll bar: its largest position shows the last entry.
        const SideBarScroll s = bar.scroll();
        EXPECT_TRUE(bar.scrollTo(s.maxPos - s.page + 1));
        EXPECT_EQ(lastRowCommand(), IDM_SIDEBAR_FIRST + count - 1) << count;
        EXPECT_FALSE(bar.scrollTo(s.maxPos)) << "no further than the last page";
        // The wheel, one row a step, from the top to the end.
        bar.scrollTo(0);
        int steps = 0;
        while (bar.wheel(-1)) ++steps;
        EXPECT_EQ(steps, count - rows) << count;
        EXPECT_EQ(lastRowCommand(), IDM_SIDEBAR_FIRST + count - 1) << count;
        // Keys and menus jump to a folder; its entry is brought into view.
        bar.scrollTo(0);
        EXPECT_TRUE(bar.reveal(count - 1));
        EXPECT_EQ(lastRowCommand(), IDM_SIDEBAR_FIRST + count - 1) << count;
        EXPECT_TRUE(bar.reveal(5));
        EXPECT_EQ(bar.firstVisible(), 5);
        EXPECT_FALSE(bar.reveal(count));
    }
}

}  // namespace
}  // namespace tarvelo::filelist::win
