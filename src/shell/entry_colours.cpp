#include "shell/entry_colours.h"

namespace tarvelo::shell {
namespace {

constexpr uint32_t kAttrReadOnly = 0x1;
constexpr uint32_t kAttrHidden = 0x2;
constexpr uint32_t kAttrSystem = 0x4;
constexpr uint32_t kAttrArchive = 0x20;

constexpr int kFirstGroupRole = 13;
constexpr int kCursorShade = 13;

EntryGroup protectionGroup(uint32_t attributes, EntryGroup group) {
    if (attributes & kAttrReadOnly) group = EntryGroup::ReadOnly;
    if (attributes & kAttrHidden) group = EntryGroup::Hidden;
    if (attributes & kAttrSystem) group = EntryGroup::System;
    return group;
}

}  // namespace

EntryGroup entryGroup(uint32_t attributes, EntryKind kind) {
    if (kind == EntryKind::Parent) return protectionGroup(attributes, EntryGroup::Parent);
    EntryGroup group = EntryGroup::Plain;
    if (attributes & kAttrArchive) group = EntryGroup::Archive;
    if (kind == EntryKind::Folder) group = EntryGroup::Folder;
    return protectionGroup(attributes, group);
}

EntryColours entryColours(const ThemePalette& palette, EntryGroup group) {
    int first = kFirstGroupRole + 4 * (static_cast<int>(group) - 1);
    if (first < kFirstGroupRole || first + 3 >= kBaseRoleCount) first = kFirstGroupRole;
    return {palette[baseRole(first)], palette[baseRole(first + 1)], palette[baseRole(first + 2)],
            palette[baseRole(first + 3)]};
}

ColourPair rowColours(const ThemePalette& palette, EntryGroup group, bool cursorRow, bool longPath) {
    EntryColours c = entryColours(palette, group);
    ColourPair pair = cursorRow ? ColourPair{c.cursorText, c.cursorFill} : ColourPair{c.text, c.fill};
    if (longPath) {
        Colour back = palette[kRoleBackground];
        pair.text = averageColour(pair.text, back);
        pair.fill = averageColour(pair.fill, back);
    }
    return pair;
}

Gradient cursorRowGradient(const ThemePalette& palette, Colour fill, bool appActive) {
    Gradient g{shiftColour(fill, kCursorShade), shiftColour(fill, -kCursorShade)};
    if (!appActive) {
        Colour back = palette[kRoleBackground];
        g.from = averageColour(g.from, back);
        g.to = averageColour(g.to, back);
    }
    return g;
}

BlendedColour stripeFill(const ThemePalette& palette) {
    return {palette[kRoleStripe], isIlluminateTheme(palette.theme) ? 50 : 255};
}

BlendedColour gridLineColour(const ThemePalette& palette) {
    Colour back = palette[kRoleBackground];
    Colour twice = averageColour(averageColour(palette[kRoleText], back), back);
    if (isIlluminateTheme(palette.theme)) return {twice, 148};
    return {averageColour(twice, back), 255};
}

}  // namespace tarvelo::shell
