// What a screen reader gets from the running program: the list's accessible
// object through WM_GETOBJECT (rows, names, states, the focused row as the
// cursor moves), the side bar and drive bar buttons, and the keyboard help
// dialog in both languages.
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include "filelist/key_help.h"
#include "filelist/key_table.h"
#include "list_fixture.h"
#include "resource_ids.h"

namespace tarvelo::e2e {
namespace {

using namespace std::chrono_literals;

struct ComScope {
    ComScope() { CoInitialize(nullptr); }
    ~ComScope() { CoUninitialize(); }
};

struct Accessible {
    IAccessible* object = nullptr;
    explicit Accessible(HWND window) {
        if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                              reinterpret_cast<void**>(&object)))) {
            object = nullptr;
        }
    }
    ~Accessible() {
        if (object) object->Release();
    }
    Accessible(const Accessible&) = delete;
    Accessible& operator=(const Accessible&) = delete;

    static VARIANT child(LONG id) {
        VARIANT v;
        VariantInit(&v);
        v.vt = VT_I4;
        v.lVal = id;
        return v;
    }
    LONG count() const {
        LONG n = -1;
        object->get_accChildCount(&n);
        return n;
    }
    std::wstring name(LONG id) const {
        BSTR text = nullptr;
        if (FAILED(object->get_accName(child(id), &text)) || !text) return L"<none>";
        std::wstring s(text, SysStringLen(text));
        SysFreeString(text);
        return s;
    }
    LONG role(LONG id) const {
        VARIANT v;
        VariantInit(&v);
        object->get_accRole(child(id), &v);
        return v.vt == VT_I4 ? v.lVal : -1;
    }
    LONG state(LONG id) const {
        VARIANT v;
        VariantInit(&v);
        object->get_accState(child(id), &v);
        return v.vt == VT_I4 ? v.lVal : 0;
    }
    LONG focus() const {
        VARIANT v;
        VariantInit(&v);
        if (object->get_accFocus(&v) != S_OK) return -1;
        return v.vt == VT_I4 ? v.lVal : -1;
    }
};

std::string narrow(const std::wstring& s) {
    std::string out;
    for (wchar_t c : s) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

struct Running {
    ListFixture f;
    TarveloApp app;
    explicit Running(const std::wstring& name, const std::vector<std::wstring>& env = {})
        : f(name), app(f.box, L"\"" + f.data + L"\\\"", env) {}
    bool ready() {
        if (!app.waitForMainWindow()) return false;
        bringToFront(app.mainWindow());
        return waitForCursorPath(f.data + L"\\..");
    }
};

TEST(Accessibility, ListRowsNamesStatesAndTheFocusedRowFollowTheCursor) {
    ComScope com;
    Running r(L"msaa");
    ASSERT_TRUE(r.ready());
    HWND list = GetDlgItem(r.app.mainWindow(), IDC_LIST);
    ASSERT_NE(list, nullptr);
    Accessible acc(list);
    ASSERT_NE(acc.object, nullptr) << "no accessible object from WM_GETOBJECT";

    EXPECT_EQ(acc.role(CHILDID_SELF), ROLE_SYSTEM_LIST);
    EXPECT_NE(acc.name(CHILDID_SELF).find(r.f.data), std::wstring::npos) << narrow(acc.name(CHILDID_SELF));
    // .., alpha, beta, a1.txt, b2.txt, c3.txt
    ASSERT_EQ(acc.count(), 6);
    const struct {
        LONG child;
        const wchar_t* name;
    } rows[] = {
        {1, L".., Parent Folder"}, {2, L"alpha, Folder"}, {3, L"beta, Folder"},
        {4, L"a1.txt, File, 300 bytes"}, {5, L"b2.txt, File, 100 bytes"}, {6, L"c3.txt, File, 200 bytes"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(narrow(acc.name(row.child)), narrow(row.name)) << "child " << row.child;
        EXPECT_EQ(acc.role(row.child), ROLE_SYSTEM_LISTITEM);
    }
    EXPECT_EQ(acc.focus(), 1);
    EXPECT_TRUE(acc.state(1) & STATE_SYSTEM_FOCUSED);

    // Down: the focus moves to alpha; Space selects it and moves on to beta.
    pressKey(VK_DOWN);
    EXPECT_TRUE(waitUntil([&] { return acc.focus() == 2; }, 5s)) << "focus " << acc.focus();
    EXPECT_TRUE(acc.state(2) & STATE_SYSTEM_FOCUSED);
    EXPECT_FALSE(acc.state(1) & STATE_SYSTEM_FOCUSED);
    pressKey(VK_SPACE);
    EXPECT_TRUE(waitUntil([&] { return acc.focus() == 3; }, 5s)) << "focus " << acc.focus();
    EXPECT_TRUE(acc.state(2) & STATE_SYSTEM_SELECTED);
    EXPECT_FALSE(acc.state(3) & STATE_SYSTEM_SELECTED);
    // Child ids out of range are refused, not read past the rows.
    BSTR text = nullptr;
    EXPECT_EQ(acc.object->get_accName(Accessible::child(7), &text), E_INVALIDARG);

    // The bars: Register, Release and the folders; one button per drive.
    Accessible side(GetDlgItem(r.app.mainWindow(), IDC_SIDE_BAR));
    ASSERT_NE(side.object, nullptr);
    EXPECT_EQ(side.role(CHILDID_SELF), ROLE_SYSTEM_TOOLBAR);
    ASSERT_GE(side.count(), 2);
    EXPECT_EQ(narrow(side.name(1)), "Register");
    EXPECT_EQ(narrow(side.name(2)), "Release");
    EXPECT_EQ(side.role(1), ROLE_SYSTEM_PUSHBUTTON);
    Accessible drives(GetDlgItem(r.app.mainWindow(), IDC_DRIVE_BAR));
    ASSERT_NE(drives.object, nullptr);
    ASSERT_GE(drives.count(), 1);
    bool driveC = false;
    for (LONG i = 1; i <= drives.count(); ++i) driveC = driveC || drives.name(i).find(L"C:") != std::wstring::npos;
    EXPECT_TRUE(driveC);
}

HWND findDialogTitled(DWORD pid, const std::wstring& title) {
    struct Search {
        DWORD pid;
        const std::wstring* title;
        HWND found;
    } s{pid, &title, nullptr};
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == s->pid && IsWindowVisible(w) && windowText(w) == *s->title) {
                s->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.found;
}

void expectKeyboardHelp(const wchar_t* title, const wchar_t* shot, UiLanguage language) {
    Running r(std::wstring(L"keyhelp-") + shot);
    ASSERT_TRUE(r.ready());
    PostMessageW(r.app.mainWindow(), WM_COMMAND, IDM_KEYBOARD_SHORTCUTS, 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (dialog = findDialogTitled(r.app.processId(), title)) != nullptr; }, 10s));
    HWND list = GetDlgItem(dialog, IDC_KEYHELP_LIST);
    ASSERT_NE(list, nullptr);
    // One row per help line: the table's lines (Alt+F4 joins Esc's line).
    const auto lines = filelist::keyHelpLines(filelist::keyTable(), [](int id) { return std::to_wstring(id); }, language);
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), static_cast<LRESULT>(lines.size()));
    screenshot(dialog, shot);
    SendMessageW(list, LVM_ENSUREVISIBLE, lines.size() - 1, FALSE);
    screenshot(dialog, std::wstring(shot) + L"-end");
    clickButton(dialog, IDCANCEL);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }, 5s));
    EXPECT_TRUE(r.app.responsive());
}

TEST(Accessibility, KeyboardHelpListsTheKeyTable) {
    expectKeyboardHelp(L"Keyboard Shortcuts", L"keyboard-help-english", UiLanguage::English);
}

TEST(Accessibility, KeyboardHelpJapanese) {
    expectKeyboardHelp(L"キーボードショートカット", L"keyboard-help-japanese", UiLanguage::Japanese);
}

}  // namespace
}  // namespace tarvelo::e2e
