#include "fileops/rename_texts.h"

namespace tarvelo::fileops {

NameTexts nameTexts(UiLanguage lang) {
    if (lang == UiLanguage::Japanese) {
        return {L"フォルダの作成", L"新しいフォルダ", L"ファイルの作成", L"新しいファイル", L"リネーム",
                L"同名のファイル/フォルダが存在しています。\nリネームしてもよろしいですか？",
                L"リネームに失敗しました。", L"\r\n\r\nリネーム元：\r\n%s\r\nリネーム先：\r\n%s\r\n",
                L" \\ / : * ? \" > < | \n\nこれらの文字は使用できません。", L"Attention"};
    }
    return {L"Make Folder", L"New Folder", L"Make File", L"New File", L"Rename",
            L"A File/Folder with the same name already exists.\nIs it okay to Rename it?", L"Failed to Rename.",
            L"\r\nRename Source :\r\n%s\r\nRename Destination :\r\n%s\r\n",
            L" \\ / : * ? \" > < | \n\nThese characters cannot be used.", L"Attention"};
}

BatchTexts batchTexts(BatchKind kind, UiLanguage lang) {
    const bool ja = lang == UiLanguage::Japanese;
    const wchar_t* failure = ja ? L"( %d 個 ) のリネームに失敗しました。\r\n\r\n%s" : L"Failed to Rename (%d) items.\r\n\r\n%s";
    const wchar_t* collisions = ja ? L"同名になるため変更しない項目: %d" : L"Names already taken (not renamed): %d";
    switch (kind) {
    case BatchKind::Replace: return {ja ? L"置換リネーム" : L"Replace Rename", failure, L"", collisions};
    case BatchKind::Append: return {ja ? L"追加リネーム" : L"Append Rename", failure, L"", collisions};
    case BatchKind::Serial: return {ja ? L"連番リネーム" : L"Serial Number Rename", failure, L"", collisions};
    case BatchKind::Between:
        return {ja ? L"任意文字列間の置換リネーム" : L"Between Rename", failure, L"", collisions};
    case BatchKind::Lowercase:
        return {ja ? L"小文字リネーム" : L"Rename to Lowercase", failure,
                ja ? L"選択されたファイルを小文字にリネームします。\nよろしいですか？"
                   : L"Rename the selected file to Lowercase.\nAre you sure?",
                collisions};
    case BatchKind::Uppercase:
        return {ja ? L"大文字リネーム" : L"Rename to Uppercase", failure,
                ja ? L"選択されたファイルを大文字にリネームします。\nよろしいですか？"
                   : L"Rename the selected file to Uppercase.\nAre you sure?",
                collisions};
    }
    return {L"", failure, L"", collisions};
}

const wchar_t* serialErrorText(UiLanguage lang) {
    return pick(lang, L"Serial number specification is incorrect. Processing will be interrupted.",
                L"連番指定が異常です。処理を中断します。");
}

AppendChoiceTexts appendChoiceTexts(UiLanguage lang) {
    if (lang == UiLanguage::Japanese) return {{L"ファイル名", L"拡張子"}, {L"先頭", L"最後"}};
    return {{L"Filename", L"Extension"}, {L"Head", L"Last"}};
}

TimesTexts timesTexts(TimesKind kind, UiLanguage lang) {
    const bool ja = lang == UiLanguage::Japanese;
    const wchar_t* copyFailure =
        ja ? L"( %d 個 ) のタイムスタンプコピーに失敗しました。\r\n\r\n%s" : L"Failed to Copy Timestamp (%d) items.\r\n\r\n%s";
    switch (kind) {
    case TimesKind::Timestamp:
        return {ja ? L"タイムスタンプの変更" : L"Timestamp",
                ja ? L"( %d 個 ) のタイムスタンプの変更に失敗しました。\r\n\r\n%s"
                   : L"Failed to Change Timestamp (%d) items.\r\n\r\n%s",
                L""};
    case TimesKind::Attribute:
        return {ja ? L"属性の変更" : L"Attribute",
                ja ? L"( %d 個 ) の属性の変更に失敗しました。\r\n\r\n%s" : L"Failed to Change Attribute (%d) items.\r\n\r\n%s",
                L""};
    case TimesKind::CreatedToModified:
        return {ja ? L"作成日時を更新日時にコピー" : L"Copy CreateTime to LastModified", copyFailure,
                ja ? L"選択されたファイルの作成日時を更新日時にコピーします。\nよろしいですか？"
                   : L"Copy CreateTime to LastModified.\nAre you sure?"};
    case TimesKind::ModifiedToCreated:
        return {ja ? L"更新日時を作成日時にコピー" : L"Copy LastModified to CreateTime", copyFailure,
                ja ? L"選択されたファイルの更新日時を作成日時にコピーします。\nよろしいですか？"
                   : L"Copy LastModified to CreateTime.\nAre you sure?"};
    case TimesKind::CreatedToAccessed:
        return {ja ? L"作成日時をアクセス日時にコピー" : L"Copy CreateTime to AccessTime", copyFailure,
                ja ? L"選択されたファイルの作成日時をアクセス日時にコピーします。\nよろしいですか？"
                   : L"Copy CreateTime to AccessTime.\nAre you sure?"};
    case TimesKind::ModifiedToAccessed:
        return {ja ? L"更新日時をアクセス日時にコピー" : L"Copy LastModified to AccessTime", copyFailure,
                ja ? L"選択されたファイルの更新日時をアクセス日時にコピーします。\nよろしいですか？"
                   : L"Copy LastModified to AccessTime.\nAre you sure?"};
    }
    return {L"", copyFailure, L""};
}

VolumeTexts volumeTexts(UiLanguage lang) {
    if (lang == UiLanguage::Japanese) {
        return {L"ボリュームラベルの変更", L"[%s] のボリュームラベルを [%s] に変更しました。",
                L"ボリュームラベルの変更に失敗しました。"};
    }
    return {L"Change Volume Label", L"Volume label for [%s] changed to [%s].", L"Failed to change volume label."};
}

}  // namespace tarvelo::fileops
