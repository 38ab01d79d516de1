#include "shell/view_commands.h"

#include <gtest/gtest.h>

#include "resource_ids.h"
#include "support/fake_byte_file_system.h"
#include "support/fake_ini_store.h"

namespace tarvelo::shell {
namespace {

// Each toggle command flips its own setting, which the exit save stores
// under its key and the next start reads back; nothing else changes.
TEST(ViewCommands, EachToggleFlipsItsSettingAndSurvivesARestart) {
    struct Row {
        int id;
        const wchar_t* key;
        int before;  // the default
        bool guarded;
    };
    const Row rows[] = {
        {IDM_TOP_MOST, L"WindowTopMost", 0, false},     {IDM_TRANSLUCENT, L"WindowAlphaBlend", 0, false},
        {IDM_EXIT_CONFIRM, L"ExitConfirm", 0, false},   {IDM_SOUND_ON_COMPLETE, L"SoundOnComplete", 1, false},
        {IDM_ICON, L"DrawIcon", 1, true},               {IDM_STRIPED_ROW, L"StripeRow", 0, true},
        {IDM_TOOLTIP, L"ToolTip", 1, true},             {IDM_GRID_LINE, L"GridLine", 0, true},
        {IDM_DRIVE_BAR, L"WindowDriveBar", 1, true},    {IDM_SIDE_BAR, L"WindowSideBar", 1, true},
    };
    EXPECT_EQ(viewToggles().size(), std::size(rows));
    for (const Row& row : rows) {
        const ViewToggle* t = findViewToggle(row.id);
        ASSERT_NE(t, nullptr) << row.id;
        EXPECT_EQ(t->guarded, row.guarded) << row.id;
        testing::FakeIniStore before;
        AppSettings s;
        s.load(before, UiLanguage::English);
        applyToggle(s, *t);
        testing::FakeIniStore ini;
        s.save(ini, AppSettingsSaveState{});
        for (const ViewToggle& other : viewToggles()) {
            const int stored = ini.readInt(L"Settings", other.key, -99);
            const int defaultValue = AppSettings{}.*other.field;
            EXPECT_EQ(stored, other.id == row.id ? (row.before ^ 1) : defaultValue)
                << row.id << " " << std::string(other.key, other.key + wcslen(other.key));
        }
        AppSettings reloaded;
        reloaded.load(ini, UiLanguage::English);
        EXPECT_EQ(reloaded.*t->field, row.before ^ 1) << row.id;
        applyToggle(reloaded, *t);  // a second press returns to the start
        EXPECT_EQ(reloaded.*t->field, row.before) << row.id;
    }
    EXPECT_EQ(findViewToggle(IDM_VIEW_MODE), nullptr);
}

TEST(ViewCommands, ThemeCommandsMapToTheirThemeOnly) {
    const std::pair<int, int> cases[] = {{32900, -1}, {32901, 0}, {32905, 4}, {32908, 7}, {32909, -1}};
    for (auto [id, theme] : cases) EXPECT_EQ(themeForCommand(id), theme) << id;
}

}  // namespace
}  // namespace tarvelo::shell
