#pragma once
// The only top-level window: a resizable dialog (template 102) hosting the
// drive bar, the side bar, the split bar, the file list and their scroll
// bars. It lays them out, routes messages and commands to their owners,
// runs the timers and the orderly exit. It does not implement the commands.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "filelist/folder_listing.h"
#include "filelist/key_table.h"
#include "filelist/win/drop_target.h"
#include "filelist/win/list_pane.h"
#include "filelist/win/navigator.h"
#include "platform/unique_handle.h"
#include "shell/app_settings.h"
#include "shell/command_table.h"
#include "shell/layout.h"
#include "shell/win/app_context.h"
#include "shell/win/view_commands_win.h"

namespace tarvelo::shell::win {

class MainWindowParts;  // panes, visuals and command owners

class MainWindow final : private filelist::win::NavigatorHost,
                         private ViewCommandHost,
                         private filelist::win::FileDropHandler {
public:
    explicit MainWindow(AppContext& context);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window and runs its modal loop until it is destroyed.
    int run();

    HWND hwnd() const override { return hwnd_; }
    AppContext& context() { return context_; }
    AppSettings& settings() override { return settings_; }
    const MainLayout& layout() const { return layout_; }
    int dpi() const override { return dpi_; }
    bool isActiveApp() const { return activeApp_; }

    // Command guard: false while a guarded command or the listing thread runs.
    bool guardAllows() const override;
    // Runs modal work the guarded way: timers 10002/10003 stopped and uiBusy
    // held while work runs; the interaction state reset and the visuals
    // rebuilt afterwards.
    void runModal(const std::function<void()>& work) override;

    void stopPeriodicTimers();
    void startPeriodicTimers();

    // Lays the panes out for the current client size.
    void relayout() override;
    // The layout and the panes' positions, without repainting.
    void placePanes();
    // Rebuilds palette, fonts, metrics and back buffers, then repaints.
    void rebuildVisuals();
    void repaintAll();
    // Draws every pane into its back buffer (no screen update).
    void paintPanes();

    // Shows a message box owned by the main window with the program's caption.
    int message(const std::wstring& text, UINT flags);

    ListView view() const override;
    bool listingComplete() const;

    // The owners of the command ids: each subsystem adds its rows once the
    // window exists (main_window_routes.cpp); onCommand only dispatches.
    CommandTable& commands() { return commands_; }
    MainWindowParts& parts() { return *parts_; }
    // Draws the list into its back buffer and shows it.
    void refreshList() override { paintList(); }
    // Draws both bars into their back buffers and shows them.
    void refreshBars() { paintBars(); }
    void reportDataFileReadOnly() { tellIfDataFileReadOnly(); }

private:
    static INT_PTR CALLBACK dialogProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR handle(UINT msg, WPARAM wp, LPARAM lp);
    bool preTranslate(MSG& msg);

    void onInitDialog();
    void onCommand(int id);
    void onSysCommand(WPARAM wp, LPARAM lp, bool& handled);
    void onTimer(UINT_PTR id);
    void onClose();
    void onDestroy();
    void onInitMenuPopup(HMENU menu);
    void onMouseWheel(WPARAM wp, LPARAM lp);
    void onMinMaxInfo(MINMAXINFO* info);
    void onDpiChanged(int dpi, const RECT* suggested);

    // The list pane (main_window_list.cpp).
    void layoutList();
    void paintList();
    void updateListScrollBar();
    void onListScroll(WPARAM wp, HWND bar);
    filelist::KeyContext keyContext() const;
    bool onListKey(const MSG& msg);
    bool onListMouse(const MSG& msg);
    void handleListResult(const filelist::win::InputResult& r);
    void confinePointerToList();
    void openCursorEntry(bool doubleClick);
    // The image preview over the list (main_window_preview.cpp).
    void requestPreviewOfCursor(int memberIndex);
    void runPendingPreview();
    bool previewFilter(const MSG& msg);
    bool previewKey(const MSG& msg);
    void previewFollowCursor();
    void startFileDrag();
    void showPopupMenu(bool drives);
    void storeShortcutFolder();
    // Shows, once per run, that a change to an unreadable data file was not saved.
    void tellIfDataFileReadOnly();
    void signalCompletion();

    // The side bar and the drive bar (main_window_bars.cpp).
    void initBars();
    void pollDrives();
    void paintBars();
    void updateSideBarScroll();
    void onSideBarScroll(WPARAM wp, HWND bar);
    bool onBarMouse(const MSG& msg);
    bool onSplitBarMouse(const MSG& msg);
    void clearBarHover();
    void registerSideBarFolder(const std::wstring& folder);
    void gotoSideBarFolder(int n);
    void prepareDriveMenu(HMENU menu);
    std::wstring driveRootFor(int drive);
    void onContextMenu(LPARAM lp);
    void scrollSideBar(int step);
    void onDropFiles(HDROP drop);
    // Files dropped through OLE come in during the source's drag loop; the
    // menu opens from this posted message once that loop has returned.
    static constexpr UINT kMsgDroppedFiles = WM_APP + 0x40;
    // The bars fetch their shell icons once the first list is on screen.
    static constexpr UINT kMsgBarIcons = WM_APP + 0x41;
    void holdBarIcons();
    void releaseBarIcons();
    bool acceptsDrops() override;
    void filesDropped(std::vector<std::wstring> paths, POINT screen) override;
    // The drop menu for paths dropped at a screen point.
    void openDropMenu(std::vector<std::wstring> paths, POINT screen);
    filelist::FreeSpaceLookup freeSpaceLookup() const;

    // Fills the command table (main_window_routes.cpp).
    void registerCommands();
    // Navigation and selection commands (main_window_commands.cpp).
    void registerListCommands();
    void onStartFolderTimer();
    void onLoadProgressTimer();
    void onWatchAndDrivesTimer();
    void selectFolder();
    void copyListText(bool fullPaths);

    // ViewCommandHost (main_window_view_host.cpp)
    HINSTANCE instanceHandle() const override { return context_.instance; }
    UiLanguage language() const override { return context_.uiLanguage; }
    filelist::FolderListing& viewListing() override;
    filelist::win::ListPane& viewListPane() override;
    HFONT viewListFont() const override;
    bool viewIsDark() const override;

    // NavigatorHost
    HWND window() const override { return hwnd_; }
    void startLoadProgressTimer() override;
    void stopLoadProgressTimer() override;
    uint32_t refreshDrives() override;
    void markBarsForRepaint() override;
    void filterTerms(std::wstring& text, std::vector<std::wstring>& terms) const override;

    void applyStoredPlacement();
    void attachMenuBar();
    void toggleMenuBar();
    void setTitle(const std::wstring& title);
    void saveSettings();
    // The save before a crash restart: into a copy of the settings file,
    // which then replaces it (main_window_crash_save.cpp).
    void saveSettingsForRestart();
    void resetInteraction();
    void drawPane(const DRAWITEMSTRUCT& item);
    void applyMenuIcons(HMENU menu);

    AppContext& context_;
    HWND hwnd_ = nullptr;
    AppSettings settings_;
    MainLayout layout_;
    int dpi_ = 96;
    bool activeApp_ = true;
    bool splitDragActive_ = false;
    bool overSplitBar_ = false;
    bool destroyed_ = false;
    bool settingsSaved_ = false;
    bool archiverItemsAdded_ = false;
    int monitorCount_ = 1;
    std::wstring title_;
    std::wstring currentFolderAtStart_;
    platform::UniqueMenu mainMenu_;
    HACCEL accelerators_ = nullptr;  // resource-owned, freed with the module
    ULONG_PTR gdiplusToken_ = 0;
    std::unique_ptr<MainWindowParts> parts_;
    CommandTable commands_;
};

}  // namespace tarvelo::shell::win
