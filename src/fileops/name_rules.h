#pragma once
// What a typed name may contain, and the "nothing" marker the name dialogs
// hand back for an empty field.
#include <string>
#include <string_view>

namespace tarvelo::fileops {

// \ / : * ? " > < |  -- never part of a file or folder name.
inline constexpr std::wstring_view kInvalidNameChars = L"\\/:*?\"><|";

// The dialogs' "empty field" marker.
inline constexpr std::wstring_view kEmptyMarker = L"***";

bool hasInvalidNameChar(std::wstring_view text);

// The text without tabs and without any of the nine characters.
std::wstring withoutInvalidNameChars(std::wstring_view text);

// The text without tabs (what the field keeps when the check is off).
std::wstring withoutTabs(std::wstring_view text);

// Every "***" removed (callers of the dialogs).
std::wstring withoutEmptyMarker(std::wstring_view text);

// What a dialog returns for its field: "***" when empty.
std::wstring markEmpty(std::wstring_view text);

// The name a user typed, ready to join a folder: markers and backslashes
// removed.
std::wstring typedName(std::wstring_view returned);

}  // namespace tarvelo::fileops
