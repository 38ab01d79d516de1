#pragma once
// Which colours a list row takes: the entry-colour group of an entry, the
// row's text and fill, the cursor-row gradient, stripes and grid lines.
#include <cstdint>

#include "shell/colour.h"
#include "shell/theme_palette.h"

namespace tarvelo::shell {

// Seven groups of four roles (text, fill, cursor-row text, cursor-row fill),
// starting at B13.
enum class EntryGroup : uint8_t {
    Plain = 1,
    Folder = 2,
    Parent = 3,
    Archive = 4,
    ReadOnly = 5,
    Hidden = 6,
    System = 7,
};

// What the list shows the entry as. In subfolder mode every entry is a file.
enum class EntryKind : uint8_t { File, Folder, Parent };

// Later matches win: plain, archive, folder, read-only, hidden, system. The
// parent entry takes the parent group and then repeats the read-only, hidden
// and system tests on its attributes (those of the folder it leads to).
EntryGroup entryGroup(uint32_t attributes, EntryKind kind);

struct EntryColours {
    Colour text;
    Colour fill;
    Colour cursorText;
    Colour cursorFill;
};

// The group's four effective colours.
EntryColours entryColours(const ThemePalette& palette, EntryGroup group);

struct ColourPair {
    Colour text;
    Colour fill;
};

// Text and fill of one row: the cursor row takes the group's cursor colours;
// a long path is faded by mixing both with the background.
ColourPair rowColours(const ThemePalette& palette, EntryGroup group, bool cursorRow, bool longPath);

struct Gradient {
    Colour from;
    Colour to;
};

// The cursor row's vertical gradient: fill lightened by 13 down to fill
// darkened by 13; paler (mixed with the background) while the program is
// not the active application.
Gradient cursorRowGradient(const ThemePalette& palette, Colour fill, bool appActive);

// A colour drawn at a constant alpha (255 = opaque, plain GDI).
struct BlendedColour {
    Colour colour;
    int alpha = 255;
};

// Stripe fill: B1, at alpha 50 over the animated background in the
// Illuminate themes.
BlendedColour stripeFill(const ThemePalette& palette);
// Grid line: three times mixed towards the background from the text colour;
// in the Illuminate themes twice, at alpha 148.
BlendedColour gridLineColour(const ThemePalette& palette);

}  // namespace tarvelo::shell
