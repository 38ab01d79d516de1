#pragma once
// Which 16 x 16 menu bitmap belongs to which command. The main window loads
// the bitmaps once, in menuBitmapLoadOrder(), makes a light and a dark copy of
// each, and gives a menu item the copy of slot menuBitmapSlot(menuBitmapFor(id)).

#include <array>

namespace tarvelo::shell {

inline constexpr int kMenuBitmapCount = 30;

// The bitmap resource ids in the order they are loaded.
const std::array<int, kMenuBitmapCount>& menuBitmapLoadOrder();

// Position of a bitmap resource id in the load order, -1 when it is none of them.
int menuBitmapSlot(int bitmapId);

// The bitmap resource id for a menu command (main menu, context menu, drop
// menu, system menu version item 16, association candidates 34700-34730);
// 0 when the item has no icon.
int menuBitmapFor(int commandId);

}  // namespace tarvelo::shell
