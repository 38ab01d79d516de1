// What the view and setting commands see of the main window.
#include "shell/win/main_window.h"
#include "shell/win/main_window_parts.h"

namespace tarvelo::shell::win {

filelist::FolderListing& MainWindow::viewListing() { return parts_->listing; }
filelist::win::ListPane& MainWindow::viewListPane() { return parts_->listPane; }
HFONT MainWindow::viewListFont() const { return parts_->fonts.listFont(); }
bool MainWindow::viewIsDark() const { return parts_->palette.isDarkTheme; }

}  // namespace tarvelo::shell::win
