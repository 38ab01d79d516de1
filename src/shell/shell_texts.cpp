#include "shell/shell_texts.h"

namespace tarvelo::shell {

std::wstring windowTitle(std::wstring_view templateTitle, bool secondInstance, bool administrator, UiLanguage l) {
    std::wstring title(templateTitle);
    if (secondInstance) title += L" (#2)";
    if (administrator) title += administratorSuffix(l);
    return title;
}

}  // namespace tarvelo::shell
