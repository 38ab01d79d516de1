#include "shell/theme_palette.h"

#include <gtest/gtest.h>

#include "shell/entry_colours.h"

namespace tarvelo::shell {
namespace {

// Every role of every theme as #RRGGBB: B0..B40 then D0..D17, one column per theme.
constexpr uint32_t kExpected[kRoleCount][kThemeCount] = {
    {0xD0E9FE, 0x080808, 0xFFFFFF, 0xF4F4F3, 0x0F1C26, 0x081650, 0xFFFFFF, 0x000000}, // B0
    {0xCAE3F8, 0x0D0D0D, 0xFBFBFB, 0xEBEBEA, 0x12202B, 0x0B1955, 0xF9F9F9, 0x060606}, // B1
    {0x14BC32, 0x5FE6FA, 0x00BE50, 0x0A6EF0, 0x32FA78, 0x28FAAA, 0x00D200, 0x32FF8C}, // B2
    {0x1E1E1E, 0xFFFFFF, 0x000000, 0x1E1E1E, 0xF2F2F2, 0xFFFFFF, 0x1E1E1E, 0xF2F2F2}, // B3
    {0x1450C8, 0x69F59B, 0x0064F0, 0x1070F2, 0x32FA78, 0x28FAAA, 0x008C00, 0x32FF8C}, // B4
    {0xF06E00, 0xFA963C, 0xFF0000, 0xFA7D1E, 0xFA963C, 0xFF3737, 0x0AC80A, 0xFF9834}, // B5
    {0x0862C6, 0xFFFFFF, 0x000000, 0x149819, 0x4EE7FF, 0x50E6FF, 0x089408, 0x52E8FF}, // B6
    {0x5ABEFA, 0x808080, 0xD0D0D0, 0x7CE290, 0x4078C0, 0x3C6EB4, 0x80E896, 0x3E70B8}, // B7
    {0xFFFAE6, 0xE4E4E4, 0x3C3C3C, 0xEEF8FE, 0x1C1C14, 0x000000, 0xFFFFFF, 0x000000}, // B8
    {0x000000, 0x000000, 0xFFFFFF, 0x14327D, 0xFFFF82, 0x8CFFFF, 0x000000, 0xFFFF82}, // B9
    {0xAABEDC, 0x2D2D2D, 0xE4E4E4, 0xDCDCD8, 0x283243, 0x1E3270, 0xE1E1E1, 0x282828}, // B10
    {0x6C8498, 0xE1E1E1, 0x1E1E1E, 0x5A5A5F, 0xC8C8C8, 0xFFFFFF, 0x606060, 0xC8C8C8}, // B11
    {0x58708E, 0xFFFFFF, 0x000000, 0x37917D, 0xF2F2F2, 0xFFFFFF, 0x303030, 0xF0F0F0}, // B12
    {0x1E1E1E, 0xF2F2F2, 0x1E1E1E, 0x202020, 0xF2F2F2, 0xFFFFFF, 0x1E1E1E, 0xF2F2F2}, // B13
    {0xFAFAFA, 0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, 0xFFFFFF, 0x000000}, // B14
    {0xFFFFFF, 0x000000, 0xFFFFFF, 0x202020, 0x000000, 0x000000, 0xFFFFFF, 0x000000}, // B15
    {0x187CDA, 0xE6E6E6, 0x1E1E1E, 0xB2D5EE, 0xE6E6E6, 0xFFFFFF, 0x1E1E1E, 0xE6E6E6}, // B16
    {0x745D06, 0xF6F68E, 0x807800, 0x7A7000, 0xF6F68E, 0x00FFFF, 0x807800, 0xF6F68E}, // B17
    {0xFAFAFA, 0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, 0xFFFFFF, 0x000000}, // B18
    {0xFFFFFF, 0x000000, 0xFFFFFF, 0x7A7000, 0x000000, 0x000000, 0xFFFFFF, 0x000000}, // B19
    {0x187CDA, 0xEAEA82, 0x807800, 0xB2D5EE, 0xEAEA82, 0x00FFFF, 0x807800, 0xEAEA82}, // B20
    {0x745D06, 0xF6F68E, 0x807800, 0x7A7000, 0xF6F68E, 0x00FFFF, 0x807800, 0xF6F68E}, // B21
    {0xFAFAFA, 0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, 0xFFFFFF, 0x000000}, // B22
    {0xFFFFFF, 0x000000, 0xFFFFFF, 0x7A7000, 0x000000, 0x000000, 0xFFFFFF, 0x000000}, // B23
    {0x187CDA, 0xEAEA82, 0x807800, 0xB2D5EE, 0xEAEA82, 0x00FFFF, 0x807800, 0xEAEA82}, // B24
    {0x1E1E1E, 0xF2F2F2, 0x1E1E1E, 0x202020, 0xF2F2F2, 0xFFFF00, 0x1E1E1E, 0xF2F2F2}, // B25
    {0xFAFAFA, 0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, 0xFFFFFF, 0x000000}, // B26
    {0xFFFFFF, 0x000000, 0xFFFFFF, 0x202020, 0x000000, 0x000000, 0xFFFFFF, 0x000000}, // B27
    {0x187CDA, 0xE6E6E6, 0x1E1E1E, 0xB2D5EE, 0xE6E6E6, 0xFFFF00, 0x1E1E1E, 0xE6E6E6}, // B28
    {0x007600, 0xA0F2A0, 0x008C00, 0x007A00, 0xA0F2A0, 0x00FF00, 0x008C00, 0xA0F2A0}, // B29
    {0xFAFAFA, 0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, 0xFFFFFF, 0x000000}, // B30
    {0xFFFFFF, 0x000000, 0xFFFFFF, 0x007A00, 0x000000, 0x000000, 0xFFFFFF, 0x000000}, // B31
    {0x187CDA, 0x94E694, 0x008C00, 0xB2D5EE, 0x94E694, 0x00FF00, 0x008C00, 0x94E694}, // B32
    {0x0A0AA4, 0xA8A8FA, 0x0000A8, 0x0000AF, 0xA8A8FA, 0x0050FF, 0x0000A8, 0xA8A8FA}, // B33
    {0xFAFAFA, 0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, 0xFFFFFF, 0x000000}, // B34
    {0xFFFFFF, 0x000000, 0xFFFFFF, 0x0000AF, 0x000000, 0x000000, 0xFFFFFF, 0x000000}, // B35
    {0x187CDA, 0x9C9CEE, 0x0000A8, 0xB2D5EE, 0x9C9CEE, 0x0050FF, 0x0000A8, 0x9C9CEE}, // B36
    {0x940A0A, 0xF6A4A4, 0x960000, 0xA50000, 0xF6A4A4, 0xFF00FF, 0x960000, 0xF6A4A4}, // B37
    {0xFAFAFA, 0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, 0xFFFFFF, 0x000000}, // B38
    {0xFFFFFF, 0x000000, 0xFFFFFF, 0xA50000, 0x000000, 0x000000, 0xFFFFFF, 0x000000}, // B39
    {0x187CDA, 0xEA9898, 0x960000, 0xB2D5EE, 0xEA9898, 0xFF00FF, 0x960000, 0xEA9898}, // B40
    {0xD4EDFF, 0x080808, 0xFFFFFF, 0xF9F9F8, 0x1B2832, 0x081650, 0xFFFFFF, 0x1E1E1E}, // D0
    {0xC4DDF2, 0x080808, 0xFFFFFF, 0xDCDCDB, 0x0B1822, 0x081650, 0xEBEBEB, 0x000000}, // D1
    {0x1450C8, 0x69F59B, 0x0064F0, 0x1070F2, 0x32FA78, 0x28FAAA, 0x008C00, 0x32FF8C}, // D2
    {0x1E1E1E, 0xFFFFFF, 0x000000, 0x1E1E1E, 0xF2F2F2, 0xFFFFFF, 0x1E1E1E, 0xF2F2F2}, // D3
    {0x77838E, 0x838383, 0x7F7F7F, 0x898988, 0x80878C, 0x838AA7, 0x8E8E8E, 0x797979}, // D4
    {0x745D06, 0xF6F68E, 0x807800, 0x7A7000, 0xF6F68E, 0x00FFFF, 0x807800, 0xF6F68E}, // D5
    {0x007600, 0xA0F2A0, 0x008C00, 0x007A00, 0xA0F2A0, 0x00FF00, 0x008C00, 0xA0F2A0}, // D6
    {0x0A0AA4, 0xA8A8FA, 0x0000A8, 0x0000AF, 0xA8A8FA, 0x0050FF, 0x0000A8, 0xA8A8FA}, // D7
    {0x940A0A, 0xF6A4A4, 0x960000, 0xA50000, 0xF6A4A4, 0xFF00FF, 0x960000, 0xF6A4A4}, // D8
    {0xD0E9FE, 0x080808, 0xFFFFFF, 0xEEEEED, 0x0F1C26, 0x081650, 0xFCFCFC, 0x000000}, // D9
    {0xD0E9FE, 0x080808, 0xFFFFFF, 0xEEEEED, 0x0F1C26, 0x081650, 0xFCFCFC, 0x000000}, // D10
    {0x1450C8, 0x69F59B, 0x0064F0, 0x1070F2, 0x32FA78, 0x28FAAA, 0x008C00, 0x32FF8C}, // D11
    {0x1E1E1E, 0xFFFFFF, 0x000000, 0x1E1E1E, 0xF2F2F2, 0xFFFFFF, 0x1E1E1E, 0xF2F2F2}, // D12
    {0x77838E, 0x838383, 0x7F7F7F, 0x898988, 0x80878C, 0x838AA7, 0x8E8E8E, 0x797979}, // D13
    {0x745D06, 0xF6F68E, 0x807800, 0x7A7000, 0xF6F68E, 0x00FFFF, 0x807800, 0xF6F68E}, // D14
    {0x007600, 0xA0F2A0, 0x008C00, 0x007A00, 0xA0F2A0, 0x00FF00, 0x008C00, 0xA0F2A0}, // D15
    {0x0A0AA4, 0xA8A8FA, 0x0000A8, 0x0000AF, 0xA8A8FA, 0x0050FF, 0x0000A8, 0xA8A8FA}, // D16
    {0x940A0A, 0xF6A4A4, 0x960000, 0xA50000, 0xF6A4A4, 0xFF00FF, 0x960000, 0xF6A4A4}, // D17
};

std::string roleName(int i) {
    return i < kBaseRoleCount ? "B" + std::to_string(i) : "D" + std::to_string(i - kBaseRoleCount);
}

TEST(ThemePalette, EveryRoleOfEveryThemeMatchesTheTable) {
    for (int theme = 0; theme < kThemeCount; ++theme) {
        const ThemePalette p = buildPalette(theme, 0);
        for (int role = 0; role < kRoleCount; ++role) {
            const Colour want = Colour::fromHex(kExpected[role][theme]);
            EXPECT_EQ(p.baseValue(static_cast<Role>(role)), want) << "theme " << theme << " " << roleName(role);
            EXPECT_EQ(p[static_cast<Role>(role)], want) << "theme " << theme << " " << roleName(role);
        }
    }
}

TEST(ThemePalette, ContrastShiftsEveryEffectiveValueAndKeepsTheBase) {
    for (int theme = 0; theme < kThemeCount; ++theme) {
        for (int contrast : {60, -60, 2, -14}) {
            const ThemePalette p = buildPalette(theme, contrast);
            for (int role = 0; role < kRoleCount; ++role) {
                const Colour base = Colour::fromHex(kExpected[role][theme]);
                EXPECT_EQ(p.baseValue(static_cast<Role>(role)), base);
                EXPECT_EQ(p[static_cast<Role>(role)], shiftColour(base, contrast))
                    << "theme " << theme << " contrast " << contrast << " " << roleName(role);
            }
        }
    }
}

TEST(ThemePalette, DocumentedContrastExamples) {
    EXPECT_EQ(buildPalette(kThemeDark, 60)[Role::B0], Colour::fromHex(0x4B5862));
    const ThemePalette white = buildPalette(kThemeHighContrastWhite, -60);
    EXPECT_EQ(white[Role::B0], Colour::fromHex(0xC3C3C3));  // #FFFFFF
    EXPECT_EQ(white[Role::B3], Colour::fromHex(0x000000));  // stays black
}

TEST(ThemePalette, ContrastIsHeldToItsRange) {
    EXPECT_EQ(buildPalette(kThemeDark, 500).contrast, 60);
    EXPECT_EQ(buildPalette(kThemeDark, -500).contrast, -60);
    EXPECT_EQ(buildPalette(kThemeDark, 500)[Role::B0], Colour::fromHex(0x4B5862));
}

TEST(ThemePalette, DarkThemesAreExactlyOneFourAndSeven) {
    for (int theme = -3; theme < 12; ++theme) {
        const bool dark = theme == 1 || theme == 4 || theme == 7;
        EXPECT_EQ(isDarkTheme(theme), dark) << theme;
        EXPECT_EQ(buildPalette(theme, 0).isDarkTheme, dark) << theme;
    }
    EXPECT_TRUE(isIlluminateTheme(6));
    EXPECT_TRUE(isIlluminateTheme(7));
    EXPECT_FALSE(isIlluminateTheme(5));
}

TEST(ThemePalette, NegativeThemeBuildsLightBlue) {
    const ThemePalette p = buildPalette(-1, 0);
    for (int role = 0; role < kRoleCount; ++role) {
        EXPECT_EQ(p[static_cast<Role>(role)], Colour::fromHex(kExpected[role][kThemeLightBlue])) << roleName(role);
    }
}

TEST(ThemePalette, ThemeAboveSevenKeepsThePreviousBaseRoles) {
    ThemePalette p = buildPalette(kThemeDark, 0);
    buildPalette(p, 8, 10);
    for (int role = 0; role < kBaseRoleCount; ++role) {
        const Colour base = Colour::fromHex(kExpected[role][kThemeDark]);
        EXPECT_EQ(p.baseValue(static_cast<Role>(role)), base) << roleName(role);
        EXPECT_EQ(p[static_cast<Role>(role)], shiftColour(base, 10)) << roleName(role);
    }
    EXPECT_FALSE(p.isDarkTheme);
    // From a fresh start nothing is set: all zeros, derived roles too.
    const ThemePalette fresh = buildPalette(99, 0);
    for (int role = 0; role < kRoleCount; ++role) EXPECT_EQ(fresh[static_cast<Role>(role)], Colour{}) << roleName(role);
}

TEST(ThemePalette, RebuildReplacesAContrastedPaletteWhole) {
    ThemePalette p = buildPalette(kThemeLight, 40);
    buildPalette(p, kThemeLightBlue, 0);
    EXPECT_EQ(p[Role::B0], Colour::fromHex(0xD0E9FE));
    EXPECT_EQ(p[Role::D0], Colour::fromHex(0xD4EDFF));
    EXPECT_EQ(p.theme, kThemeLightBlue);
}

struct GroupCase {
    uint32_t attributes;
    EntryKind kind;
    EntryGroup group;
};

TEST(EntryGroups, LaterTestsWin) {
    const GroupCase cases[] = {
        {0x00, EntryKind::File, EntryGroup::Plain},
        {0x80, EntryKind::File, EntryGroup::Plain},  // normal
        {0x20, EntryKind::File, EntryGroup::Archive},
        {0x10, EntryKind::Folder, EntryGroup::Folder},
        {0x30, EntryKind::Folder, EntryGroup::Folder},  // folder beats archive
        {0x21, EntryKind::File, EntryGroup::ReadOnly},
        {0x11, EntryKind::Folder, EntryGroup::ReadOnly},
        {0x23, EntryKind::File, EntryGroup::Hidden},
        {0x12, EntryKind::Folder, EntryGroup::Hidden},
        {0x27, EntryKind::File, EntryGroup::System},
        {0x14, EntryKind::Folder, EntryGroup::System},
        {0x10, EntryKind::Parent, EntryGroup::Parent},
        {0x30, EntryKind::Parent, EntryGroup::Parent},  // archive does not apply to ".."
        {0x11, EntryKind::Parent, EntryGroup::ReadOnly},
        {0x12, EntryKind::Parent, EntryGroup::Hidden},
        {0x16, EntryKind::Parent, EntryGroup::System},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(entryGroup(c.attributes, c.kind), c.group)
            << std::hex << c.attributes << " kind " << static_cast<int>(c.kind);
    }
}

TEST(EntryGroups, EachGroupTakesItsFourRoles) {
    const ThemePalette p = buildPalette(kThemeLight, 0);
    // Light theme: folder group B17..B20, system group B37..B40.
    EntryColours folder = entryColours(p, EntryGroup::Folder);
    EXPECT_EQ(folder.text, Colour::fromHex(0x7A7000));
    EXPECT_EQ(folder.fill, Colour::fromHex(0xFFFFFF));
    EXPECT_EQ(folder.cursorText, Colour::fromHex(0x7A7000));
    EXPECT_EQ(folder.cursorFill, Colour::fromHex(0xB2D5EE));
    EntryColours system = entryColours(p, EntryGroup::System);
    EXPECT_EQ(system.text, Colour::fromHex(0xA50000));
    EXPECT_EQ(system.cursorText, Colour::fromHex(0xA50000));
    EXPECT_EQ(entryColours(p, EntryGroup::Plain).text, Colour::fromHex(0x202020));
    EXPECT_EQ(entryColours(p, EntryGroup::Archive).text, p[Role::B25]);
}

TEST(EntryGroups, RowColoursForCursorAndLongPaths) {
    const ThemePalette p = buildPalette(kThemeLightBlue, 0);
    ColourPair plain = rowColours(p, EntryGroup::Plain, false, false);
    EXPECT_EQ(plain.text, Colour::fromHex(0x1E1E1E));
    EXPECT_EQ(plain.fill, Colour::fromHex(0xFAFAFA));
    ColourPair cursor = rowColours(p, EntryGroup::Plain, true, false);
    EXPECT_EQ(cursor.text, Colour::fromHex(0xFFFFFF));
    EXPECT_EQ(cursor.fill, Colour::fromHex(0x187CDA));
    ColourPair faded = rowColours(p, EntryGroup::Plain, false, true);
    EXPECT_EQ(faded.text, averageColour(Colour::fromHex(0x1E1E1E), Colour::fromHex(0xD0E9FE)));
    EXPECT_EQ(faded.fill, averageColour(Colour::fromHex(0xFAFAFA), Colour::fromHex(0xD0E9FE)));
}

TEST(EntryGroups, CursorGradientIsPalerWhenInactive) {
    const ThemePalette p = buildPalette(kThemeDark, 0);
    const Colour fill = Colour::fromHex(0x00F6F8);
    Gradient active = cursorRowGradient(p, fill, true);
    EXPECT_EQ(active.from, Colour::fromHex(0x0DFFFF));
    EXPECT_EQ(active.to, Colour::fromHex(0x00E9EB));
    Gradient inactive = cursorRowGradient(p, fill, false);
    EXPECT_EQ(inactive.from, averageColour(Colour::fromHex(0x0DFFFF), Colour::fromHex(0x0F1C26)));
    EXPECT_EQ(inactive.to, averageColour(Colour::fromHex(0x00E9EB), Colour::fromHex(0x0F1C26)));
}

TEST(EntryGroups, GridLinesAndStripesPerTheme) {
    const ThemePalette dark = buildPalette(kThemeDark, 0);
    const Colour b0 = Colour::fromHex(0x0F1C26);
    const Colour b3 = Colour::fromHex(0xF2F2F2);
    BlendedColour grid = gridLineColour(dark);
    EXPECT_EQ(grid.colour, averageColour(averageColour(averageColour(b3, b0), b0), b0));
    EXPECT_EQ(grid.alpha, 255);
    EXPECT_EQ(stripeFill(dark).colour, Colour::fromHex(0x12202B));
    EXPECT_EQ(stripeFill(dark).alpha, 255);

    const ThemePalette lit = buildPalette(kThemeIlluminateDark, 0);
    BlendedColour litGrid = gridLineColour(lit);
    EXPECT_EQ(litGrid.colour, averageColour(averageColour(b3, Colour{}), Colour{}));
    EXPECT_EQ(litGrid.alpha, 148);
    EXPECT_EQ(stripeFill(lit).alpha, 50);
}

}  // namespace
}  // namespace tarvelo::shell
