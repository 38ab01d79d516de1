#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "launch/ext_app_editor_rows.h"
#include "launch/ext_app_entry.h"
#include "launch/launch_command_lines.h"

namespace tarvelo::launch {
namespace {

const std::vector<std::wstring> kDefaults = {
    L".txt = notepad.exe",
    L".bat .cmd .ini .log = notepad.exe",
    L".html .css .js .json = notepad.exe",
    L".zip .7z .rar = ",
    L".mp4 .mp3 .avi .wav .wmv = ",
};

std::wstring seventeenExtensions() {
    std::wstring list;
    for (int i = 1; i <= 17; ++i) list += L".e" + std::to_wstring(i) + L" ";
    return list + L"= many.exe";
}

TEST(ExtAppMatching, CandidatesInTableOrder) {
    const std::wstring lone(1, static_cast<wchar_t>(0xD800));
    struct Case {
        const char* what;
        std::vector<std::wstring> table;
        std::wstring extension;
        bool folder;
        std::vector<std::wstring> expected;
    };
    const Case cases[] = {
        {"whole list, case ignored", kDefaults, L".TXT", false, {L"notepad.exe"}},
        {"one of a blank list", kDefaults, L".json", false, {L"notepad.exe"}},
        {"first of a blank list", kDefaults, L".html", false, {L"notepad.exe"}},
        {"entry without a program", kDefaults, L".zip", false, {}},
        {"unknown extension", kDefaults, L".md", false, {}},
        {"no extension", kDefaults, L"", false, {}},
        {"folders never match", kDefaults, L".txt", true, {}},
        {"two entries, table order", {L".txt = b.exe", L".md = x.exe", L".TXT .log = a.exe"}, L".txt", false,
         {L"b.exe", L"a.exe"}},
        {"listed twice in one entry adds once", {L".c .h .c = cc.exe"}, L".c", false, {L"cc.exe"}},
        {"16th extension counts", {seventeenExtensions()}, L".e16", false, {L"many.exe"}},
        {"17th extension ignored", {seventeenExtensions()}, L".e17", false, {}},
        {"double blanks do not use up the limit", {L".a  .b  .c = t.exe"}, L".c", false, {L"t.exe"}},
        {"trimmed program with blanks and Japanese", {L" .txt =  C:\\プログラム\\my editor.exe  "}, L".txt", false,
         {L"C:\\プログラム\\my editor.exe"}},
        {"quoted program kept as written", {L".txt = \"C:\\Ed\\ed.exe\" /r"}, L".txt", false,
         {L"\"C:\\Ed\\ed.exe\" /r"}},
        {"missing separator skipped, rest kept", {L".txt notepad.exe", L".txt = ok.exe"}, L".txt", false,
         {L"ok.exe"}},
        {"broken surrogate skipped, rest kept", {L".txt = a" + lone + L".exe", L".txt = ok.exe"}, L".txt", false,
         {L"ok.exe"}},
        {"over-long entry skipped, rest kept",
         {L".txt = " + std::wstring(kMaxExtAppEntryLength, L'a'), L".txt = ok.exe"}, L".txt", false, {L"ok.exe"}},
        {"control character skipped", {L".txt = a\x01.exe"}, L".txt", false, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(findCandidates(c.table, c.extension, c.folder), c.expected) << c.what;
    }
}

TEST(ExtAppMatching, SplitAndWrittenForm) {
    struct Case {
        std::wstring text;
        bool valid;
        std::wstring extensions;
        std::wstring program;
        std::wstring written;
    };
    const Case cases[] = {
        {L".txt = notepad.exe", true, L".txt", L"notepad.exe", L".txt = notepad.exe"},
        {L"  .bat .cmd=x.exe ", true, L".bat .cmd", L"x.exe", L".bat .cmd = x.exe"},
        {L".zip .7z = ", true, L".zip .7z", L"", L".zip .7z = "},
        {L".a = b = c", true, L".a", L"b = c", L".a = b = c"},  // only the first "=" separates
        {L" = prog.exe", true, L"", L"prog.exe", L""},
        {L"no separator", false, L"", L"", L""},
        {L"", false, L"", L"", L""},
    };
    for (const Case& c : cases) {
        const auto entry = splitExtAppEntry(c.text);
        ASSERT_EQ(entry.has_value(), c.valid) << testing::PrintToString(c.text);
        if (!entry) continue;
        EXPECT_EQ(entry->extensions, c.extensions);
        EXPECT_EQ(entry->program, c.program);
        EXPECT_EQ(writtenExtAppEntry(*entry), c.written);
    }
}

TEST(LaunchCommandLines, CandidateLinesQuoteProgramAndPath) {
    struct Case {
        std::wstring program;
        std::wstring path;
        std::optional<std::wstring> expected;
    };
    const std::wstring longPath = L"C:\\" + std::wstring(kMaxCommandLine, L'a') + L".txt";
    const Case cases[] = {
        {L"notepad.exe", L"C:\\docs\\readme.TXT", L"\"notepad.exe\" \"C:\\docs\\readme.TXT\""},
        {L"C:\\Program Files\\エディタ\\ed.exe", L"C:\\my docs\\日本 語.txt",
         L"\"C:\\Program Files\\エディタ\\ed.exe\" \"C:\\my docs\\日本 語.txt\""},
        {L"\"C:\\Ed\\ed.exe\" /r", L"C:\\a b.txt", L"\"C:\\Ed\\ed.exe\" /r \"C:\\a b.txt\""},
        // A trailing backslash would escape the closing quote.
        {L"C:\\tools\\", L"C:\\", L"\"C:\\tools\\\\\" \"C:\\\\\""},
        {L"", L"C:\\a.txt", std::nullopt},
        {L"notepad.exe", L"", std::nullopt},
        {L"notepad.exe", L"C:\\a\".txt", std::nullopt},
        {L"notepad.exe", longPath, std::nullopt},  // never cut: a cut path names another file
    };
    for (const Case& c : cases) {
        EXPECT_EQ(candidateCommandLine(c.program, c.path), c.expected) << testing::PrintToString(c.path);
    }
}

TEST(LaunchCommandLines, CommandExecutionTexts) {
    EXPECT_EQ(initialCommandText(L"C:\\a\\..", 0, 3), L"cmd");  // first entry (the parent entry)
    EXPECT_EQ(initialCommandText(L"C:\\a\\b.bat", 1, 3), L"C:\\a\\b.bat");
    EXPECT_EQ(initialCommandText(L"C:\\my files\\b.bat", 2, 3), L"\"C:\\my files\\b.bat\"");
    EXPECT_EQ(initialCommandText(L"C:\\a\\b.bat", 3, 3), L"cmd");  // cursor past the list
    EXPECT_EQ(initialCommandText(L"", 1, 3), L"cmd");

    struct Case {
        std::wstring typed;
        std::optional<std::wstring> expected;
    };
    const Case cases[] = {
        {L"***", L"cmd"},
        {L"", L"cmd"},
        {L"   ", L"cmd"},
        {L"dir *** /b", L"dir *** /b"},
        {L"\"C:\\my tools\\x.exe\" -v", L"\"C:\\my tools\\x.exe\" -v"},
        {std::wstring(kMaxCommandLine - 1, L'a'), std::wstring(kMaxCommandLine - 1, L'a')},
        {std::wstring(kMaxCommandLine, L'a'), std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(typedCommandLine(c.typed), c.expected) << testing::PrintToString(c.typed);

    EXPECT_EQ(shortcutPath(L"C:\\Users\\me\\Desktop", L"C:\\a\\報告 書.txt"), L"C:\\Users\\me\\Desktop\\報告 書.txt.lnk");
    EXPECT_EQ(shortcutPath(L"C:\\Desk\\", L"C:\\a\\folder"), L"C:\\Desk\\folder.lnk");
}

TEST(ExtAppEditorRows, EditMoveRemoveAndWriteBack) {
    std::array<std::wstring, kExtAppRows> stored{};
    stored[0] = L".txt = notepad.exe\r\n";
    stored[1] = L"garbage without separator";
    stored[2] = L".zip = ";
    ExtAppEditorRows rows;
    rows.load(stored);
    EXPECT_EQ(rows.row(0).program, L"notepad.exe");
    EXPECT_TRUE(rows.isEmpty(1));
    EXPECT_FALSE(rows.isEmpty(2));

    EXPECT_FALSE(rows.moveUp(0));
    EXPECT_FALSE(rows.moveDown(kExtAppRows - 1));
    EXPECT_TRUE(rows.moveDown(0));  // contents move, numbers stay
    EXPECT_TRUE(rows.isEmpty(0));
    EXPECT_EQ(rows.row(1).extensions, L".txt");
    EXPECT_TRUE(rows.moveUp(1));
    EXPECT_EQ(rows.row(0).extensions, L".txt");

    EXPECT_TRUE(rows.regist(5, L" .md=.markdown ", L" C:\\My Apps\\typora.exe "));
    EXPECT_EQ(rows.row(5).extensions, L".md .markdown");
    EXPECT_EQ(rows.row(5).program, L"C:\\My Apps\\typora.exe");
    EXPECT_TRUE(rows.regist(6, L"", L"lost.exe"));  // no extensions: no program either
    EXPECT_TRUE(rows.isEmpty(6));
    EXPECT_FALSE(rows.regist(kExtAppRows, L".x", L"x.exe"));

    EXPECT_TRUE(rows.clear(2));
    const auto written = rows.written();
    EXPECT_EQ(written[0], L".txt = notepad.exe");
    EXPECT_EQ(written[1], L"");
    EXPECT_EQ(written[2], L"");
    EXPECT_EQ(written[5], L".md .markdown = C:\\My Apps\\typora.exe");

    EXPECT_EQ(registButtonText(UiLanguage::English, 4), L"Regist 05");
    EXPECT_EQ(registButtonText(UiLanguage::Japanese, 29), L"30 に登録");
    EXPECT_EQ(removeRowQuestion(UiLanguage::English, 0), L"Delete the listing for [ No.01 ]. Are you sure?");
}

}  // namespace
}  // namespace tarvelo::launch
