#pragma once
// The file list as a screen reader sees it: the list role, one child per
// visible row named "name, kind, size", with its selected and focused
// states; and the focus and selection events after each repaint, so the
// entry under the cursor is read as the cursor moves.
#include <windows.h>

#include "filelist/folder_listing.h"
#include "filelist/list_access_events.h"
#include "filelist/win/accessible_items.h"
#include "filelist/win/list_pane.h"
#include "shell/ui_language.h"

namespace tarvelo::filelist::win {

class ListAccessible final : public AccessibleItems {
public:
    ListAccessible(const FolderListing& listing, const ListPane& pane) : listing_(listing), pane_(pane) {}

    // Attaches to the list window (control 1000).
    bool attach(HWND list, UiLanguage language);
    // After the list was drawn: raises what changed since the last call.
    void afterPaint();

    LONG paneRole() const override { return ROLE_SYSTEM_LIST; }
    std::wstring paneName() const override;
    int itemCount() const override;
    AccessibleItem item(int index) const override;
    int focusedItem() const override;

private:
    ListAccessSnapshot snapshot() const;

    const FolderListing& listing_;
    const ListPane& pane_;
    UiLanguage language_ = UiLanguage::English;
    AccessiblePane paneObject_;
    ListAccessSnapshot last_;
};

}  // namespace tarvelo::filelist::win
