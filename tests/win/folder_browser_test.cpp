#include <windows.h>
#include <ole2.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "launch/win/folder_browser.h"
#include "support/fake_ini_store.h"

namespace tarvelo::launch::win {
namespace {

using Clock = std::chrono::steady_clock;

enum class BoxAction { leave, click };
enum class CloseWith { ok, cancel };

// What a driver thread saw in the picker while the test thread sat in it.
struct PickerSeen {
    bool picker = false;
    bool box = false;
    std::wstring boxText;
    std::wstring boxClass;
    bool boxEnabled = false;
    bool checkedAtStart = false;
    bool checkedAfterAction = false;
    bool boxInFront = false;
    bool titleShown = false;
    bool initialFolderSelected = false;
    RECT boxRect{};  // picker client coordinates
};

HWND findDialogOf(DWORD threadId) {
    HWND found = nullptr;
    EnumThreadWindows(
        threadId,
        [](HWND w, LPARAM out) -> BOOL {
            wchar_t cls[32] = {};
            GetClassNameW(w, cls, 32);
            if (std::wstring(cls) == L"#32770" && IsWindowVisible(w)) {
                *reinterpret_cast<HWND*>(out) = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring textOf(HWND w) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(w)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(w, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool hasChildWithText(HWND parent, const std::wstring& text) {
    struct Search {
        const std::wstring* text;
        bool found;
    } search{&text, false};
    EnumChildWindows(
        parent,
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            if (textOf(w) == *s->text) s->found = true;
            return !s->found;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The label of the picker's selected tree item.
std::wstring selectedTreeLabel(HWND picker) {
    HWND tree = FindWindowExW(picker, nullptr, WC_TREEVIEWW, nullptr);
    if (!tree) return {};
    wchar_t label[MAX_PATH] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    item.pszText = label;
    item.cchTextMax = MAX_PATH;
    if (!item.hItem || !SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return {};
    return label;
}

bool isChecked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// Runs on its own thread: waits for the picker of the test thread, looks at
// the check box, acts on it and closes the picker.
void drivePicker(DWORD testThread, const std::wstring& title, const std::wstring& selectedLabel,
                 BoxAction action, CloseWith close, PickerSeen& seen) {
    HWND picker = nullptr;
    HWND box = nullptr;
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (Clock::now() < deadline) {
        picker = findDialogOf(testThread);
        box = picker ? GetDlgItem(picker, kSubFolderCheckBoxId) : nullptr;
        if (box) break;
        Sleep(50);
    }
    seen.picker = picker != nullptr;
    seen.box = box != nullptr;
    if (box) {
        // The picker may still be filling its tree when it reports ready;
        // in a fresh Wine prefix the first fill takes several seconds.
        const auto selectionDeadline = Clock::now() + std::chrono::seconds(20);
        while (!selectedLabel.empty() && Clock::now() < selectionDeadline) {
            seen.initialFolderSelected = selectedTreeLabel(picker) == selectedLabel;
            if (seen.initialFolderSelected) break;
            Sleep(50);
        }
        Sleep(150);  // a few timer ticks
        seen.boxText = textOf(box);
        wchar_t cls[32] = {};
        GetClassNameW(box, cls, 32);
        seen.boxClass = cls;
        seen.boxEnabled = IsWindowEnabled(box) != FALSE;
        seen.checkedAtStart = isChecked(box);
        seen.boxInFront = GetWindow(picker, GW_CHILD) == box;
        seen.titleShown = hasChildWithText(picker, title);
        GetWindowRect(box, &seen.boxRect);
        MapWindowPoints(nullptr, picker, reinterpret_cast<POINT*>(&seen.boxRect), 2);
        if (action == BoxAction::click) SendMessageW(box, BM_CLICK, 0, 0);
        seen.checkedAfterAction = isChecked(box);
    }
    if (picker) {
        const int id = close == CloseWith::ok ? IDOK : IDCANCEL;
        PostMessageW(picker, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(picker, id)));
    }
}

class FolderBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        // On the system drive itself: the picker finds it through the drive,
        // whatever the shell makes of the profile folders.
        base = L"C:\\tarvelo-browse-" + std::to_wstring(GetCurrentProcessId());
        folder = base + L"\\\u9078\u629e\u30d5\u30a9\u30eb\u30c0";
        CreateDirectoryW(base.c_str(), nullptr);
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
        created = folder;
    }
    void TearDown() override {
        RemoveDirectoryW(created.c_str());
        RemoveDirectoryW(base.c_str());
        OleUninitialize();
    }

    BrowseResult run(bool offer, BoxAction action, CloseWith close, PickerSeen& seen) {
        const DWORD self = GetCurrentThreadId();
        const std::wstring title = offer ? kBrowseTitleWithSubFolders : kBrowseTitle;
        const std::wstring leaf = folder.substr(folder.find_last_of(L'\\') + 1);  // empty for a root
        std::thread driver([&] { drivePicker(self, title, leaf, action, close, seen); });
        BrowseResult result = browseForFolder(nullptr, folder, offer, settings);
        driver.join();
        return result;
    }

    std::wstring storedSubFolder() const {
        auto it = settings.values.find({kFolderOptionSection, kSubFolderKey});
        return it == settings.values.end() ? L"(none)" : it->second;
    }

    std::wstring base, folder, created;
    testing::FakeIniStore settings;
};

TEST_F(FolderBrowserTest, OfferedBoxIsAddedUsableAndItsStateStoredOnOk) {
    PickerSeen seen;
    const BrowseResult r = run(true, BoxAction::click, CloseWith::ok, seen);
    ASSERT_TRUE(seen.picker);
    ASSERT_TRUE(seen.box);
    EXPECT_EQ(seen.boxText, L"Search SubFolder");
    EXPECT_EQ(seen.boxClass, L"Button");
    EXPECT_TRUE(seen.boxEnabled);
    EXPECT_TRUE(seen.boxInFront);
    EXPECT_TRUE(seen.titleShown);
    EXPECT_TRUE(seen.initialFolderSelected);
    EXPECT_FALSE(seen.checkedAtStart);  // nothing stored yet: off
    EXPECT_TRUE(seen.checkedAfterAction);
    // Client (20, 35), 140 x 25 at 96 DPI.
    EXPECT_EQ(seen.boxRect.left, 20);
    EXPECT_EQ(seen.boxRect.top, 35);
    EXPECT_EQ(seen.boxRect.right - seen.boxRect.left, 140);
    EXPECT_EQ(seen.boxRect.bottom - seen.boxRect.top, 25);

    EXPECT_EQ(r.code, kBrowseChosen);
    EXPECT_EQ(r.path, folder);
    EXPECT_TRUE(r.searchSubFolders);
    EXPECT_EQ(storedSubFolder(), L"1");
}

TEST_F(FolderBrowserTest, CancelStillStoresTheBoxState) {
    const struct {
        const char* name;
        const wchar_t* stored;
        bool checkedAtStart;
        bool after;
    } cases[] = {
        {"checking then cancelling", L"0", false, true},
        {"unchecking then cancelling", L"1", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        settings.set(kFolderOptionSection, kSubFolderKey, c.stored);
        PickerSeen seen;
        const BrowseResult r = run(true, BoxAction::click, CloseWith::cancel, seen);
        ASSERT_TRUE(seen.box);
        EXPECT_EQ(seen.checkedAtStart, c.checkedAtStart);
        EXPECT_EQ(r.code, kBrowseCancelled);
        EXPECT_TRUE(r.path.empty());
        EXPECT_EQ(r.searchSubFolders, c.after);
        EXPECT_EQ(storedSubFolder(), c.after ? L"1" : L"0");
    }
}

TEST_F(FolderBrowserTest, BoxNotOfferedShowsTheRememberedStateDisabledAndStoresNothing) {
    settings.set(kFolderOptionSection, kSubFolderKey, L"1");
    PickerSeen seen;
    const BrowseResult r = run(false, BoxAction::leave, CloseWith::ok, seen);
    ASSERT_TRUE(seen.box);
    EXPECT_EQ(seen.boxText, L"Search SubFolder");
    EXPECT_FALSE(seen.boxEnabled);
    EXPECT_TRUE(seen.checkedAtStart);
    EXPECT_TRUE(seen.titleShown);
    EXPECT_TRUE(seen.initialFolderSelected);
    EXPECT_EQ(r.code, kBrowseChosen);
    EXPECT_EQ(r.path, folder);
    EXPECT_TRUE(r.searchSubFolders);
    EXPECT_TRUE(settings.writeOrder.empty());
}

TEST_F(FolderBrowserTest, StartFolderThatIsNotReadyAtOpeningIsSelectedOnceItIs) {
    // The first request cannot take (the folder is not there yet, as when
    // the tree is still filling); the picker asks again and lands on it.
    ASSERT_TRUE(RemoveDirectoryW(folder.c_str()));
    std::thread maker([&] {
        Sleep(800);
        CreateDirectoryW(folder.c_str(), nullptr);
    });
    PickerSeen seen;
    const BrowseResult r = run(true, BoxAction::leave, CloseWith::ok, seen);
    maker.join();
    ASSERT_TRUE(seen.box);
    EXPECT_TRUE(seen.initialFolderSelected);
    EXPECT_EQ(r.code, kBrowseChosen);
    EXPECT_EQ(r.path, folder);
}

TEST_F(FolderBrowserTest, OnceTheUserMovesInTheTreeTheStartFolderIsNotForcedBack) {
    ASSERT_TRUE(RemoveDirectoryW(folder.c_str()));
    const DWORD self = GetCurrentThreadId();
    std::wstring labelChosen, labelAtEnd;
    std::thread driver([&] {
        HWND picker = nullptr;
        for (int i = 0; i < 400; ++i) {
            picker = findDialogOf(self);
            if (picker && GetDlgItem(picker, kSubFolderCheckBoxId)) break;
            Sleep(50);
        }
        HWND tree = picker ? FindWindowExW(picker, nullptr, WC_TREEVIEWW, nullptr) : nullptr;
        if (tree) {
            // The user's key in the tree (Home, which finds no selection to
            // move yet), then the item they settle on: the tree's first.
            SendMessageW(tree, WM_KEYDOWN, VK_HOME, 0);
            SendMessageW(tree, WM_KEYUP, VK_HOME, 0);
            const LPARAM root = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
            SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, root);
            labelChosen = selectedTreeLabel(picker);
            CreateDirectoryW(folder.c_str(), nullptr);
            Sleep(1500);  // several chances to ask again
            labelAtEnd = selectedTreeLabel(picker);
        }
        if (picker) PostMessageW(picker, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    browseForFolder(nullptr, folder, true, settings);
    driver.join();
    ASSERT_FALSE(labelChosen.empty());
    EXPECT_EQ(labelAtEnd, labelChosen);
    EXPECT_NE(labelAtEnd, folder.substr(folder.find_last_of(L'\\') + 1));
}

TEST_F(FolderBrowserTest, ADriveRootKeepsItsBackslash) {
    folder = L"C:\\";
    PickerSeen seen;
    const BrowseResult r = run(true, BoxAction::leave, CloseWith::ok, seen);
    ASSERT_TRUE(seen.box);
    EXPECT_EQ(r.code, kBrowseChosen);
    EXPECT_EQ(r.path, L"C:\\");
    EXPECT_EQ(storedSubFolder(), L"0");
}

TEST(SpecialFolderPathTest, GivesTheShellsFileSystemPath) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    wchar_t expected[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, expected), S_OK);
    const std::wstring documents = specialFolderPath(GetDesktopWindow(), CSIDL_PERSONAL);
    EXPECT_EQ(documents, expected);
    const DWORD attributes = GetFileAttributesW(documents.c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
    // A special folder without a file-system path, and an unknown identifier.
    EXPECT_EQ(specialFolderPath(nullptr, CSIDL_DRIVES), L"");
    EXPECT_EQ(specialFolderPath(nullptr, 0x7F), L"");
    CoUninitialize();
}

}  // namespace
}  // namespace tarvelo::launch::win
