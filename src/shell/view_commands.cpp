#include "shell/view_commands.h"

#include "resource_ids.h"

namespace tarvelo::shell {

namespace {

constexpr ViewToggle kToggles[] = {
    {IDM_TOP_MOST, L"WindowTopMost", &AppSettings::windowTopMost, false, ViewEffect::TopMost},
    {IDM_TRANSLUCENT, L"WindowAlphaBlend", &AppSettings::windowAlphaBlend, false, ViewEffect::Translucent},
    {IDM_EXIT_CONFIRM, L"ExitConfirm", &AppSettings::exitConfirm, false, ViewEffect::None},
    {IDM_SOUND_ON_COMPLETE, L"SoundOnComplete", &AppSettings::soundOnComplete, false, ViewEffect::None},
    {IDM_ICON, L"DrawIcon", &AppSettings::drawIcon, true, ViewEffect::RepaintList},
    {IDM_STRIPED_ROW, L"StripeRow", &AppSettings::stripeRow, true, ViewEffect::RepaintList},
    {IDM_TOOLTIP, L"ToolTip", &AppSettings::toolTip, true, ViewEffect::RepaintList},
    {IDM_GRID_LINE, L"GridLine", &AppSettings::gridLine, true, ViewEffect::RepaintList},
    {IDM_DRIVE_BAR, L"WindowDriveBar", &AppSettings::windowDriveBar, true, ViewEffect::Relayout},
    {IDM_SIDE_BAR, L"WindowSideBar", &AppSettings::windowSideBar, true, ViewEffect::Relayout},
};

}  // namespace

std::span<const ViewToggle> viewToggles() { return kToggles; }

const ViewToggle* findViewToggle(int id) {
    for (const ViewToggle& t : kToggles) {
        if (t.id == id) return &t;
    }
    return nullptr;
}

int themeForCommand(int id) {
    return (id >= IDM_THEME_FIRST && id <= IDM_THEME_LAST) ? id - IDM_THEME_FIRST : -1;
}

}  // namespace tarvelo::shell
