#pragma once
// A small folder tree in a sandbox and helpers to read the list's state from
// outside through the clipboard commands.
#include <string>

#include "support/e2e_driver.h"

namespace tarvelo::e2e {

// data\alpha\inner.txt, data\beta\deep.log, data\a1.txt (300 bytes),
// data\b2.txt (100 bytes), data\c3.txt (200 bytes).
struct ListFixture {
    explicit ListFixture(const std::wstring& name);
    Sandbox box;
    std::wstring data;  // the data folder, no trailing backslash
};

// Sends Ctrl+<key> and returns what the clipboard holds afterwards (waits
// for it to change from empty).
std::wstring copyWith(WORD vk);
// The cursor entry's full path (Ctrl+B without a selection).
std::wstring cursorPath();
// Waits until the cursor entry's full path starts with prefix.
bool waitForCursorPath(const std::wstring& prefix, std::chrono::milliseconds timeout = std::chrono::seconds(15));

}  // namespace tarvelo::e2e
