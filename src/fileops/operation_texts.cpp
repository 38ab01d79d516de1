#include "fileops/operation_texts.h"

namespace tarvelo::fileops {

OperationTexts operationTexts(OperationKind kind, UiLanguage lang) {
    const bool ja = lang == UiLanguage::Japanese;
    OperationTexts t;
    switch (kind) {
    case OperationKind::Move:
        t.caption = ja ? L"ファイル移動" : L"File Move";
        t.noFolder = ja ? L"フォルダが指定されていません。\r\n\r\n%s" : L"No folder specified.\r\n\r\n%s";
        t.notSelected = ja ? L"移動先フォルダが選択されていません。" : L"Destination folder is not selected.";
        t.overwrite = ja ? L"同名のファイルが存在しています。上書きしますか？\r\n\r\n%s"
                         : L"There is a file with the same name. Do you want to overwrite?\r\n\r\n%s";
        t.failure = ja ? L"( %d 個 ) のファイル移動に失敗しました。\r\n\r\n%s" : L"Failed to Move (%d) files.\r\n\r\n%s";
        t.interrupt = ja ? L"ファイル移動を中断しますか？" : L"Do you want to interrupt a file move?";
        t.pair = ja ? L"移動元：\r\n%s\r\n移動先：\r\n%s\r\n" : L"Move Source :\r\n%s\r\nMove Destination :\r\n%s\r\n";
        return t;
    case OperationKind::Delete: {
        DeleteTexts d = deleteTexts(lang);
        t.caption = d.caption;
        t.failure = d.failure;
        return t;
    }
    case OperationKind::Copy:
    case OperationKind::Paste:
        break;
    }
    t.caption = ja ? L"ファイルコピー" : L"File Copy";
    t.noFolder = ja ? L"フォルダが指定されていません。\r\n\r\n%s" : L"No folder specified.\r\n\r\n%s";
    t.notSelected = ja ? L"コピー先フォルダが選択されていません。" : L"Destination folder is not selected.";
    t.overwrite = ja ? L"同名のファイルが存在しています。上書きしますか？\r\n\r\n%s"
                     : L"There is a file with the same name. Do you want to overwrite?\r\n\r\n%s";
    t.failure = ja ? L"( %d 個 ) のファイルコピーに失敗しました。\r\n\r\n%s" : L"Failed to Copy (%d) items.\r\n\r\n%s";
    t.interrupt = ja ? L"ファイルコピーを中断しますか？" : L"Do you want to interrupt file copying?";
    t.pair = ja ? L"コピー元：\r\n%s\r\nコピー先：\r\n%s\r\n" : L"Copy Source :\r\n%s\r\nCopy Destination :\r\n%s\r\n";
    if (kind == OperationKind::Paste) t.caption = ja ? L"ペースト" : L"Paste";
    return t;
}

DeleteTexts deleteTexts(UiLanguage lang) {
    if (lang == UiLanguage::Japanese) {
        return {L"ファイル・フォルダの削除", L"選択されたアイテム ( %d 個 ) を 削除 します。",
                L"選択されたアイテム ( %d 個 ) を ゴミ箱に移動 します。", L"( %d 個 ) の削除に失敗しました。\r\n\r\n%s"};
    }
    return {L"Delete File/Folder", L"Delete selected items (%d).", L"Move selected items (%d) to Recycle Bin.",
            L"Failed to Delete (%d) items.\r\n\r\n%s"};
}

PasteTexts pasteTexts(UiLanguage lang) {
    if (lang == UiLanguage::Japanese) {
        return {L"ペースト", L"コピーされたアイテム ( %d 個 ) を ペースト(貼り付けコピー) します。"};
    }
    return {L"Paste", L"Paste copied items (%d)."};
}

std::wstring fillPattern(std::wstring_view pattern, long long number, std::wstring_view first,
                         std::wstring_view second) {
    std::wstring out;
    int textIndex = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == L'%' && i + 1 < pattern.size()) {
            const wchar_t k = pattern[i + 1];
            if (k == L'd') {
                out += std::to_wstring(number);
                ++i;
                continue;
            }
            if (k == L's') {
                out += textIndex == 0 ? first : second;
                ++textIndex;
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

void OperationReport::addFailure(std::wstring_view path) {
    ++failureCount;
    failureList += path;
    failureList += L"\r\n\r\n";
}

std::wstring reportText(const wchar_t* failurePattern, const OperationReport& report) {
    return fillPattern(failurePattern, report.failureCount, report.failureList);
}

}  // namespace tarvelo::fileops
