#pragma once
// The window, view and font settings of the per-user settings file (sections
// Settings and Font), held in memory for the whole run: loaded once at start,
// stored at exit and before a crash restart.
#include <cstdint>
#include <optional>
#include <string>

#include "shell/ini_store.h"
#include "shell/section_file_store.h"
#include "shell/ui_language.h"
#include "shell/window_placement.h"

namespace tarvelo::shell {

// Face used when the stored FaceName is empty.
inline const wchar_t* defaultFaceName(UiLanguage lang) {
    return pick(lang, L"BIZ UDGothic", L"BIZ UDゴシック");
}

// Load clamps: what the file may say is limited to what the program can lay
// out and draw (the wheel and the font dialog stay inside these too).
inline constexpr int kMinSplitBarPos = 100;
inline constexpr int kMaxSplitBarPos = 4000;  // the window narrows it further at layout
inline constexpr int kMinFontSize = 6;
inline constexpr int kMaxFontSize = 48;
inline constexpr int kMaxLineHeight = 48;

struct FontSettings {
    int size = 13;
    int weight = 400;
    int italic = 0;
    std::wstring faceName;  // never empty after load
};

// What only the running window knows at save time.
struct AppSettingsSaveState {
    std::wstring currentFolder;   // SaveData/CurrentFolder
    std::wstring shortCutFolder;  // SaveData/ShortCutFolder
    // Face of the list font actually created (the system may have
    // substituted another); empty writes font.faceName.
    std::wstring createdFaceName;
    bool isZoomed = false;
    // Current placement; nothing when it could not be obtained.
    std::optional<WindowPlacementValues> placement;
};

struct AppSettings {
    int windowMenuIcon = 1;
    int windowTopMost = 0;
    int windowAlphaBlend = 0;
    int alphaBlendLevel = 228;  // below 1 loads as 228; no upper clamp
    int exitConfirm = 0;
    int soundOnComplete = 1;
    int windowDriveBar = 1;
    int windowSideBar = 1;
    int customScrollBar = 1;
    int windowSplitBarPos = 200;  // loads within kMinSplitBarPos..kMaxSplitBarPos
    int windowMenuBar = 1;
    int timestampFormat = 0;
    int viewMode = 1;
    int themaColor = 4;
    int stripeRow = 0;
    int drawIcon = 1;
    int toolTip = 1;
    int gridLine = 0;
    int magnification = 0;
    int lineHeight = 0;  // loads within 0..kMaxLineHeight
    int isZoomed = 0;
    std::optional<WindowPlacementValues> position;  // only when ten integers were stored
    FontSettings font;

    // Reads every key with its default and applies the load rules.
    void load(const IniStore& ini, UiLanguage lang);

    // Writes the Settings keys, the Font keys, IsZoomed and (when known)
    // Position, in that order. A maximised window's placement is stored
    // with the restore-to-maximised flag.
    void save(IniStore& ini, const AppSettingsSaveState& state) const;
};

// SaveData/CurrentFolder and ShortCutFolder, in one rewrite of their data
// file; written after the settings file, so neither depends on the other.
bool saveSessionData(SectionFileStore& data, const AppSettingsSaveState& state);

// Alpha of a translucent window at start: a fixed 208, whatever the level.
// Nothing when WindowAlphaBlend is off.
std::optional<std::uint8_t> startupWindowAlpha(const AppSettings& settings);

// Alpha the F6 toggle applies: only the low 8 bits of AlphaBlendLevel reach
// the window (300 -> 44).
std::uint8_t toggleWindowAlpha(int alphaBlendLevel);

}  // namespace tarvelo::shell
