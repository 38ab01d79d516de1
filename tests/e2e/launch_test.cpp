// Starting other programs: X with the association table, Ctrl+Enter
// through the shell, Command Execution, the desktop shortcut, F9, and the
// association editor. A recording stand-in tells what was started, with
// which command line and in which folder.
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>

#include "list_fixture.h"

namespace tarvelo::e2e {
namespace {

using namespace std::chrono_literals;

std::wstring binFolder() {
    wchar_t path[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    std::wstring p(path, n);
    return p.substr(0, p.find_last_of(L'\\') + 1);
}

std::string utf16File(const std::wstring& text) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>((c >> 8) & 0xFF);
    }
    return bytes;
}

// The ExtAppData data file with rows 1.. as given, the rest empty.
std::string extAppData(const std::vector<std::wstring>& rows) {
    std::wstring text = L"#\r\n# [ExtAppData]\r\n#\r\n";
    for (int n = 1; n <= 30; ++n) {
        text += (n < 10 ? L"ExtApp_0" : L"ExtApp_") + std::to_wstring(n) + L"=";
        if (n <= static_cast<int>(rows.size())) text += rows[static_cast<size_t>(n - 1)];
        text += L"\r\n";
    }
    return utf16File(text);
}

// A file class key, removed again when the test ends. Written to the
// machine's classes: Wine does not merge the user's into HKCR.
class ClassKey {
public:
    explicit ClassKey(std::wstring name) : name_(L"Software\\Classes\\" + std::move(name)) {}
    ~ClassKey() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, name_.c_str()); }
    ClassKey(const ClassKey&) = delete;
    ClassKey& operator=(const ClassKey&) = delete;
    bool set(const std::wstring& sub, const std::wstring& value) const {
        const std::wstring path = sub.empty() ? name_ : name_ + L"\\" + sub;
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
            ERROR_SUCCESS) {
            return false;
        }
        const LSTATUS r = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                         static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
        return r == ERROR_SUCCESS;
    }

private:
    std::wstring name_;
};

struct Launching {
    Sandbox box;
    std::wstring docs;      // a folder with a blank and Japanese in its name
    std::wstring recorder;  // the stand-in, copied into the sandbox
    std::wstring record;    // what it writes
    std::wstring text;      // a file for X and the shortcut
    std::wstring other;     // a file of the extension registered with the shell
    std::unique_ptr<TarveloApp> app;

    explicit Launching(const std::wstring& name, const std::vector<std::wstring>& rows = {}) : box(name) {
        docs = box.makeFolder(L"docs 日本");
        docs.pop_back();
        box.makeFolder(L"my tools");
        recorder = box.file(L"my tools\\recorder.exe");
        CopyFileW((binFolder() + L"launch_recorder.exe").c_str(), recorder.c_str(), FALSE);
        record = recorder + L".txt";
        text = docs + L"\\報告 書.TXT";
        other = docs + L"\\sample.tvstand";
        box.writeFile(L"docs 日本\\報告 書.TXT", "hello");
        box.writeFile(L"docs 日本\\sample.tvstand", "stand");
        box.writeFile(L"Tarvelo_ExtAppData.ini", extAppData(rows.empty() ? std::vector<std::wstring>{
                                                                               L".md = other.exe",
                                                                               L".log .txt = " + recorder,
                                                                           }
                                                                         : rows));
        app = std::make_unique<TarveloApp>(box, L"\"" + docs + L"\\\"");
    }
    bool ready() {
        if (!app->waitForMainWindow()) return false;
        bringToFront(app->mainWindow());
        return waitForCursorPath(docs + L"\\..");
    }
    // One key at a time, each waited for: a key read before the last one
    // was handled would step past the entry.
    bool cursorTo(const std::wstring& path) {
        pressKey(VK_HOME);
        if (!waitForCursorPath(docs + L"\\..", 5s)) return false;
        for (int i = 0; i < 3; ++i) {
            const std::wstring before = cursorPath();
            if (before == path) return true;
            pressKey(VK_DOWN);
            if (!waitUntil([&] { return cursorPath() != before; }, 3s)) return false;
        }
        return cursorPath() == path;
    }
    // The recorder's two lines, once it has written them.
    bool waitForRecord(std::wstring& commandLine, std::wstring& folder) {
        if (!waitUntil([&] { return fileExists(record); }, 30s)) return false;
        const std::wstring got = readUtf16File(record);
        const size_t cut = got.find(L'\n');
        if (cut == std::wstring::npos) return false;
        commandLine = got.substr(0, cut);
        folder = got.substr(cut + 1);
        if (!folder.empty() && folder.back() == L'\n') folder.pop_back();
        DeleteFileW(record.c_str());
        return true;
    }
    HWND waitForDialog(const std::wstring& caption) {
        HWND found = nullptr;
        waitUntil([&] {
            found = app->findMessageBox();
            return found && windowText(found) == caption;
        }, 20s);
        if (!found) screenshot(GetDesktopWindow(), L"launch-no-dialog");
        return found;
    }
    void shoot(HWND dialog, const std::wstring& name) {
        waitUntil([&] { return IsWindowVisible(GetDlgItem(dialog, IDCANCEL)) != FALSE; }, 5s);
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_BLOCK, 2000, &ignored);
        Sleep(150);  // Wine draws another process's buttons a moment after the ping
        screenshot(dialog, name);
    }
    bool idle() {
        return waitUntil([&] { return app->responsive() && app->findMessageBox() == nullptr; }, 15s);
    }
};

TEST(Launch, AssociatedOpenAndCommandExecutionStartWholePaths) {
    Launching l(L"launch-run");
    const ClassKey extension(L".tvstand");
    const ClassKey progId(L"Tarvelo.TestStandin");
    ASSERT_TRUE(extension.set(L"", L"Tarvelo.TestStandin"));
    ASSERT_TRUE(progId.set(L"shell\\open\\command", L"\"" + l.recorder + L"\" \"%1\""));
    ASSERT_TRUE(l.ready());
    std::wstring line, folder;

    // X: the one candidate (row 2, ".log .txt", matched ignoring case) runs
    // with both paths quoted, in the listed folder.
    ASSERT_TRUE(l.cursorTo(l.text));
    pressKey('X');
    ASSERT_TRUE(l.waitForRecord(line, folder)) << "X started nothing";
    EXPECT_EQ(line, L"\"" + l.recorder + L"\" \"" + l.text + L"\"");
    EXPECT_EQ(folder, l.docs);

    // Ctrl+Enter: the shell's open of the registered extension.
    ASSERT_TRUE(l.idle());
    ASSERT_TRUE(l.cursorTo(l.other));
    pressKey(VK_RETURN, true);
    ASSERT_TRUE(l.waitForRecord(line, folder)) << "Ctrl+Enter started nothing";
    EXPECT_NE(line.find(l.other), std::wstring::npos) << testing::PrintToString(line);

    // Ctrl+X offers the cursor entry's path quoted (it has a blank); the
    // typed line runs as typed, in the listed folder.
    ASSERT_TRUE(l.idle());
    ASSERT_TRUE(l.cursorTo(l.text));
    pressKey('X', true);
    HWND dialog = l.waitForDialog(L"Command Execution");
    ASSERT_NE(dialog, nullptr);
    HWND field = GetDlgItem(dialog, 1003);
    EXPECT_EQ(windowText(field), L"\"" + l.text + L"\"");
    const std::wstring typed = L"\"" + l.recorder + L"\" one \"two three\"";
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
    clickButton(dialog, IDOK);
    ASSERT_TRUE(l.waitForRecord(line, folder)) << "Command Execution started nothing";
    EXPECT_EQ(line, typed);
    EXPECT_EQ(folder, l.docs);
    EXPECT_EQ(readFileBytes(l.text), "hello");
}

TEST(Launch, NoCandidateStartsNothingAndTwoOpenAMenu) {
    Launching l(L"launch-menu", {});
    ASSERT_TRUE(l.ready());
    // Replace the table through the editor's file: two programs for .txt,
    // then one entry without a program for .tvstand.
    const std::wstring second = L"\"" + l.recorder + L"\" /second";
    l.box.writeFile(L"Tarvelo_ExtAppData.ini",
                    extAppData({L".txt = " + l.recorder, L".tvstand = ", L".TXT .csv = " + second}));
    PostMessageW(l.app->mainWindow(), WM_COMMAND, 32850, 0);
    HWND editor = l.waitForDialog(L"Setting of Associated Execution");
    ASSERT_NE(editor, nullptr);
    clickButton(editor, IDOK);  // writes the rows back and reloads them
    ASSERT_TRUE(l.idle());

    ASSERT_TRUE(l.cursorTo(l.other));
    pressKey('X');
    Sleep(1500);  // nothing may start: give a wrong start the time to show
    EXPECT_FALSE(fileExists(l.record));

    ASSERT_TRUE(l.cursorTo(l.text));
    pressKey('X');
    // The candidate menu: the second item is the quoted program with its option.
    HWND menu = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (menu = FindWindowW(L"#32768", nullptr)) != nullptr && IsWindowVisible(menu); }, 15s));
    screenshot(GetDesktopWindow(), L"launch-candidate-menu");
    pressKey(VK_DOWN);
    pressKey(VK_DOWN);
    pressKey(VK_RETURN);
    std::wstring line, folder;
    ASSERT_TRUE(l.waitForRecord(line, folder)) << "the menu item started nothing";
    EXPECT_EQ(line, second + L" \"" + l.text + L"\"");
}

TEST(Launch, DesktopShortcutPointsAtTheEntry) {
    Launching l(L"launch-link");
    wchar_t desktop[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop)));
    const std::wstring link = std::wstring(desktop) + L"\\報告 書.TXT.lnk";
    DeleteFileW(link.c_str());
    ASSERT_TRUE(l.ready());

    // The parent entry gets no shortcut.
    PostMessageW(l.app->mainWindow(), WM_COMMAND, 32847, 0);
    ASSERT_TRUE(l.idle());
    EXPECT_FALSE(fileExists(std::wstring(desktop) + L"\\...lnk"));

    ASSERT_TRUE(l.cursorTo(l.text));
    PostMessageW(l.app->mainWindow(), WM_COMMAND, 32847, 0);
    ASSERT_TRUE(waitUntil([&] { return fileExists(link); }, 15s)) << "no shortcut";
    ASSERT_TRUE(l.idle());

    // Read back through the shell link object; the item list keeps
    // non-ASCII targets intact.
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    IShellLinkW* shellLink = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                           reinterpret_cast<void**>(&shellLink))));
    IPersistFile* file = nullptr;
    ASSERT_TRUE(SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))));
    EXPECT_TRUE(SUCCEEDED(file->Load(link.c_str(), STGM_READ)));
    PIDLIST_ABSOLUTE items = nullptr;
    wchar_t target[MAX_PATH] = {};
    EXPECT_TRUE(SUCCEEDED(shellLink->GetIDList(&items)));
    EXPECT_TRUE(items && SHGetPathFromIDListW(items, target));
    EXPECT_EQ(_wcsicmp(target, l.text.c_str()), 0) << testing::PrintToString(std::wstring(target));
    CoTaskMemFree(items);
    file->Release();
    shellLink->Release();
    CoUninitialize();
    DeleteFileW(link.c_str());
    EXPECT_EQ(readFileBytes(l.text), "hello");
}

HWND findSecondCopy(DWORD firstProcess) {
    struct Search {
        DWORD first;
        HWND found;
    } search{firstProcess, nullptr};
    EnumWindows(
        [](HWND w, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid != s->first && windowText(w).find(L"(#2)") != std::wstring::npos) {
                s->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST(Launch, F9StartsASecondCopy) {
    Launching l(L"launch-f9");
    ASSERT_TRUE(l.ready());
    EXPECT_EQ(l.app->title().find(L"(#2)"), std::wstring::npos);
    pressKey(VK_F9);
    HWND second = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (second = findSecondCopy(l.app->processId())) != nullptr; }, 40s));
    DWORD pid = 0;
    GetWindowThreadProcessId(second, &pid);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    ASSERT_NE(process, nullptr);
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 10000);
    CloseHandle(process);
}

// Both dialogs of this room, looked at in each language; the editor's rows
// are edited and written back.
void dialogsAndEditor(const std::wstring& language, const std::wstring& commandCaption,
                      const std::wstring& editorCaption, const std::wstring& registLabel) {
    Launching l(L"launch-dialogs-" + language);
    ASSERT_TRUE(l.ready());
    ASSERT_TRUE(l.cursorTo(l.text));
    pressKey('X', true);
    HWND command = l.waitForDialog(commandCaption);
    ASSERT_NE(command, nullptr);
    l.shoot(command, L"launch-command-execution-" + language);
    clickButton(command, IDCANCEL);
    ASSERT_TRUE(l.idle());

    PostMessageW(l.app->mainWindow(), WM_COMMAND, 32850, 0);
    HWND editor = l.waitForDialog(editorCaption);
    ASSERT_NE(editor, nullptr);
    HWND list = GetDlgItem(editor, 1046);
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 30);
    // Row 2 selected: its texts go into the fields and the button names it.
    // (By keys: list-view messages with pointers do not cross processes.)
    bringToFront(editor);
    pressKey(VK_HOME);
    bool onRow2 = false;
    for (int i = 0; i < 3 && !onRow2; ++i) {
        pressKey(VK_DOWN);
        onRow2 = waitUntil([&] { return windowText(GetDlgItem(editor, 1003)) == L".log .txt"; }, 3s);
    }
    ASSERT_TRUE(onRow2);
    EXPECT_EQ(windowText(GetDlgItem(editor, 1017)), l.recorder);
    EXPECT_EQ(windowText(GetDlgItem(editor, 1004)), registLabel);
    const std::wstring extensions = L".log .txt .md";
    SendMessageW(GetDlgItem(editor, 1003), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(extensions.c_str()));
    clickButton(editor, 1004);
    l.shoot(editor, L"launch-association-editor-" + language);
    clickButton(editor, IDOK);
    ASSERT_TRUE(l.idle());
    const std::wstring stored = readUtf16File(l.box.file(L"Tarvelo_ExtAppData.ini"));
    EXPECT_NE(stored.find(L"ExtApp_01=.md = other.exe\r\n"), std::wstring::npos) << testing::PrintToString(stored);
    EXPECT_NE(stored.find(L"ExtApp_02=.log .txt .md = " + l.recorder + L"\r\n"), std::wstring::npos);
    EXPECT_NE(stored.find(L"ExtApp_30=\r\n"), std::wstring::npos);
}

TEST(Launch, DialogsAndEditorEnglish) {
    dialogsAndEditor(L"en", L"Command Execution", L"Setting of Associated Execution", L"Regist 02");
}

TEST(Launch, DialogsAndEditorJapanese) {
    dialogsAndEditor(L"ja", L"コマンド実行", L"拡張子関連付け実行の設定", L"02 に登録");
}

}  // namespace
}  // namespace tarvelo::e2e
