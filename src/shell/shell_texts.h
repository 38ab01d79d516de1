#pragma once
// Texts the main window shows, in both interface languages.
#include <string>
#include <string_view>

#include "shell/ui_language.h"

namespace tarvelo::shell {

inline constexpr const wchar_t* kAppCaption = L"Tarvelo";

inline const wchar_t* exitConfirmText(UiLanguage l) {
    return pick(l, L"Exit the Application.\nAre you sure?", L"アプリケーションを終了します。\nよろしいですか？");
}
inline const wchar_t* waitingForThreadText(UiLanguage l) {
    return pick(l, L"Waiting for the Thread to End.", L"スレッド起動中のため待機しています。");
}
inline const wchar_t* exitProcessSuffix(UiLanguage l) {
    return pick(l, L"  Exit Process... ", L"  終了処理をしています... ");
}
inline const wchar_t* administratorSuffix(UiLanguage l) {
    return pick(l, L" <Administrator Authority>", L" <管理者権限>");
}
inline const wchar_t* forceTerminationText(UiLanguage l) {
    return pick(l, L"Force Termination of the running Threads.\nAre you sure?",
                L"起動中のスレッドを強制終了します。\nよろしいですか？");
}
inline const wchar_t* menuBarItemText(UiLanguage l) {
    return pick(l, L"Menu Bar(&B)", L"メニューバー(&B)");
}
// A data file could not be read at start, so it is left untouched for the run.
inline const wchar_t* dataFileReadOnlyText(UiLanguage l) {
    return pick(l, L"A data file could not be read at start-up.\nChanges to it cannot be saved until Tarvelo is started again.",
                L"起動時にデータファイルを読み込めませんでした。\nTarvelo を再起動するまで変更を保存できません。");
}
// Not localised: shown before the language matters.
inline constexpr const wchar_t* kGdiplusMissingText = L"gdiplus.dll is not found.";

// "Tarvelo", " (#2)" for a second copy, then the administrator mark.
std::wstring windowTitle(std::wstring_view templateTitle, bool secondInstance, bool administrator, UiLanguage l);

}  // namespace tarvelo::shell
