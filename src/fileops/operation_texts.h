#pragma once
// The texts each file command shows, one row per language, and the report
// text they format. Placeholders are filled here, never by the caller's
// printf, so a wide/narrow mix-up cannot cut a path to one character.
#include <string>
#include <string_view>

#include "shell/ui_language.h"

namespace tarvelo::fileops {

enum class OperationKind { Copy, Move, Delete, Paste };

struct OperationTexts {
    const wchar_t* caption = L"";
    const wchar_t* noFolder = L"";     // "%s": the destination typed
    const wchar_t* notSelected = L"";  // drop and paste without a current folder
    const wchar_t* overwrite = L"";    // "%s": the pair description
    const wchar_t* failure = L"";      // "%d" count, "%s" failure list
    const wchar_t* interrupt = L"";
    const wchar_t* pair = L"";         // "%s" source description, "%s" target description
};

OperationTexts operationTexts(OperationKind kind, UiLanguage lang);

struct DeleteTexts {
    const wchar_t* caption;
    const wchar_t* permanent;   // "%d"
    const wchar_t* recycleBin;  // "%d"
    const wchar_t* failure;     // "%d", "%s"
};
DeleteTexts deleteTexts(UiLanguage lang);

struct PasteTexts {
    const wchar_t* caption;
    const wchar_t* question;  // "%d"
};
PasteTexts pasteTexts(UiLanguage lang);

// The pattern with each "%d" replaced by number and each "%s" by the texts
// in order (a missing text counts as empty). Nothing else is interpreted.
std::wstring fillPattern(std::wstring_view pattern, long long number, std::wstring_view first = {},
                         std::wstring_view second = {});

// The failed items in processing order, each followed by a blank line.
struct OperationReport {
    int failureCount = 0;
    std::wstring failureList;
    void addFailure(std::wstring_view path);
};

// The report's message: the failure row with the count and the list.
std::wstring reportText(const wchar_t* failurePattern, const OperationReport& report);

}  // namespace tarvelo::fileops
