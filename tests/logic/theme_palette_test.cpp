#include "shell/theme_palette.h"

#include <gtest/gtest.h>

#include "shell/entry_colours.h"

namespace tarvelo::shell {
namespace {

std::string roleName(int i) {
    return i < kBaseRoleCount ? "B" + std::to_string(i) : "D" + std::to_string(i - kBaseRoleCount);
}

Colour role(const ThemePalette& p, int i) { return p[static_cast<Role>(i)]; }

// A few values per theme: the window background, its two derived shades
// and the list's (each theme shifts them its own way), the plain text and
// the cursor fill.
struct SpotCase {
    int theme;
    uint32_t b0, d0, d1, b3, b16, d9;
};

TEST(ThemePalette, SpotValuesOfEveryTheme) {
    const SpotCase cases[] = {
        {kThemeLightBlue, 0xD0E9FE, 0xD4EDFF, 0xC4DDF2, 0x1E1E1E, 0x187CDA, 0xD0E9FE},
        {kThemeHighContrastBlack, 0x080808, 0x080808, 0x080808, 0xFFFFFF, 0xE6E6E6, 0x080808},
        {kThemeHighContrastWhite, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x1E1E1E, 0xFFFFFF},
        {kThemeLight, 0xF4F4F3, 0xF9F9F8, 0xDCDCDB, 0x1E1E1E, 0xB2D5EE, 0xEEEEED},
        {kThemeDark, 0x0F1C26, 0x1B2832, 0x0B1822, 0xF2F2F2, 0xE6E6E6, 0x0F1C26},
        {kThemeTalven, 0x081650, 0x081650, 0x081650, 0xFFFFFF, 0xFFFFFF, 0x081650},
        {kThemeIlluminateLight, 0xFFFFFF, 0xFFFFFF, 0xEBEBEB, 0x1E1E1E, 0x1E1E1E, 0xFCFCFC},
        {kThemeIlluminateDark, 0x000000, 0x1E1E1E, 0x000000, 0xF2F2F2, 0xE6E6E6, 0x000000},
    };
    for (const auto& c : cases) {
        const ThemePalette p = buildPalette(c.theme, 0);
        EXPECT_EQ(p[Role::B0], Colour::fromHex(c.b0)) << "theme " << c.theme;
        EXPECT_EQ(p[Role::D0], Colour::fromHex(c.d0)) << "theme " << c.theme;
        EXPECT_EQ(p[Role::D1], Colour::fromHex(c.d1)) << "theme " << c.theme;
        EXPECT_EQ(p[Role::B3], Colour::fromHex(c.b3)) << "theme " << c.theme;
        EXPECT_EQ(p[Role::B16], Colour::fromHex(c.b16)) << "theme " << c.theme;
        EXPECT_EQ(p[Role::D9], Colour::fromHex(c.d9)) << "theme " << c.theme;
    }
}

TEST(ThemePalette, StringBarAndSideBarShareTheirRecipe) {
    for (int theme = 0; theme < kThemeCount; ++theme) {
        const ThemePalette p = buildPalette(theme, 0);
        const int base = kBaseRoleCount;
        EXPECT_EQ(role(p, base + 4), averageColour(p[Role::B3], p[Role::B0])) << "theme " << theme;
        for (int n = 2; n <= 8; ++n) {
            EXPECT_EQ(role(p, base + n), role(p, base + n + 9)) << "theme " << theme << " D" << n;
        }
        EXPECT_EQ(p[Role::D9], p[Role::D10]) << "theme " << theme;
    }
}

TEST(ThemePalette, ContrastShiftsEveryEffectiveValueAndKeepsTheBase) {
    for (int theme = 0; theme < kThemeCount; ++theme) {
        const ThemePalette plain = buildPalette(theme, 0);
        for (int contrast : {60, -60, 2, -14}) {
            const ThemePalette p = buildPalette(theme, contrast);
            for (int r = 0; r < kRoleCount; ++r) {
                const Colour base = role(plain, r);
                EXPECT_EQ(p.baseValue(static_cast<Role>(r)), base);
                EXPECT_EQ(role(p, r), shiftColour(base, contrast))
                    << "theme " << theme << " contrast " << contrast << " " << roleName(r);
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
    const ThemePalette lightBlue = buildPalette(kThemeLightBlue, 0);
    EXPECT_EQ(p[Role::B0], Colour::fromHex(0xD0E9FE));
    for (int r = 0; r < kRoleCount; ++r) EXPECT_EQ(role(p, r), role(lightBlue, r)) << roleName(r);
}

TEST(ThemePalette, ThemeAboveSevenKeepsThePreviousBaseRoles) {
    const ThemePalette dark = buildPalette(kThemeDark, 0);
    ThemePalette p = dark;
    buildPalette(p, 8, 10);
    for (int r = 0; r < kBaseRoleCount; ++r) {
        const Colour base = role(dark, r);
        EXPECT_EQ(p.baseValue(static_cast<Role>(r)), base) << roleName(r);
        EXPECT_EQ(role(p, r), shiftColour(base, 10)) << roleName(r);
    }
    EXPECT_FALSE(p.isDarkTheme);
    // From a fresh start nothing is set: all zeros, derived roles too.
    const ThemePalette fresh = buildPalette(99, 0);
    for (int r = 0; r < kRoleCount; ++r) EXPECT_EQ(role(fresh, r), Colour{}) << roleName(r);
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
