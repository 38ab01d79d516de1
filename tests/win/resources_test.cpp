// The resources compiled into Tarvelo.exe, read back per language: menus,
// string tables, the version dialog, the accelerator, the menu bitmaps and
// the program icon. The program is opened as a data file, so the test sees
// exactly what ships.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/unique_handle.h"
#include "resource_ids.h"
#include "shell/menu_icons.h"

using tarvelo::platform::UniqueBitmap;
using tarvelo::platform::UniqueMenu;
using tarvelo::platform::UniqueModule;

namespace {

constexpr WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
constexpr WORD kNeutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);

// The command table: English label, Japanese label, shown key.
struct Label {
    const wchar_t* en;
    const wchar_t* ja;
    const wchar_t* key;
};

const std::map<int, Label>& commandLabels() {
    static const std::map<int, Label> table = {
        {32771, {L"Exit(&Z)", L"アプリケーションの終了(&Z)", L"ESC"}},
        {32772, {L"Select Folder(&F)...", L"フォルダ選択(&F)...", L"Ctrl+BS"}},
        {32773, {L"Version(&A)...", L"バージョン情報(&A)...", nullptr}},
        {IDM_KEYBOARD_SHORTCUTS, {L"Keyboard Shortcuts(&K)...", L"キーボードショートカット(&K)...", nullptr}},
        {32775, {L"Window Top Most(&T)", L"常に手前に表示(&T)", nullptr}},
        {32776, {L"Reload(&R)", L"最新の情報に更新(&R)", L"F5"}},
        {32778, {L"Property(&P)...", L"プロパティ(&P)...", L"Ctrl+P"}},
        {32786, {L"Select All(&A)", L"すべて選択(&A)", L"Ctrl+A"}},
        {32787, {L"Select Reverse(&Z)", L"選択の切り替え(&Z)", L"Ctrl+Z"}},
        {32788, {L"View Mode(&M)", L"マルチカラムモード(&M)", L"F8"}},
        {32789, {L"Parent Folder(U)", L"一つ上のフォルダに移動(U)", L"BS"}},
        {32790, {L"Change Drive", L"ドライブ変更", nullptr}},
        {32791, {L"File Copy(&C)", L"ファイルコピー(&C)", nullptr}},
        {32792, {L"File Move(&M)", L"ファイル移動(&M)", nullptr}},
        {32793, {L"Cancel(&X)", L"キャンセル(&X)", nullptr}},
        {32794, {L"Open File/Folder(&O)", L"ファイル/フォルダを開く(&O)", nullptr}},
        {32795, {L"Copy : Filename(&C)", L"コピー：ファイル名(&C)", L"Ctrl+C"}},
        {32796, {L"Paste(&V)", L"ペースト(&V)", L"Ctrl+V"}},
        {32797, {L"Copy : Fullpath(&B)", L"コピー：フルパス名(&B)", L"Ctrl+B"}},
        {32798, {L"Delete File(&D)...", L"削除(&D)...", L"Ctrl+D , D"}},
        {32799, {L"Make Folder(&K)...", L"フォルダの作成(&K)...", L"Ctrl+K , K"}},
        {32800, {L"Rename(&N)...", L"リネーム(&N)...", L"N"}},
        {32801, {L"Font Setting(&F)...", L"フォント設定(&F)...", nullptr}},
        {32802, {L"New Process(&N)...", L"新しいプロセスを起動する(&N)...", L"F9"}},
        {32804, {L"Timestamp(&T)...", L"タイムスタンプの変更(&T)...", L"T"}},
        {32805, {L"Attribute(&E)...", L"属性の変更(&E)...", L"A"}},
        {32806, {L"Lowercase Rename(&L)...", L"小文字リネーム(&L)...", nullptr}},
        {32807, {L"Uppercase Rename(&U)...", L"大文字リネーム(&U)...", nullptr}},
        {32808, {L"Replace Rename(&H)...", L"置換リネーム(&H)...", L"H"}},
        {32809, {L"Append Rename(&W)...", L"追加リネーム(&W)...", L"W"}},
        {32810, {L"Serial Number Rename(&R)...", L"連番リネーム(&R)...", L"R"}},
        {32811, {L"Clear All(Q)", L"すべてクリア(Q)", L"Ctrl+Q"}},
        {32812, {L"Translucent(&A)", L"ウィンドウを半透明表示(&A)", L"F6"}},
        {32819, {L"Confirm when Exit(&Z)", L"アプリ終了時に確認する(&Z)", nullptr}},
        {32821, {L"Open(&O)...", L"開く(&O)...", L"Ctrl+ENTER"}},
        {32822, {L"Edit File(&E)...", L"ファイル編集(&E)...", L"Shift+ENTER"}},
        {32823, {L"File Copy(&C)...", L"ファイルコピー(&C)...", L"C"}},
        {32824, {L"File Move(&M)...", L"ファイル移動(&M)...", L"M"}},
        {32825, {L"Sound on Complete(&S)", L"完了時に音を鳴らす(&S)", nullptr}},
        {32826, {L"Command Execution(&X)...", L"コマンド実行(&X)...", L"Ctrl+X"}},
        {32827, {L"Striped Row", L"ストライプ", nullptr}},
        {32828, {L"Search and Select Strings(&F)...", L"文字列検索して選択(&F)...", L"Ctrl+F"}},
        {32829, {L"Compress(&P)...", L"圧縮(&P)...", L"P"}},
        {32830, {L"Expand(&U)...", L"解凍(&U)...", L"U"}},
        {32831, {L"Icon(&I)", L"アイコン(&I)", nullptr}},
        {32835, {L"GridLine", L"グリッドライン", nullptr}},
        {32836, {L"Drive Bar(&D)", L"ドライブバー(&D)", nullptr}},
        {32837, {L"Side Bar(&S)", L"サイドバー(&S)", L"F4"}},
        {32838, {L"Map Network Drive(&C)...", L"ネットワークドライブの割り当て(&C)...", nullptr}},
        {32839, {L"Disconnect Network Drives(&D)...", L"ネットワークドライブの切断(&D)...", nullptr}},
        {32840, {L"De-emphasize Search Strings(&G)", L"文字列検索の強調解除(&G)", L"Ctrl+G"}},
        {32841, {L"Copy CreateTime to LastModified(&C)...", L"作成日時を更新日時にコピー(&C)...", nullptr}},
        {32842, {L"Copy LastModified to CreateTime(&M)...", L"更新日時を作成日時にコピー(&M)...", nullptr}},
        {32843, {L"Copy CreateTime to AccessTime(&A)...", L"作成日時をアクセス日時にコピー(&A)...", nullptr}},
        {32844, {L"Copy LastModified to AccessTime(&B)...", L"更新日時をアクセス日時にコピー(&B)...", nullptr}},
        {32845, {L"Associated Execution(&A)", L"拡張子関連付け実行(&A)", L"X"}},
        {32846, {L"Filtering by Strings(&Y)...", L"文字列によるフィルタリング(&Y)...", L"F3 . F2"}},
        {32847, {L"Create Shortcut on Desktop(&S)", L"デスクトップにショートカットを作成(&S)", nullptr}},
        {32849, {L"Change Volume Label(&V)...", L"ボリュームラベルの変更(&V)...", nullptr}},
        {32850, {L"Setting of Associated Execution(&B)...", L"拡張子関連付け実行の設定(&B)...", nullptr}},
        {32851, {L"Between Rename(&O)...", L"任意文字列間の置換リネーム(&O)...", nullptr}},
        {32900, {L"ToolTip(&P)", L"ツールチップ(&P)", nullptr}},
        {32901, {L"Light Blue", L"ライトブルー", nullptr}},
        {32902, {L"High Contrast Black", L"ハイコントラスト (黒)", nullptr}},
        {32903, {L"High Contrast White", L"ハイコントラスト (白)", nullptr}},
        {32904, {L"Light", L"ライト", nullptr}},
        {32905, {L"Dark", L"ダーク", nullptr}},
        {32906, {L"TALVEN", L"TALVEN風", nullptr}},
        {32907, {L"Illuminate Light", L"イルミネイト (ライト)", nullptr}},
        {32908, {L"Illuminate Dark", L"イルミネイト (ダーク)", nullptr}},
    };
    return table;
}

// Menu layouts as id lists: kSep is a separator, a Popup opens a submenu.
constexpr int kSep = 0;
struct Node {
    int id = kSep;                  // command, or kSep
    const wchar_t* popupEn = nullptr;
    const wchar_t* popupJa = nullptr;
    std::vector<Node> children;
};

Node item(int id) { return Node{id, nullptr, nullptr, {}}; }
Node sep() { return Node{}; }
Node popup(const wchar_t* en, const wchar_t* ja, std::vector<Node> children) {
    return Node{-1, en, ja, std::move(children)};
}
std::vector<Node> items(std::initializer_list<int> ids) {
    std::vector<Node> out;
    for (int id : ids) out.push_back(id == kSep ? sep() : item(id));
    return out;
}

std::vector<Node> tool1Items() {
    return items({32798, 32823, 32824, 32799, 32800, 32804, 32805, kSep, 32808, 32809, 32810, kSep,
                  32829, 32830});
}
std::vector<Node> tool2Items() {
    return items({32806, 32807, 32851, kSep, 32841, 32842, 32843, 32844});
}
std::vector<Node> editItems() {
    return items({32795, 32797, 32796, kSep, 32786, 32811, 32787, 32828, 32840});
}

std::vector<Node> mainMenuLayout() {
    std::vector<Node> themes =
        items({32901, 32902, 32903, 32904, 32905, 32906, 32907, 32908, kSep, 32827, 32835});
    std::vector<Node> view = items({32775, 32812});
    view.push_back(popup(L"Color Thema\tF7", L"配色テーマ\tF7", themes));
    for (Node& n : items({32788, 32831, 32900, 32836, 32837, kSep, 32776})) view.push_back(n);
    return {
        popup(L"File(&F)", L"ファイル(&F)",
              items({32821, 32772, 32789, kSep, 32822, 32778, 32847, 32849, kSep, 32826, 32845,
                     32850, kSep, 32771})),
        popup(L"Drive(&D)", L"ドライブ(&D)", items({32790})),
        popup(L"Edit(&E)", L"編集(&E)", editItems()),
        popup(L"Tool1(&T)", L"ツール1(&T)", tool1Items()),
        popup(L"Tool2(&Y)", L"ツール2(&Y)", tool2Items()),
        popup(L"View(&V)", L"表示(&V)", view),
        popup(L"Setting(&S)", L"設定(&S)",
              items({32801, kSep, 32819, 32825, kSep, 32802, kSep, 32838, 32839, kSep, 32846})),
        popup(L"Help(&H)", L"ヘルプ(&H)", items({IDM_KEYBOARD_SHORTCUTS, kSep, 32773})),
    };
}

std::vector<Node> contextMenuItems() {
    std::vector<Node> out = items({32821, 32822, 32778, 32845, kSep});
    out.push_back(popup(L"Tool1(&T)", L"ツール1(&T)", tool1Items()));
    out.push_back(popup(L"Tool2(&Y)", L"ツール2(&Y)", tool2Items()));
    out.push_back(sep());
    for (Node& n : editItems()) out.push_back(n);
    out.push_back(sep());
    out.push_back(item(32776));
    return out;
}

std::wstring labelOf(int id, bool japanese) {
    auto it = commandLabels().find(id);
    if (it == commandLabels().end()) return L"<no label for " + std::to_wstring(id) + L">";
    std::wstring text = japanese ? it->second.ja : it->second.en;
    if (it->second.key) text += std::wstring(L"\t") + it->second.key;
    return text;
}

// One line per item: indentation, then "-" for a separator, "> text" for a
// submenu, "id text" for a command.
void flattenExpected(const std::vector<Node>& nodes, bool japanese, int depth,
                     std::vector<std::wstring>& out) {
    for (const Node& n : nodes) {
        std::wstring indent(static_cast<std::size_t>(depth) * 2, L' ');
        if (n.id == kSep) {
            out.push_back(indent + L"-");
        } else if (n.id < 0) {
            out.push_back(indent + L"> " + (japanese ? n.popupJa : n.popupEn));
            flattenExpected(n.children, japanese, depth + 1, out);
        } else {
            out.push_back(indent + std::to_wstring(n.id) + L" " + labelOf(n.id, japanese));
        }
    }
}

void flattenActual(HMENU menu, int depth, std::vector<std::wstring>& out) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info));
        std::wstring text(info.cch + 1, L'\0');
        info.dwTypeData = text.data();
        info.cch += 1;
        ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info));
        text.resize(info.cch);
        std::wstring indent(static_cast<std::size_t>(depth) * 2, L' ');
        if (info.fType & MFT_SEPARATOR) {
            out.push_back(indent + L"-");
        } else if (info.hSubMenu) {
            out.push_back(indent + L"> " + text);
            flattenActual(info.hSubMenu, depth + 1, out);
        } else {
            out.push_back(indent + std::to_wstring(info.wID) + L" " + text);
        }
    }
}

std::string narrow(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

std::string joined(const std::vector<std::wstring>& lines) {
    std::string out;
    for (const auto& line : lines) out += narrow(line) + "\n";
    return out;
}

// Tarvelo.exe beside the test program, opened for its resources only.
class ResourcesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring exe = path;
        exe = exe.substr(0, exe.find_last_of(L"\\/") + 1) + L"Tarvelo.exe";
        module_ = new UniqueModule(LoadLibraryExW(
            exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    }
    static void TearDownTestSuite() {
        delete module_;
        module_ = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(module_ && *module_)
            << "Tarvelo.exe must be built beside win_tests.exe (build the Tarvelo target)";
    }

    static HMODULE module() { return module_->get(); }

    static const void* resource(LPCWSTR type, int id, WORD lang, DWORD* size = nullptr) {
        HRSRC found = FindResourceExW(module(), type, MAKEINTRESOURCEW(id), lang);
        if (!found) return nullptr;
        HGLOBAL loaded = LoadResource(module(), found);
        if (size) *size = SizeofResource(module(), found);
        return loaded ? LockResource(loaded) : nullptr;
    }

    static UniqueMenu loadMenu(int id, WORD lang) {
        const void* data = resource(RT_MENU, id, lang);
        return UniqueMenu(data ? LoadMenuIndirectW(static_cast<const MENUTEMPLATEW*>(data)) : nullptr);
    }

    // A string of the given language, read from its 16-string block; nullopt
    // is modelled by found = false.
    static std::wstring loadString(int id, WORD lang, bool* found) {
        *found = false;
        DWORD size = 0;
        auto* p = static_cast<const WORD*>(resource(RT_STRING, id / 16 + 1, lang, &size));
        if (!p) return {};
        const WORD* end = p + size / sizeof(WORD);
        for (int i = 0; i < 16 && p < end; ++i) {
            WORD length = *p++;
            if (i == id % 16) {
                if (length == 0 || p + length > end) return {};
                *found = true;
                return std::wstring(reinterpret_cast<const wchar_t*>(p), length);
            }
            p += length;
        }
        return {};
    }

    void expectMenu(int id, WORD lang, const std::vector<Node>& layout) {
        UniqueMenu menu = loadMenu(id, lang);
        ASSERT_TRUE(menu) << "menu " << id << " language " << lang;
        std::vector<std::wstring> expected, actual;
        flattenExpected(layout, lang == kJapanese, 0, expected);
        flattenActual(menu.get(), 0, actual);
        EXPECT_EQ(joined(actual), joined(expected)) << "menu " << id << " language " << lang;
    }

    static UniqueModule* module_;
};

UniqueModule* ResourcesTest::module_ = nullptr;

TEST_F(ResourcesTest, MainMenuInBothLanguages) {
    expectMenu(IDR_MAIN_MENU, kEnglish, mainMenuLayout());
    expectMenu(IDR_MAIN_MENU, kJapanese, mainMenuLayout());
}

TEST_F(ResourcesTest, ContextDropAndPopupMenusInBothLanguages) {
    for (WORD lang : {kEnglish, kJapanese}) {
        expectMenu(IDR_LIST_CONTEXT_MENU, lang, {popup(L"List", L"List", contextMenuItems())});
        expectMenu(IDR_DROP_MENU, lang,
                   {popup(L"Drop", L"Drop", items({32791, 32792, kSep, 32794, kSep, 32793}))});
        // One submenu holding only the placeholder that code replaces.
        expectMenu(IDR_POPUP_MENU, lang, {popup(L"Popup", L"Popup", items({IDM_CHANGE_DRIVE}))});
    }
}

BOOL CALLBACK collectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD lang, LONG_PTR param) {
    reinterpret_cast<std::set<WORD>*>(param)->insert(lang);
    return TRUE;
}

TEST_F(ResourcesTest, MenusDialogAndStringsExistInExactlyTheTwoLanguages) {
    struct Row {
        LPCWSTR type;
        int id;
    };
    const Row rows[] = {
        {RT_MENU, IDR_MAIN_MENU},       {RT_MENU, IDR_LIST_CONTEXT_MENU},
        {RT_MENU, IDR_DROP_MENU},       {RT_MENU, IDR_POPUP_MENU},
        {RT_DIALOG, IDD_VERSION},       {RT_STRING, IDS_LANGUAGE_MARKER / 16 + 1},
        {RT_DIALOG, IDD_KEYBOARD_HELP}, {RT_STRING, IDM_KEYBOARD_SHORTCUTS / 16 + 1},
        {RT_STRING, IDM_EXIT / 16 + 1}, {RT_STRING, IDS_THEME_LAST / 16 + 1},
        {RT_DIALOG, IDD_NAME},          {RT_DIALOG, IDD_REPLACE_NAME},
        {RT_DIALOG, IDD_APPEND_NAME},   {RT_DIALOG, IDD_SERIAL_NAME},
        {RT_DIALOG, IDD_BETWEEN_NAME},  {RT_DIALOG, IDD_TIMESTAMP},
        {RT_DIALOG, IDD_ATTRIBUTE},     {RT_DIALOG, IDD_VOLUME_LABEL},
    };
    for (const Row& row : rows) {
        std::set<WORD> languages;
        EnumResourceLanguagesW(module(), row.type, MAKEINTRESOURCEW(row.id), collectLanguage,
                               reinterpret_cast<LONG_PTR>(&languages));
        EXPECT_EQ(languages, (std::set<WORD>{kEnglish, kJapanese})) << "resource " << row.id;
    }
}

// The plain name of a label: no mnemonic "(&X)" or "(X)", no "...".
std::wstring plainName(std::wstring label) {
    if (auto dots = label.find(L"..."); dots != std::wstring::npos) label.erase(dots, 3);
    for (const wchar_t* form : {L"(&?)", L"(?)"}) {
        std::wstring pattern = form;
        if (label.size() < pattern.size()) continue;
        std::size_t at = label.size() - pattern.size();
        bool match = true;
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            wchar_t c = label[at + i];
            match = match && (pattern[i] == L'?' ? (c >= L'A' && c <= L'Z') : c == pattern[i]);
        }
        if (match) {
            label.erase(at);
            break;
        }
    }
    return label;
}

TEST_F(ResourcesTest, EveryCommandHasItsPlainNameInBothLanguages) {
    for (const auto& [id, label] : commandLabels()) {
        for (WORD lang : {kEnglish, kJapanese}) {
            bool found = false;
            std::wstring text = loadString(id, lang, &found);
            std::wstring expected = plainName(lang == kJapanese ? label.ja : label.en);
            if (id == IDM_NUMBER_RENAME && lang == kEnglish) expected = L"Number Rename";
            EXPECT_TRUE(found) << "string " << id << " language " << lang;
            EXPECT_EQ(narrow(text), narrow(expected)) << "string " << id << " language " << lang;
        }
    }
}

TEST_F(ResourcesTest, NamedStringsPerLanguage) {
    struct Row {
        int id;
        const wchar_t* en;
        const wchar_t* ja;
    };
    const Row rows[] = {
        {IDS_VERSION_MENU, L"Version(&A)...", L"バージョン情報(&A)..."},
        {IDS_LANGUAGE_MARKER, L"EN", L"JP"},
        {IDS_THEME_MENU, L"Color Thema", L"配色テーマ"},
        {IDS_MENU_BAR_ITEM, L"Menu Bar(&B)", L"メニューバー(&B)"},
        {IDM_VIEW_MODE, L"View Mode", L"マルチカラムモード"},
        {IDM_NUMBER_RENAME, L"Number Rename", L"連番リネーム"},
        {IDS_THEME_FIRST, L"Light Blue", L"ライトブルー"},
        {IDS_THEME_FIRST + 1, L"High Contrast Black", L"ハイコントラスト (黒)"},
        {IDS_THEME_FIRST + 5, L"TALVEN", L"TALVEN風"},
        {IDS_THEME_LAST, L"Illuminate Dark", L"イルミネイト (ダーク)"},
    };
    for (const Row& row : rows) {
        bool found = false;
        EXPECT_EQ(narrow(loadString(row.id, kEnglish, &found)), narrow(row.en)) << row.id;
        EXPECT_TRUE(found) << row.id;
        EXPECT_EQ(narrow(loadString(row.id, kJapanese, &found)), narrow(row.ja)) << row.id;
        EXPECT_TRUE(found) << row.id;
    }
}

INT_PTR CALLBACK quietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

TEST_F(ResourcesTest, VersionDialogTemplatePerLanguage) {
    struct Row {
        WORD lang;
        const wchar_t* caption;
    };
    for (const Row& row : {Row{kEnglish, L"Version"}, Row{kJapanese, L"バージョン情報"}}) {
        auto* tmpl = static_cast<LPCDLGTEMPLATEW>(resource(RT_DIALOG, IDD_VERSION, row.lang));
        ASSERT_NE(tmpl, nullptr) << row.lang;
        HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), tmpl, nullptr,
                                                 quietDialogProc, 0);
        ASSERT_NE(dialog, nullptr) << row.lang;
        wchar_t caption[64] = {};
        GetWindowTextW(dialog, caption, 64);
        EXPECT_EQ(narrow(caption), narrow(row.caption));
        for (int control : {IDC_VERSION_FRAME, IDC_VERSION_ICON, IDC_VERSION_TITLE, IDC_VERSION_LINK,
                            IDC_VERSION_NOTE, IDOK}) {
            EXPECT_NE(GetDlgItem(dialog, control), nullptr) << "control " << control;
        }
        wchar_t title[64] = {};
        GetDlgItemTextW(dialog, IDC_VERSION_TITLE, title, 64);
        EXPECT_STREQ(title, L"Tarvelo Version 2.11");
        wchar_t link[128] = {};
        GetDlgItemTextW(dialog, IDC_VERSION_LINK, link, 128);
        EXPECT_EQ(std::wstring(link).rfind(L"https://", 0), 0u) << narrow(link);
        // The link takes clicks; the icon control shows an icon.
        LONG_PTR linkStyle = GetWindowLongPtrW(GetDlgItem(dialog, IDC_VERSION_LINK), GWL_STYLE);
        EXPECT_TRUE(linkStyle & SS_NOTIFY);
        LONG_PTR iconStyle = GetWindowLongPtrW(GetDlgItem(dialog, IDC_VERSION_ICON), GWL_STYLE);
        EXPECT_EQ(iconStyle & SS_TYPEMASK, SS_ICON);
        DestroyWindow(dialog);
    }
}

TEST_F(ResourcesTest, AcceleratorTableHoldsOnlyAltF4ForExit) {
    DWORD size = 0;
    auto* entries = static_cast<const BYTE*>(resource(RT_ACCELERATOR, IDR_ACCELERATORS, kNeutral, &size));
    ASSERT_NE(entries, nullptr);
    // Resource form: WORD flags, WORD key, WORD id, WORD padding; 0x80 marks the last.
    ASSERT_EQ(size, 8u);
    WORD flags = 0, key = 0, id = 0;
    memcpy(&flags, entries, 2);
    memcpy(&key, entries + 2, 2);
    memcpy(&id, entries + 4, 2);
    EXPECT_EQ(flags & ~0x80, FVIRTKEY | FALT);
    EXPECT_TRUE(flags & 0x80);
    EXPECT_EQ(key, VK_F4);
    EXPECT_EQ(id, IDM_EXIT);
}

int luma(COLORREF c) {
    return (299 * GetRValue(c) + 587 * GetGValue(c) + 114 * GetBValue(c)) / 1000;
}

TEST_F(ResourcesTest, EveryMenuBitmapIs16x16AndReadsOnBothMenuBackgrounds) {
    const COLORREF light = RGB(0xF9, 0xF9, 0xF9);
    const COLORREF dark = RGB(0x2B, 0x2B, 0x2B);
    std::set<std::vector<DWORD>> seen;
    for (int id : tarvelo::shell::menuBitmapLoadOrder()) {
        SCOPED_TRACE("bitmap " + std::to_string(id));
        EXPECT_NE(resource(RT_BITMAP, id, kNeutral), nullptr);
        UniqueBitmap bitmap(static_cast<HBITMAP>(
            LoadImageW(module(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        ASSERT_TRUE(bitmap);
        BITMAP info{};
        ASSERT_EQ(GetObjectW(bitmap.get(), sizeof(info), &info), static_cast<int>(sizeof(info)));
        EXPECT_EQ(info.bmWidth, 16);
        EXPECT_EQ(info.bmHeight, 16);
        EXPECT_EQ(info.bmBitsPixel, 24);

        BITMAPINFO header{};
        header.bmiHeader.biSize = sizeof(header.bmiHeader);
        header.bmiHeader.biWidth = 16;
        header.bmiHeader.biHeight = -16;
        header.bmiHeader.biPlanes = 1;
        header.bmiHeader.biBitCount = 32;
        header.bmiHeader.biCompression = BI_RGB;
        std::vector<DWORD> pixels(256);
        HDC screen = GetDC(nullptr);
        int lines = GetDIBits(screen, bitmap.get(), 0, 16, pixels.data(), &header, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        ASSERT_EQ(lines, 16);

        int transparent = 0, visibleOnLight = 0, visibleOnDark = 0, nearMagenta = 0;
        for (DWORD p : pixels) {
            COLORREF c = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
            if (c == RGB(0xFF, 0x00, 0xFF)) {
                ++transparent;
                continue;
            }
            if (GetRValue(c) > 0xD0 && GetGValue(c) < 0x40 && GetBValue(c) > 0xD0) ++nearMagenta;
            if (std::abs(luma(c) - luma(light)) >= 40) ++visibleOnLight;
            if (std::abs(luma(c) - luma(dark)) >= 40) ++visibleOnDark;
        }
        EXPECT_GT(transparent, 0) << "no transparent pixel";
        EXPECT_EQ(nearMagenta, 0) << "a fringe close to the key colour shows as pink";
        EXPECT_GE(visibleOnLight, 24) << "too faint on the light menu";
        EXPECT_GE(visibleOnDark, 24) << "too faint on the dark menu";
        EXPECT_TRUE(seen.insert(pixels).second) << "same picture as another bitmap";
    }
}

TEST_F(ResourcesTest, ProgramIconHoldsEverySize) {
    DWORD size = 0;
    auto* group = static_cast<const BYTE*>(resource(RT_GROUP_ICON, IDI_TARVELO, kNeutral, &size));
    ASSERT_NE(group, nullptr);
    ASSERT_GE(size, 6u);
    WORD count = 0;
    memcpy(&count, group + 4, 2);
    ASSERT_EQ(size, 6u + 14u * count);
    std::set<int> widths;
    for (WORD i = 0; i < count; ++i) {
        const BYTE* entry = group + 6 + 14 * i;
        widths.insert(entry[0] == 0 ? 256 : entry[0]);
        WORD bits = 0;
        memcpy(&bits, entry + 6, 2);
        EXPECT_EQ(bits, 32) << "entry " << i;
    }
    EXPECT_EQ(widths, (std::set<int>{16, 20, 24, 32, 40, 48, 64, 256}));
    for (int px : {16, 32, 48}) {
        HICON icon = static_cast<HICON>(LoadImageW(module(), MAKEINTRESOURCEW(IDI_TARVELO), IMAGE_ICON,
                                                   px, px, 0));
        EXPECT_NE(icon, nullptr) << px;
        if (icon) DestroyIcon(icon);
    }
}

}  // namespace
