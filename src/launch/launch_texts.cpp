#include "launch/launch_texts.h"

namespace tarvelo::launch {

namespace {

constexpr wchar_t kFilter[] = L"All Files (*.*)\0*.*\0";

const LaunchTexts kEnglish{
    L"Command Execution",
    L"New Process",
    L"Failed to Start Process.",
    L"Setting of Associated Execution",
    L"No.",
    L"File extensions",
    L"Pathname of executable file",
    L"Regist",
    L"Move Item Up\tCtrl+Up",
    L"Move Item Down\tCtrl+Down",
    L"Remove Item from List\tDelete",
    L"実行ファイルの選択",
    kFilter,
};

const LaunchTexts kJapanese{
    L"コマンド実行",
    L"新しいプロセス",
    L"プロセスの起動に失敗しました。",
    L"拡張子関連付け実行の設定",
    L"No.",
    L"拡張子",
    L"実行ファイルのパス名",
    L"登録",
    L"アイテムを上に移動\tCtrl+Up",
    L"アイテムを下に移動\tCtrl+Down",
    L"アイテムをリストから削除\tDelete",
    L"実行ファイルの選択",
    kFilter,
};

}  // namespace

const LaunchTexts& launchTexts(UiLanguage language) {
    return language == UiLanguage::Japanese ? kJapanese : kEnglish;
}

}  // namespace tarvelo::launch
