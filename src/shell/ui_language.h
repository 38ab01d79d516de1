#pragma once

namespace tarvelo {

// Chosen once at start from the resource language marker; every text the
// program shows picks its English or Japanese row by it.
enum class UiLanguage { English, Japanese };

// Picks the row of the current language from a pair of texts.
inline const wchar_t* pick(UiLanguage lang, const wchar_t* english, const wchar_t* japanese) {
    return lang == UiLanguage::Japanese ? japanese : english;
}

}  // namespace tarvelo
