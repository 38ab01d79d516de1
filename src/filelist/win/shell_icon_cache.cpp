#include "filelist/win/shell_icon_cache.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tarvelo::filelist::win {

namespace {

constexpr int kSmallIconSide = 16;

wchar_t lowerAscii(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

// The pixels of a 32-bit top-down buffer created by BackBuffer.
uint32_t* bitsOf(const platform::BackBuffer& buffer) {
    HGDIOBJ bitmap = GetCurrentObject(buffer.dc(), OBJ_BITMAP);
    DIBSECTION dib{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof(dib), &dib) != sizeof(dib)) return nullptr;
    return static_cast<uint32_t*>(dib.dsBm.bmBits);
}

int iconSide(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return 0;
    platform::UniqueBitmap colour(info.hbmColor);
    platform::UniqueBitmap mask(info.hbmMask);
    BITMAP bm{};
    if (colour && GetObjectW(colour.get(), sizeof(bm), &bm)) return bm.bmWidth;
    if (mask && GetObjectW(mask.get(), sizeof(bm), &bm)) return bm.bmWidth;
    return 0;
}

// Source pixels covering each target pixel along one axis, with the share
// of the target pixel each covers (exact area coverage, any scale).
struct Tap {
    int index;
    float weight;
};
std::vector<std::vector<Tap>> areaTaps(int source, int target) {
    std::vector<std::vector<Tap>> taps(static_cast<size_t>(target));
    const double scale = static_cast<double>(source) / target;
    for (int d = 0; d < target; ++d) {
        const double from = d * scale;
        const double to = (d + 1) * scale;
        for (int s = static_cast<int>(from); s < source && s < to; ++s) {
            const double covered = std::min<double>(to, s + 1) - std::max<double>(from, s);
            if (covered > 0) taps[d].push_back({s, static_cast<float>(covered / scale)});
        }
    }
    return taps;
}

}  // namespace

std::wstring iconExtensionKey(std::wstring_view path) {
    const size_t slash = path.find_last_of(L"\\/");
    const std::wstring_view name = slash == std::wstring_view::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind(L'.');
    std::wstring key;
    if (dot == std::wstring_view::npos) return key;
    for (wchar_t c : name.substr(dot)) key.push_back(lowerAscii(c));
    return key;
}

IconLookup shellIconLookup() {
    return [](std::wstring_view path, bool folder, bool large) {
        SHFILEINFOW info{};
        const UINT size = large ? SHGFI_LARGEICON : SHGFI_SMALLICON;
        if (folder) {
            const std::wstring p(path);
            if (SHGetFileInfoW(p.c_str(), 0, &info, sizeof(info), SHGFI_ICON | size) && info.hIcon) {
                return platform::UniqueIcon(info.hIcon);
            }
            // A folder the shell cannot read (gone, too long a path) still
            // gets the plain folder icon.
            info = {};
            SHGetFileInfoW(L"folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof(info),
                           SHGFI_ICON | SHGFI_USEFILEATTRIBUTES | size);
            return platform::UniqueIcon(info.hIcon);
        }
        // The extension alone decides the icon: no disk access.
        const std::wstring name = L"file" + iconExtensionKey(path);
        SHGetFileInfoW(name.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof(info),
                       SHGFI_ICON | SHGFI_USEFILEATTRIBUTES | size);
        return platform::UniqueIcon(info.hIcon);
    };
}

struct ShellIconCache::Entry {
    std::wstring key;
    platform::UniqueIcon icon;
    bool asked = false;
    bool large = false;
    int side = 0;                // size the image is ready at
    platform::BackBuffer image;  // premultiplied colour and alpha

    // Renders the icon over black and over white: the difference gives the
    // alpha whatever kind of icon the shell returned (mask or alpha
    // channel); then scales it by area averaging into the image.
    bool render(int target) {
        side = 0;
        if (!icon || target <= 0) return false;
        const int source = std::max(1, iconSide(icon.get()));
        platform::BackBuffer black;
        platform::BackBuffer white;
        if (!black.resize(source, source) || !white.resize(source, source) || !image.resize(target, target)) {
            return false;
        }
        black.fill(RGB(0, 0, 0));
        white.fill(RGB(255, 255, 255));
        DrawIconEx(black.dc(), 0, 0, icon.get(), source, source, 0, nullptr, DI_NORMAL);
        DrawIconEx(white.dc(), 0, 0, icon.get(), source, source, 0, nullptr, DI_NORMAL);
        GdiFlush();
        const uint32_t* onBlack = bitsOf(black);
        const uint32_t* onWhite = bitsOf(white);
        uint32_t* out = bitsOf(image);
        if (!onBlack || !onWhite || !out) return false;

        // Premultiplied B, G, R, A of the source.
        std::vector<float> src(static_cast<size_t>(source) * source * 4);
        for (int i = 0; i < source * source; ++i) {
            const uint32_t b = onBlack[i];
            const uint32_t w = onWhite[i];
            int diff = 0;
            for (int ch = 0; ch < 3; ++ch) {
                diff += static_cast<int>((w >> (8 * ch)) & 0xFF) - static_cast<int>((b >> (8 * ch)) & 0xFF);
            }
            const int alpha = std::clamp(255 - diff / 3, 0, 255);
            for (int ch = 0; ch < 3; ++ch) {
                src[i * 4 + ch] = static_cast<float>(std::min<int>((b >> (8 * ch)) & 0xFF, alpha));
            }
            src[i * 4 + 3] = static_cast<float>(alpha);
        }
        const auto taps = areaTaps(source, target);
        for (int y = 0; y < target; ++y) {
            for (int x = 0; x < target; ++x) {
                float acc[4] = {0, 0, 0, 0};
                for (const Tap& ty : taps[y]) {
                    for (const Tap& tx : taps[x]) {
                        const float w = ty.weight * tx.weight;
                        const float* p = &src[(static_cast<size_t>(ty.index) * source + tx.index) * 4];
                        for (int ch = 0; ch < 4; ++ch) acc[ch] += w * p[ch];
                    }
                }
                uint32_t pixel = 0;
                for (int ch = 0; ch < 4; ++ch) {
                    const uint32_t v = static_cast<uint32_t>(std::clamp(acc[ch] + 0.5f, 0.0f, 255.0f));
                    pixel |= v << (8 * ch);
                }
                out[static_cast<size_t>(y) * target + x] = pixel;
            }
        }
        GdiFlush();
        side = target;
        return true;
    }
};

// Keys to entries, the most recently used first; the oldest goes when full.
class ShellIconCache::Lru {
public:
    explicit Lru(size_t capacity) : capacity_(std::max<size_t>(1, capacity)) {}

    Entry* get(const std::wstring& key) {
        auto it = index_.find(key);
        if (it == index_.end()) return nullptr;
        order_.splice(order_.begin(), order_, it->second);
        return &*it->second;
    }
    Entry& add(const std::wstring& key) {
        order_.emplace_front();
        order_.front().key = key;
        index_[key] = order_.begin();
        if (order_.size() > capacity_) {
            index_.erase(order_.back().key);
            order_.pop_back();
        }
        return order_.front();
    }
    size_t size() const { return order_.size(); }
    void clear() {
        index_.clear();
        order_.clear();
    }

private:
    size_t capacity_;
    std::list<Entry> order_;
    std::unordered_map<std::wstring, std::list<Entry>::iterator> index_;
};

ShellIconCache::ShellIconCache(IconLookup lookup, size_t folderCapacity, size_t extensionCapacity)
    : lookup_(std::move(lookup)),
      folders_(std::make_unique<Lru>(folderCapacity)),
      extensions_(std::make_unique<Lru>(extensionCapacity)) {}

ShellIconCache::~ShellIconCache() = default;

size_t ShellIconCache::folderCount() const { return folders_->size(); }
size_t ShellIconCache::extensionCount() const { return extensions_->size(); }

void ShellIconCache::clear() {
    folders_->clear();
    extensions_->clear();
}

ShellIconCache::Entry* ShellIconCache::find(std::wstring_view path, bool folder) {
    const std::wstring key = folder ? std::wstring(path) : iconExtensionKey(path);
    Lru& lru = folder ? *folders_ : *extensions_;
    if (Entry* e = lru.get(key)) return e;
    return &lru.add(key);
}

bool ShellIconCache::draw(HDC dc, int x, int y, int side, std::wstring_view path, bool folder) {
    if (side <= 0 || !lookup_) return false;
    Entry* e = find(path, folder);
    const bool large = side > kSmallIconSide;
    // The shell is asked once per key and icon size; a key it has no icon
    // for is remembered as such and not asked again either.
    if (!e->asked || e->large != large) {
        ++lookups_;
        e->icon = lookup_(path, folder, large);
        e->asked = true;
        e->large = large;
        e->side = 0;
    }
    if (!e->icon) return false;
    if (e->side != side && !e->render(side)) {
        e->icon.reset();
        return false;
    }
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return AlphaBlend(dc, x, y, side, side, e->image.dc(), 0, 0, side, side, blend) != FALSE;
}

}  // namespace tarvelo::filelist::win
