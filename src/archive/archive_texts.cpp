#include "archive/archive_texts.h"

namespace tarvelo::archive {

namespace {

const ArchiveTexts kEnglish = {
    L"Compress Archive",
    L"Compress Archive Selected Folder/Files.\r\n\r\nDestination Folder : \r\n%s\r\n",
    L"Failed to Compress (%d) Archives.\r\n\r\n%s",
    L"Expand Archive",
    L"Expand Archive the Selected Folder.\r\n\r\nExpand to Folder : \r\n%s\r\n",
    L"Failed to Expand (%d) Archives.\r\n\r\n%s",
    L"Archived under individual Filenames.",
    {L"Non-Compressed", L"Fastest", L"Fast", L"Normal", L"Maximum", L"Ultra"},
    L"  Member outside the destination refused: %s",
    L"  Would overwrite: %s",
    L"  Name not representable in the system code page.",
};

const ArchiveTexts kJapanese = {
    L"圧縮",
    L"選択されたフォルダ/ファイルを圧縮します。\r\n\r\n保存先フォルダ：\r\n%s\r\n",
    L"( %d 個 ) の圧縮に失敗しました。\r\n\r\n%s",
    L"解凍",
    L"選択されたアーカイブファイルを解凍します。\r\n\r\n解凍先フォルダ：\r\n%s\r\n",
    L"( %d 個 ) の解凍に失敗しました。\r\n\r\n%s",
    L"個別のファイル名でアーカイブされます。",
    {L"無圧縮", L"最速", L"高速", L"標準", L"最高", L"超高"},
    L"  解凍先の外を指すメンバーは拒否しました: %s",
    L"  既存のファイルを上書きします: %s",
    L"  システムのコードページで表せない名前です。",
};

}  // namespace

const ArchiveTexts& archiveTexts(UiLanguage lang) { return lang == UiLanguage::Japanese ? kJapanese : kEnglish; }

}  // namespace tarvelo::archive
