#pragma once
// What a batch-rename dialog shows before OK: the first names old -> new
// and how many items keep their name because the new one is taken.
#include <cstddef>
#include <string>
#include <string_view>

#include "fileops/rename_planner.h"

namespace tarvelo::fileops {

inline constexpr size_t kPreviewLines = 3;

// One "old  ->  new" line for each of the first three planned items, "..."
// when the selection holds more (itemCount), then collisionsPattern with
// its "%d" filled with the plan's collisions.
std::wstring renamePreview(const RenamePlan& plan, size_t itemCount, std::wstring_view collisionsPattern);

}  // namespace tarvelo::fileops
