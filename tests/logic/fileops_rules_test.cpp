// The rules of the file commands that decide names and texts: where an item
// goes, the "_copied" name, the typed destination, paste splitting, the
// folder dialog's text rules and the report text.
#include <gtest/gtest.h>

#include <set>

#include "fileops/folder_spec_rules.h"
#include "fileops/item_rules.h"
#include "fileops/operation_texts.h"

namespace tarvelo::fileops {
namespace {

TEST(FileopsRules, TargetNamesFollowTheExtensionRules) {
    struct Case {
        const wchar_t* destination;
        const wchar_t* source;
        const wchar_t* target;
    } cases[] = {
        {L"D:\\backup", L"C:\\a\\report.txt", L"D:\\backup\\report.txt"},
        {L"D:\\backup", L"C:\\a\\my.data", L"D:\\backup\\my.data"},
        {L"D:\\backup", L"C:\\a\\.profile", L"D:\\backup\\.profile"},
        {L"D:\\backup", L"C:\\a\\Makefile", L"D:\\backup\\Makefile"},
        {L"C:", L"D:\\x\\a.b.c", L"C:\\a.b.c"},
        {L"\\\\srv\\share", L"C:\\日本語\\写真.jpg", L"\\\\srv\\share\\写真.jpg"},
    };
    for (const Case& c : cases) EXPECT_EQ(targetPath(c.destination, c.source), c.target) << c.source;
}

TEST(FileopsRules, CopiedNameNeverReplacesAnEarlierCopy) {
    std::set<std::wstring> existing;
    const ExistsQuery exists = [&](const std::wstring& p) { return existing.count(p) > 0; };
    struct Case {
        const wchar_t* source;
        const wchar_t* first;
        const wchar_t* second;
    } cases[] = {
        {L"C:\\a\\report.txt", L"C:\\a\\report_copied.txt", L"C:\\a\\report_copied2.txt"},
        {L"C:\\a\\my.data", L"C:\\a\\my_copied.data", L"C:\\a\\my_copied2.data"},
        {L"C:\\a\\.profile", L"C:\\a\\.profile_copied", L"C:\\a\\.profile_copied2"},
        {L"C:\\a\\README", L"C:\\a\\README_copied", L"C:\\a\\README_copied2"},
    };
    for (const Case& c : cases) {
        existing.clear();
        EXPECT_EQ(copiedTarget(c.source, exists), c.first);
        existing.insert(c.first);
        EXPECT_EQ(copiedTarget(c.source, exists), c.second);
        existing.insert(c.second);
        EXPECT_NE(copiedTarget(c.source, exists), c.second);
    }
    EXPECT_EQ(copiedTarget(L"C:\\x.txt", [](const std::wstring&) { return true; }), L"");
}

TEST(FileopsRules, DestinationTextAndRootForm) {
    EXPECT_FALSE(destinationAccepted(L""));
    EXPECT_FALSE(destinationAccepted(L"backup"));
    EXPECT_TRUE(destinationAccepted(L"D:\\work"));
    EXPECT_TRUE(destinationAccepted(L"\\\\srv\\share"));
    EXPECT_EQ(normalizeDestination(L"C:\\"), L"C:");
    EXPECT_EQ(normalizeDestination(L"C:\\a\\..\\b"), L"C:\\a\\b");
    EXPECT_EQ(normalizeDestination(L"D:\\work"), L"D:\\work");
}

TEST(FileopsRules, FolderIntoItselfIsRecognised) {
    struct Case {
        const wchar_t* source;
        const wchar_t* target;
        bool inside;
    } cases[] = {
        {L"C:\\a", L"C:\\a", true},
        {L"C:\\a", L"c:\\A\\b\\a", true},
        {L"C:\\a\\", L"C:\\a\\a", true},
        {L"C:\\a", L"C:\\ab\\a", false},
        {L"C:\\a\\b", L"C:\\a", false},
    };
    for (const Case& c : cases) EXPECT_EQ(targetInsideSource(c.source, c.target), c.inside) << c.target;
}

TEST(FileopsRules, PastedTextSplitsIntoPaths) {
    struct Case {
        const wchar_t* text;
        std::vector<std::wstring> paths;
    } cases[] = {
        {L"C:\\a\\x.txt", {L"C:\\a\\x.txt"}},
        {L"C:\\a\\x.txt\r\nC:\\a\\y.txt", {L"C:\\a\\x.txt", L"C:\\a\\y.txt"}},
        {L"C:\\a\\x.txt\r\n\r\n\"C:\\a b\\y.txt\"\r\n  \r\n", {L"C:\\a\\x.txt", L"C:\\a b\\y.txt"}},
        {L"C:\\a\\x.txt\nC:\\a\\y.txt\n", {L"C:\\a\\x.txt", L"C:\\a\\y.txt"}},
        {L"\r\n\r\n", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(splitPastedPaths(c.text), c.paths) << c.text;
    EXPECT_TRUE(pasteAccepted(L"C:\\x"));
    EXPECT_FALSE(pasteAccepted(L"just words"));
}

TEST(FileopsRules, FolderDialogTextRules) {
    EXPECT_TRUE(isValidFolderText(L"C:\\"));
    EXPECT_FALSE(isValidFolderText(L"C:"));
    EXPECT_FALSE(isValidFolderText(L"C:\\a|b"));
    EXPECT_FALSE(isValidFolderText(std::wstring(260, L'a')));

    TypedText typed = cleanTypedText(L"C:\\a\t*b?");
    EXPECT_EQ(typed.text, L"C:\\ab");
    EXPECT_TRUE(typed.hadForbidden);
    EXPECT_FALSE(cleanTypedText(L"C:\\a\tb").hadForbidden);

    struct Case {
        const wchar_t* text;
        OkAction action;
        const wchar_t* shown;
    } cases[] = {
        {L"backup", OkAction::ShowAndStay, L"D:\\work\\backup"},
        {L"d:", OkAction::ShowAndStay, L"D:\\"},
        {L"", OkAction::Browse, L""},
        {L"E:\\dest", OkAction::Accept, L"E:\\dest"},
        {L"E:\\de|st", OkAction::ShowAndStay, L"d:\\work"},
    };
    for (const Case& c : cases) {
        OkResult r = folderSpecOk(c.text, L"d:\\work");
        EXPECT_EQ(r.action, c.action) << c.text;
        if (c.action != OkAction::Browse) {
            EXPECT_EQ(r.text, c.shown) << c.text;
        }
    }

    const std::vector<std::wstring> history =
        folderHistory({L"c:", L"", L"d:\\x\r\n", L"C:\\", L"relative", L"\\\\srv\\s", L"E:\\a|b"});
    EXPECT_EQ(history, (std::vector<std::wstring>{L"D:\\x", L"C:\\", L"\\\\srv\\s"}));
}

TEST(FileopsRules, ReportAndQuestionTextsInBothLanguages) {
    OperationReport report;
    report.addFailure(L"C:\\a\\写真.jpg");
    const std::wstring list = L"C:\\a\\写真.jpg\r\n\r\n";
    struct Case {
        OperationKind kind;
        UiLanguage lang;
        std::wstring expected;
    } cases[] = {
        {OperationKind::Copy, UiLanguage::English, L"Failed to Copy (1) items.\r\n\r\n" + list},
        {OperationKind::Copy, UiLanguage::Japanese, L"( 1 個 ) のファイルコピーに失敗しました。\r\n\r\n" + list},
        {OperationKind::Move, UiLanguage::English, L"Failed to Move (1) files.\r\n\r\n" + list},
        {OperationKind::Move, UiLanguage::Japanese, L"( 1 個 ) のファイル移動に失敗しました。\r\n\r\n" + list},
        {OperationKind::Delete, UiLanguage::English, L"Failed to Delete (1) items.\r\n\r\n" + list},
        {OperationKind::Delete, UiLanguage::Japanese, L"( 1 個 ) の削除に失敗しました。\r\n\r\n" + list},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(reportText(operationTexts(c.kind, c.lang).failure, report), c.expected);
    }
    const OperationTexts move = operationTexts(OperationKind::Move, UiLanguage::English);
    EXPECT_EQ(fillPattern(move.pair, 0, L"A", L"B"), L"Move Source :\r\nA\r\nMove Destination :\r\nB\r\n");
    EXPECT_EQ(fillPattern(deleteTexts(UiLanguage::Japanese).recycleBin, 3),
              L"選択されたアイテム ( 3 個 ) を ゴミ箱に移動 します。");
    EXPECT_EQ(fillPattern(pasteTexts(UiLanguage::English).question, 2), L"Paste copied items (2).");
    EXPECT_EQ(std::wstring(operationTexts(OperationKind::Paste, UiLanguage::Japanese).caption), L"ペースト");
}

}  // namespace
}  // namespace tarvelo::fileops
