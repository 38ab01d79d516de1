#pragma once
// What the main window owns besides its own state: the panes, the visuals
// they paint with, and the owners of the commands it routes.
#include <windows.h>

#include <memory>
#include <string>

#include "filelist/folder_listing.h"
#include "filelist/drive_table.h"
#include "filelist/shortcut_folder_list.h"
#include "filelist/string_features.h"
#include "filelist/win/filter_commands.h"
#include "filelist/win/bar_accessible.h"
#include "filelist/win/drive_bar_pane.h"
#include "filelist/win/drive_monitor.h"
#include "filelist/win/drop_target.h"
#include "filelist/win/list_accessible.h"
#include "filelist/win/list_pane.h"
#include "filelist/win/side_bar_pane.h"
#include "filelist/win/navigator.h"
#include "filelist/win/shell_icon_cache.h"
#include "launch/ext_app_table.h"
#include "platform/gdi_draw.h"
#include "platform/win32_byte_file.h"
#include "shell/section_file_store.h"
#include "preview/win/preview_controller.h"
#include "shell/win/animated_background.h"
#include "platform/unique_handle.h"
#include "shell/theme_palette.h"
#include "shell/win/menu_look.h"
#include "shell/win/theme_fonts.h"
#include "shell/win/themed_scroll_bar.h"

namespace tarvelo::shell::win {

class MainWindowParts {
public:
    MainWindowParts(filelist::win::NavigatorHost& host, std::wstring modulePath)
        : dataFiles(dataFileSystem, std::move(modulePath)), navigator(listing, listPane, host) {}

    // The data files of the whole run: it remembers which of them were found
    // unreadable, so none of those is written over until the next start.
    platform::Win32ByteFileSystem dataFileSystem;
    SectionFileStore dataFiles;
    // The associations for Associated Execution (ExtAppData).
    launch::ExtAppTable extApps;

    // Until the first list is shown, the bars draw no shell icons.
    bool barIconsHeld = false;

    // Child controls of template 102.
    HWND driveBar = nullptr;
    HWND sideBar = nullptr;
    HWND sideScroll = nullptr;
    HWND list = nullptr;
    HWND listScroll = nullptr;
    HWND splitBar = nullptr;

    // The owner-drawn bars standing in for 1002 and 1039 (CustomScrollBar).
    ThemedScrollBar themedListScroll;
    ThemedScrollBar themedSideScroll;

    ThemePalette palette;
    int contrast = 0;  // Alt+wheel; never stored
    ThemeFonts fonts;
    MenuBitmapSet menuBitmaps;
    // Back buffers of the panes the window paints itself.
    platform::BackBuffer driveBarBuffer;
    platform::BackBuffer sideBarBuffer;
    platform::BackBuffer splitBarBuffer;

    // The one listing of the run; its currentFolder is the folder shown.
    filelist::FolderListing listing;
    filelist::win::ListPane listPane;
    filelist::win::Navigator navigator;
    filelist::win::ShellIconCache icons;
    AnimatedBackground background;
    // Attributes of the folder the parent entry leads to, per listed folder.
    std::wstring parentAttributesFolder;
    uint32_t parentAttributes = 0;
    // Font size and contrast as last confirmed (the status line shows the
    // indicators while they differ).
    int confirmedFontSize = 0;
    int confirmedContrast = 0;
    // The side bar and the drive bar.
    filelist::DriveTable drives;
    filelist::win::DriveMonitor driveMonitor;
    int lastDriveCount = 0;
    filelist::ShortcutFolderList shortcuts;
    filelist::win::SideBarPane sideBarPane;
    std::wstring sideBarRevealedFolder;  // the folder whose entry was last brought into view
    filelist::win::DriveBarPane driveBarPane;
    // Search-select and filtering by strings: their terms and switches, and
    // what their commands see of the window.
    filelist::StringFeatures strings;
    std::shared_ptr<filelist::win::FilterHost> filterHost;
    // Paths dropped in from other programs, for the drop menu's commands.
    std::vector<std::wstring> dropList;
    // The list's OLE drop target, and a drop it took that waits for its menu.
    filelist::win::DropTargetRegistration listDropTarget;
    std::vector<std::wstring> pendingDrop;
    POINT pendingDropPoint{};

    // Double clicks on the list (the static control does not report them).
    DWORD lastClickTime = 0;
    POINT lastClickPoint{};
    // SaveData/ShortCutFolder.
    std::wstring shortcutFolder;

    // Accessibility: what screen readers read of the panes, and whether the
    // palette follows the system's high-contrast colours.
    filelist::win::ListAccessible listAccess{listing, listPane};
    filelist::win::SideBarAccessible sideBarAccess{sideBarPane, shortcuts};
    filelist::win::DriveBarAccessible driveBarAccess{driveBarPane};
    bool highContrast = false;
    // The image preview, the image library and GDI+.
    preview::win::PreviewController preview;
};

}  // namespace tarvelo::shell::win
