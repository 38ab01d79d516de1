#include <gtest/gtest.h>

#include <map>

#include "fileops/attribute_rules.h"
#include "fileops/text_history.h"
#include "fileops/volume_texts.h"

namespace tarvelo::fileops {
namespace {

TEST(AttributeRules, ExactlyTheFourFlags) {
    EXPECT_EQ(attributeChoice(0x01 | 0x20 | 0x10 | 0x800), (AttributeChoice{true, false, false, true}));
    EXPECT_EQ(attributeValue({true, true, false, false}), 0x03u);
    EXPECT_EQ(attributeValue({false, false, true, true}), 0x24u);
    EXPECT_EQ(attributeValue({}), 0u);
}

TEST(VolumeTexts, CapacityAndDriveLine) {
    struct Case {
        int64_t bytes;
        const wchar_t* text;
    };
    const Case cases[] = {
        {-5, L"-5 Byte"},           {0, L"0 Byte"},
        {9999, L"9999 Byte"},       {10000, L"0.01 MB"},
        {16777216, L"16.00 MB"},    {1073741824LL, L"1024.00 MB"},
        {1073741825LL, L"1.00 GB"}, {500000000000LL, L"465.66 GB"},
        {1099511627776LL, L"1024.00 GB"}, {2199023255552LL, L"2.00 TB"},
    };
    for (const Case& c : cases) EXPECT_EQ(capacityText(c.bytes), c.text) << c.bytes;
    EXPECT_EQ(driveLine(L"C:\\", L"システム", L"NTFS", 500000000000LL), L"[C:]  システム  (NTFS / 465.66 GB)");
    EXPECT_EQ(driveLine(L"A:\\", L"", L"", 0), L"[A:]    ( / 0 Byte)");
}

TEST(TextHistory, LoadAddRemoveStore) {
    std::map<std::wstring, std::wstring> stored{
        {L"String1_01", L"IMG"}, {L"String1_02", L"a\r\nb"}, {L"String1_03", L"IMG"},
        {L"String1_05", L"写真"}, {L"String1_21", L"beyond"}};
    auto read = [&](const std::wstring& key) {
        auto it = stored.find(key);
        return it == stored.end() ? std::wstring() : it->second;
    };
    TextHistory h = TextHistory::load(read, kReplaceSearchPrefix, kReplaceHistorySize);
    EXPECT_EQ(h.entries(), (std::vector<std::wstring>{L"IMG", L"ab", L"写真"}));
    h.add(L"ab");  // already listed: unchanged
    h.add(L"");
    h.add(L"new");
    EXPECT_EQ(h.entries(), (std::vector<std::wstring>{L"new", L"IMG", L"ab", L"写真"}));
    EXPECT_FALSE(h.remove(L"im"));
    EXPECT_TRUE(h.remove(L"IMG"));

    const auto keys = h.stored(kReplaceSearchPrefix);
    ASSERT_EQ(keys.size(), 20u);
    EXPECT_EQ(keys[0].key, L"String1_01");
    EXPECT_EQ(keys[0].value, L"new");
    EXPECT_EQ(keys[2].value, L"写真");
    EXPECT_EQ(keys[3].value, L"");
    EXPECT_EQ(keys[19].key, L"String1_20");

    // A full history keeps the newest entries.
    TextHistory full = TextHistory::load([](const std::wstring& k) { return L"v" + k; }, kAppendPrefix,
                                         kAppendHistorySize);
    ASSERT_EQ(full.entries().size(), 30u);
    full.add(L"zzz");
    EXPECT_EQ(full.stored(kAppendPrefix).front().value, L"zzz");
    EXPECT_EQ(full.stored(kAppendPrefix).back().value, L"vString_29");
}

}  // namespace
}  // namespace tarvelo::fileops
