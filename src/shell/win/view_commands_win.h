#pragma once
// The view and setting commands on the window: top-most, translucency,
// themes, the view mode, the list look toggles, the bars, the font dialog
// and the version dialog. The main window only routes their ids here.
#include <windows.h>

#include <functional>

#include "filelist/folder_listing.h"
#include "filelist/win/list_pane.h"
#include "shell/app_settings.h"
#include "shell/command_table.h"
#include "shell/ui_language.h"

namespace tarvelo::shell::win {

// What the view commands need of the main window.
class ViewCommandHost {
public:
    virtual HWND hwnd() const = 0;
    virtual HINSTANCE instanceHandle() const = 0;
    virtual UiLanguage language() const = 0;
    virtual AppSettings& settings() = 0;
    virtual int dpi() const = 0;
    virtual bool guardAllows() const = 0;
    virtual void runModal(const std::function<void()>& work) = 0;
    virtual void relayout() = 0;
    virtual void refreshList() = 0;
    virtual filelist::FolderListing& viewListing() = 0;
    virtual filelist::win::ListPane& viewListPane() = 0;
    virtual HFONT viewListFont() const = 0;
    virtual bool viewIsDark() const = 0;

protected:
    ~ViewCommandHost() = default;
};

void registerViewCommands(CommandTable& table, ViewCommandHost& host);

}  // namespace tarvelo::shell::win
