#include "filelist/win/bar_accessible.h"

#include <algorithm>

#include "filelist/side_bar_layout.h"

namespace tarvelo::filelist::win {

namespace {

RECT toRect(const PixelRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

AccessibleItem button(std::wstring name, const PixelRect& box) {
    AccessibleItem it;
    it.name = std::move(name);
    it.role = ROLE_SYSTEM_PUSHBUTTON;
    it.state = STATE_SYSTEM_FOCUSABLE;
    it.bounds = toRect(box);
    return it;
}

}  // namespace

bool SideBarAccessible::attach(HWND bar, UiLanguage language) {
    language_ = language;
    return paneObject_.attach(bar, *this);
}

std::wstring SideBarAccessible::paneName() const { return pick(language_, L"Side bar", L"サイドバー"); }

int SideBarAccessible::itemCount() const {
    const int rows = std::max(0, std::min(pane_.visibleRows(), folders_.count() - pane_.firstVisible()));
    return 2 + rows;
}

AccessibleItem SideBarAccessible::item(int index) const {
    const SideBarLayout& layout = pane_.layout();
    if (index == 0) return button(registerButtonText(language_), layout.registerButton());
    if (index == 1) return button(releaseButtonText(language_), layout.releaseButton());
    const int row = index - 2;
    return button(std::wstring(folders_.at(pane_.firstVisible() + row)), layout.row(row));
}

bool DriveBarAccessible::attach(HWND bar, UiLanguage language) {
    language_ = language;
    return paneObject_.attach(bar, *this);
}

std::wstring DriveBarAccessible::paneName() const { return pick(language_, L"Drive bar", L"ドライブバー"); }

AccessibleItem DriveBarAccessible::item(int index) const {
    const std::vector<DriveButton>& buttons = pane_.buttons();
    if (index < 0 || static_cast<size_t>(index) >= buttons.size()) return {};
    const DriveButton& b = buttons[static_cast<size_t>(index)];
    std::wstring name = b.label;
    if (name.empty() && b.drive >= 1 && b.drive <= 26) name = std::wstring(1, static_cast<wchar_t>(L'A' + b.drive - 1)) + L":";
    return button(std::move(name), b.box);
}

}  // namespace tarvelo::filelist::win
