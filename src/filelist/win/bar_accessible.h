#pragma once
// The side bar and the drive bar as a screen reader sees them: a tool bar
// of push buttons (Register, Release and one per visible shortcut folder;
// one per drive), each named with its text, in the positions of the last paint.
#include <windows.h>

#include "filelist/shortcut_folder_list.h"
#include "filelist/win/accessible_items.h"
#include "filelist/win/drive_bar_pane.h"
#include "filelist/win/side_bar_pane.h"
#include "shell/ui_language.h"

namespace tarvelo::filelist::win {

class SideBarAccessible final : public AccessibleItems {
public:
    SideBarAccessible(const SideBarPane& pane, const ShortcutFolderList& folders) : pane_(pane), folders_(folders) {}
    bool attach(HWND bar, UiLanguage language);
    // The rows changed (scrolled, folders added or removed).
    void changed() const { paneObject_.notify(EVENT_OBJECT_REORDER, CHILDID_SELF); }

    LONG paneRole() const override { return ROLE_SYSTEM_TOOLBAR; }
    std::wstring paneName() const override;
    int itemCount() const override;
    AccessibleItem item(int index) const override;

private:
    const SideBarPane& pane_;
    const ShortcutFolderList& folders_;
    UiLanguage language_ = UiLanguage::English;
    AccessiblePane paneObject_;
};

class DriveBarAccessible final : public AccessibleItems {
public:
    explicit DriveBarAccessible(const DriveBarPane& pane) : pane_(pane) {}
    bool attach(HWND bar, UiLanguage language);
    void changed() const { paneObject_.notify(EVENT_OBJECT_REORDER, CHILDID_SELF); }

    LONG paneRole() const override { return ROLE_SYSTEM_TOOLBAR; }
    std::wstring paneName() const override;
    int itemCount() const override { return static_cast<int>(pane_.buttons().size()); }
    AccessibleItem item(int index) const override;

private:
    const DriveBarPane& pane_;
    UiLanguage language_ = UiLanguage::English;
    AccessiblePane paneObject_;
};

}  // namespace tarvelo::filelist::win
