// Search-select and filtering by strings: term splitting, matching over a
// listing, the dialog's history, the feature switches and the bar fields.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "filelist/folder_listing.h"
#include "filelist/string_bar_layout.h"
#include "filelist/string_features.h"
#include "filelist/string_history.h"
#include "filelist/string_terms.h"
#include "support/fake_folder_reader.h"

namespace tarvelo::filelist {
namespace {

using Terms = std::vector<std::wstring>;

TEST(SplitTermsTest, Table) {
    const Terms sixteen = {L"w1", L"w2", L"w3",  L"w4",  L"w5",  L"w6",  L"w7",  L"w8",
                           L"w9", L"w10", L"w11", L"w12", L"w13", L"w14", L"w15", L"w16"};
    struct Case {
        std::wstring text;
        Terms terms;
    };
    const std::vector<Case> cases = {
        {L"", {}},
        {L"   ", {}},
        {L"***", {}},
        {L"abc def", {L"abc", L"def"}},
        {L"  abc    def  ", {L"abc", L"def"}},
        {L"a\\sb", {L"a\\sb"}},  // the escape stays in the term, the space it stands for is not a separator
        {L"a b", {L"a", L"b"}},
        {L"ab***c d", {L"abc", L"d"}},
        {L"w1 w2 w3 w4 w5 w6 w7 w8 w9 w10 w11 w12 w13 w14 w15 w16 w17", sixteen},
        {L"検索 文字", {L"検索", L"文字"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(splitTerms(c.text), c.terms) << c.text;
    }
    EXPECT_EQ(joinTerms(splitTerms(L"  x   y z ")), L"x y z");
}

TEST(TermMatcherTest, CaseSensitiveSubstringsWithTheSpaceEscape) {
    struct Case {
        Terms terms;
        std::wstring name;
        bool hit;
    };
    const std::vector<Case> cases = {
        {{L"abc", L"def"}, L"abc_def.txt", true},
        {{L"abc", L"def"}, L"def-abc.log", true},
        {{L"abc", L"def"}, L"abc.txt", false},
        {{L"Abc"}, L"abc.txt", false},
        {{L"a\\sb"}, L"data b.txt", true},
        {{L"a\\sb"}, L"datab.txt", false},
        {{L"\\s"}, L"no-space", false},
        {{}, L"anything", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TermMatcher(c.terms).matches(c.name), c.hit) << c.name;
    }
}

TEST(TypedTermsTest, TheDialogDropsTabsAndEightCharactersButKeepsTheEscape) {
    struct Case {
        std::wstring typed;
        std::wstring kept;
        bool forbidden;
    };
    const std::vector<Case> cases = {
        {L"abc def", L"abc def", false},
        {L"a\\sb", L"a\\sb", false},
        {L"a\tb", L"ab", false},
        {L"abc:", L"abc", true},
        {L"/:*?\"><|x", L"x", true},
    };
    for (const Case& c : cases) {
        const TypedTerms t = cleanTypedTerms(c.typed);
        EXPECT_EQ(t.text, c.kept) << c.typed;
        EXPECT_EQ(t.hadForbidden, c.forbidden) << c.typed;
        EXPECT_EQ(t.changed, c.typed != c.kept) << c.typed;
    }
}

class SelectByTermsTest : public ::testing::Test {
protected:
    void load(bool subfolderMode) {
        listing->clear();
        listing->subfolderMode = subfolderMode;
        listing->currentFolder = L"C:\\w";
        listing->enumerate(reader, L"C:\\w");
        listing->fillDetails(reader);
        listing->sort(1, ListView::MultiColumn);
        listing->markLoaded();
    }
    std::map<std::wstring, bool> marks() const {
        std::map<std::wstring, bool> out;
        for (int i = 0; i < listing->count(); ++i) {
            out[std::wstring(listing->entryAt(i).path())] = listing->entryAt(i).selected != 0;
        }
        return out;
    }
    std::unique_ptr<FolderListing> listing = std::make_unique<FolderListing>();
    test::FakeFolderReader reader;
};

TEST_F(SelectByTermsTest, ReplacesTheSelectionAndNeverSelectsTheParent) {
    reader.addFile(L"C:\\w", L"abc_def.txt");
    reader.addFile(L"C:\\w", L"def-abc.log");
    reader.addFile(L"C:\\w", L"abc.txt");
    reader.addSubfolder(L"C:\\w", L"def abc");
    load(false);
    listing->selectAll();
    EXPECT_EQ(selectByTerms(*listing, splitTerms(L"abc def")), 3);
    const std::map<std::wstring, bool> expected = {{L"C:\\w\\..", false},
                                                   {L"C:\\w\\abc.txt", false},
                                                   {L"C:\\w\\abc_def.txt", true},
                                                   {L"C:\\w\\def abc", true},
                                                   {L"C:\\w\\def-abc.log", true}};
    EXPECT_EQ(marks(), expected);
    // Only ".." matches "..": the parent entry still stays unselected.
    EXPECT_EQ(selectByTerms(*listing, Terms{L".."}), 0);
    // No terms leave the selection alone.
    listing->selectAll();
    EXPECT_EQ(selectByTerms(*listing, Terms{}), 0);
    EXPECT_EQ(listing->totals().selectedFiles, 3);
}

TEST_F(SelectByTermsTest, SubfolderModeTestsTheWholePath) {
    reader.addFile(L"C:\\w", L"top.txt");
    reader.addSubfolder(L"C:\\w", L"photos");
    reader.addFile(L"C:\\w\\photos", L"one.txt");
    load(true);
    EXPECT_EQ(selectByTerms(*listing, Terms{L"photos", L".txt"}), 1);
    EXPECT_TRUE(marks()[L"C:\\w\\photos\\one.txt"]);
    EXPECT_FALSE(marks()[L"C:\\w\\top.txt"]);
}

TEST(StringHistoryTest, LoadSortsAndDropsRepeatsAndLineBreaks) {
    const std::map<std::wstring, std::wstring> stored = {
        {L"String_01", L"zeta"}, {L"String_02", L"Beta\r\n"}, {L"String_03", L"alpha"},
        {L"String_05", L"Beta"}, {L"String_20", L"gamma"},    {L"String_21", L"never read"}};
    const StringHistory h = StringHistory::load([&](const std::wstring& key) {
        auto it = stored.find(key);
        return it == stored.end() ? std::wstring() : it->second;
    });
    EXPECT_EQ(h.items(), (Terms{L"alpha", L"Beta", L"gamma", L"zeta"}));
}

TEST(StringHistoryTest, TwentyOneStringsDropTheAlphabeticallyLastOldOne) {
    std::map<std::wstring, std::wstring> stored;
    for (int i = 1; i <= kStringHistorySize; ++i) {
        // Stored newest-first but not in order: the load sorts them.
        stored[stringHistoryKey(i)] = std::wstring(1, static_cast<wchar_t>(L'a' + (i * 7) % 20)) + L"-old";
    }
    StringHistory h = StringHistory::load([&](const std::wstring& key) { return stored[key]; });
    ASSERT_EQ(h.items().size(), 20u);
    h.enter(L"new");
    const auto out = h.stored();
    ASSERT_EQ(out.size(), 20u);
    EXPECT_EQ(out.front().key, L"String_01");
    EXPECT_EQ(out.front().value, L"new");
    EXPECT_EQ(out[1].value, L"a-old");
    EXPECT_EQ(out.back().key, L"String_20");
    EXPECT_EQ(out.back().value, L"s-old");  // "t-old", the last, is gone
    // A listed or empty text changes nothing; "-" removes an item.
    h.enter(L"a-old");
    h.enter(L"");
    EXPECT_EQ(h.items()[0], L"new");
    EXPECT_EQ(h.items().size(), 21u);
    EXPECT_TRUE(h.remove(L"new"));
    EXPECT_FALSE(h.remove(L"new"));
    EXPECT_EQ(h.stored().front().value, L"a-old");
}

TEST(StringFeaturesTest, SwitchesFollowTheTexts) {
    StringFeatures f;
    EXPECT_TRUE(f.searchMarks().empty());
    f.toggleHighlight();  // nothing to highlight: stays off
    EXPECT_FALSE(f.searchHighlight());
    EXPECT_FALSE(f.toggleFiltering());
    EXPECT_FALSE(f.filteringOn());

    f.acceptSearch(L" abc   a\\sb ");
    EXPECT_EQ(f.searchText(), L"abc a\\sb");
    EXPECT_TRUE(f.searchHighlight());
    EXPECT_EQ(f.searchMarks().size(), 2u);
    f.toggleHighlight();
    EXPECT_TRUE(f.searchMarks().empty());
    f.toggleHighlight();
    EXPECT_TRUE(f.searchHighlight());
    f.acceptSearch(L"***");  // OK with an empty text
    EXPECT_EQ(f.searchText(), L"");
    EXPECT_FALSE(f.searchHighlight());
    EXPECT_EQ(searchFieldText(f, UiLanguage::English), L"Search-String: ");

    f.acceptFiltering(L".jpg");
    std::wstring text;
    Terms terms;
    f.loadTerms(text, terms);
    EXPECT_EQ(text, L".jpg");
    EXPECT_EQ(terms, Terms{L".jpg"});
    EXPECT_EQ(filteringFieldText(f, UiLanguage::Japanese), L"フィルタリング文字列: .jpg ");
    EXPECT_TRUE(f.toggleFiltering());  // F2: off, reload
    f.loadTerms(text, terms);
    EXPECT_TRUE(text.empty() && terms.empty());
    EXPECT_TRUE(f.filterMarks().empty());
    EXPECT_EQ(f.filteringText(), L".jpg");  // kept for the next F2
    EXPECT_TRUE(f.toggleFiltering());
    EXPECT_EQ(f.filterMarks().size(), 1u);
}

TEST(StringBarLayoutTest, FieldsEndAtTheRightEdgeWithBoxesBeforeThem) {
    const StringBarLayout l = layoutStringFields(1000, 44, 96, 120, 150);
    ASSERT_TRUE(l.shown);
    EXPECT_EQ(l.searchField, (PixelRect{842, 0, 1000, 22}));
    EXPECT_EQ(l.filterField, (PixelRect{842, 22, 1000, 44}));
    EXPECT_EQ(l.searchBox, (PixelRect{821, 4, 835, 18}));
    EXPECT_EQ(l.filterBox, (PixelRect{821, 26, 835, 40}));
    EXPECT_LT(l.buttonsRight, l.searchBox.left);
    EXPECT_EQ(stringBarPartAt(l, 900, 5), StringBarPart::SearchField);
    EXPECT_EQ(stringBarPartAt(l, 900, 30), StringBarPart::FilterField);
    EXPECT_EQ(stringBarPartAt(l, 825, 10), StringBarPart::SearchBox);
    EXPECT_EQ(stringBarPartAt(l, 825, 30), StringBarPart::FilterBox);
    EXPECT_EQ(stringBarPartAt(l, 838, 10), StringBarPart::None);

    // A long text is cut to half the bar; a narrow bar shows no fields.
    const StringBarLayout wide = layoutStringFields(600, 44, 96, 5000, 10);
    ASSERT_TRUE(wide.shown);
    EXPECT_GE(wide.searchBox.left, 300 - 8);
    const StringBarLayout narrow = layoutStringFields(120, 44, 96, 50, 50);
    EXPECT_FALSE(narrow.shown);
    EXPECT_EQ(narrow.buttonsRight, 120);
    EXPECT_EQ(stringBarPartAt(narrow, 110, 5), StringBarPart::None);
    EXPECT_FALSE(layoutStringFields(1000, 44, 96, 0, 0).shown);
}

}  // namespace
}  // namespace tarvelo::filelist
