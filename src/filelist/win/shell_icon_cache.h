#pragma once
// Shell icons for the list rows, asked of the shell once and kept: files by
// extension (no disk access), folders by path in a small least-recently-used
// set. Each icon is kept ready at the size the rows need, with its alpha,
// so a repaint only blends bitmaps.
#include <windows.h>

#include <functional>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/gdi_draw.h"
#include "platform/unique_handle.h"

namespace tarvelo::filelist::win {

// Asks the shell for the icon of a path: a file by its name alone (the
// normal-file attribute, no disk access), a folder from the folder itself.
// `large` picks the 32-pixel icon instead of the 16-pixel one.
using IconLookup = std::function<platform::UniqueIcon(std::wstring_view path, bool folder, bool large)>;
IconLookup shellIconLookup();

class ShellIconCache {
public:
    explicit ShellIconCache(IconLookup lookup = shellIconLookup(), size_t folderCapacity = 128,
                            size_t extensionCapacity = 512);
    ~ShellIconCache();
    ShellIconCache(const ShellIconCache&) = delete;
    ShellIconCache& operator=(const ShellIconCache&) = delete;

    // Draws the item's icon into side x side pixels at (x, y). False when the
    // shell has no icon for it.
    bool draw(HDC dc, int x, int y, int side, std::wstring_view path, bool folder);

    // How often the shell has been asked; for tests and the bench.
    int lookups() const { return lookups_; }
    size_t folderCount() const;
    size_t extensionCount() const;
    void clear();

private:
    struct Entry;
    class Lru;

    Entry* find(std::wstring_view path, bool folder);

    IconLookup lookup_;
    std::unique_ptr<Lru> folders_;
    std::unique_ptr<Lru> extensions_;
    int lookups_ = 0;
};

// The part of a file name the file icons are keyed by: its extension in
// lower case ("" when it has none).
std::wstring iconExtensionKey(std::wstring_view path);

}  // namespace tarvelo::filelist::win
