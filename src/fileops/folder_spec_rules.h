#pragma once
// The typed-name rules of the destination folder dialog: what counts as a
// folder text, what typing removes, what OK does with the text, and the
// history list built from the side bar's shortcut folders.
#include <string>
#include <string_view>
#include <vector>

namespace tarvelo::fileops {

// 3 to 259 characters, none of / * ? " > < |.
bool isValidFolderText(std::wstring_view text);

// Typing: tabs are dropped silently; the seven forbidden characters are
// removed and reported (the dialog then warns).
struct TypedText {
    std::wstring text;
    bool hadForbidden = false;
    bool changed = false;  // anything removed
};
TypedText cleanTypedText(std::wstring_view text);

// "a:" ... "z:" become upper case.
std::wstring upperDriveLetters(std::wstring_view text);

// What OK does with the text.
enum class OkAction { Accept, Browse, ShowAndStay };
struct OkResult {
    OkAction action = OkAction::Accept;
    std::wstring text;  // the text to show (ShowAndStay) or accept
};
OkResult folderSpecOk(std::wstring_view text, std::wstring_view baseFolder);

// The combo's entries from the stored Folder_01..Folder_100 values (line
// breaks removed, drive letters upper-cased, a bare "X:" made "X:\", invalid
// values dropped, of equal values only the last kept, only values holding
// ":" or "\\").
std::vector<std::wstring> folderHistory(const std::vector<std::wstring>& stored);

}  // namespace tarvelo::fileops
