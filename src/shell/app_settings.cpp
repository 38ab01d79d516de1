#include "shell/app_settings.h"

#include <algorithm>

namespace tarvelo::shell {

namespace {

constexpr wchar_t kSettings[] = L"Settings";
constexpr wchar_t kFont[] = L"Font";
constexpr wchar_t kSaveData[] = L"SaveData";

constexpr std::uint8_t kStartupAlpha = 208;

// The integer keys of section Settings that are loaded as read and saved,
// in the order they are saved.
struct IntKey {
    const wchar_t* name;
    int AppSettings::*field;
};
constexpr IntKey kSavedSettingsKeys[] = {
    {L"WindowTopMost", &AppSettings::windowTopMost},
    {L"WindowAlphaBlend", &AppSettings::windowAlphaBlend},
    {L"AlphaBlendLevel", &AppSettings::alphaBlendLevel},
    {L"ExitConfirm", &AppSettings::exitConfirm},
    {L"SoundOnComplete", &AppSettings::soundOnComplete},
    {L"ThemaColor", &AppSettings::themaColor},
    {L"ViewMode", &AppSettings::viewMode},
    {L"StripeRow", &AppSettings::stripeRow},
    {L"DrawIcon", &AppSettings::drawIcon},
    {L"ToolTip", &AppSettings::toolTip},
    {L"GridLine", &AppSettings::gridLine},
    {L"WindowMenuBar", &AppSettings::windowMenuBar},
    {L"WindowDriveBar", &AppSettings::windowDriveBar},
    {L"WindowSideBar", &AppSettings::windowSideBar},
    {L"WindowSplitBarPos", &AppSettings::windowSplitBarPos},
    {L"WindowMenuIcon", &AppSettings::windowMenuIcon},
    {L"Magnification", &AppSettings::magnification},
    {L"LineHeight", &AppSettings::lineHeight},
    {L"TimestampFormat", &AppSettings::timestampFormat},
    {L"CustomScrollBar", &AppSettings::customScrollBar},
};

}  // namespace

void AppSettings::load(const IniStore& ini, UiLanguage lang) {
    const AppSettings defaults;
    for (const IntKey& key : kSavedSettingsKeys) {
        this->*key.field = ini.readInt(kSettings, key.name, defaults.*key.field);
    }
    windowSplitBarPos = std::clamp(windowSplitBarPos, kMinSplitBarPos, kMaxSplitBarPos);
    // Read as is, a huge value overflows the row-height arithmetic.
    lineHeight = std::clamp(lineHeight, 0, kMaxLineHeight);
    if (alphaBlendLevel < 1) alphaBlendLevel = defaults.alphaBlendLevel;

    isZoomed = ini.readInt(kSettings, L"IsZoomed", defaults.isZoomed);
    position = parsePosition(ini.readString(kSettings, L"Position", L""));

    font.size = std::clamp(ini.readInt(kFont, L"Size", defaults.font.size), kMinFontSize, kMaxFontSize);
    font.weight = ini.readInt(kFont, L"Weight", defaults.font.weight);
    font.italic = ini.readInt(kFont, L"Italic", defaults.font.italic);
    font.faceName = ini.readString(kFont, L"FaceName", L"");
    if (font.faceName.empty()) font.faceName = defaultFaceName(lang);
}

bool saveSessionData(SectionFileStore& data, const AppSettingsSaveState& state) {
    const SectionFileStore::KeyValue pairs[] = {{L"CurrentFolder", state.currentFolder},
                                                {L"ShortCutFolder", state.shortCutFolder}};
    return data.writeMany(kSaveData, pairs);
}

void AppSettings::save(IniStore& ini, const AppSettingsSaveState& state) const {

    for (const IntKey& key : kSavedSettingsKeys) {
        ini.writeInt(kSettings, key.name, this->*key.field);
    }

    ini.writeString(kFont, L"FaceName",
                    state.createdFaceName.empty() ? font.faceName : state.createdFaceName);
    ini.writeInt(kFont, L"Size", font.size);
    ini.writeInt(kFont, L"Weight", font.weight);
    ini.writeInt(kFont, L"Italic", font.italic);

    ini.writeInt(kSettings, L"IsZoomed", state.isZoomed ? 1 : 0);
    if (state.placement) {
        WindowPlacementValues placement = *state.placement;
        if (state.isZoomed) placement.flags |= kPlacementRestoreToMaximized;
        ini.writeString(kSettings, L"Position", formatPosition(placement));
    }
}

std::optional<std::uint8_t> startupWindowAlpha(const AppSettings& settings) {
    if (settings.windowAlphaBlend == 0) return std::nullopt;
    return kStartupAlpha;
}

std::uint8_t toggleWindowAlpha(int alphaBlendLevel) {
    return static_cast<std::uint8_t>(static_cast<unsigned>(alphaBlendLevel) & 0xFFu);
}

}  // namespace tarvelo::shell
