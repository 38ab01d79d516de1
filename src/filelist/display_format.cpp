#include "filelist/display_format.h"

#include <cwchar>

namespace tarvelo::filelist {

namespace {

constexpr const wchar_t* kWeekdaysEn[7] = {L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"};
constexpr const wchar_t* kWeekdaysJa[7] = {L"日", L"月", L"火", L"水", L"木", L"金", L"土"};

constexpr uint64_t kMiB = uint64_t{1} << 20;
constexpr uint64_t kGiB = uint64_t{1} << 30;

// Width 4, two decimals, as the status line has always shown sizes.
std::wstring fixed2(double value, const wchar_t* unit) {
    wchar_t buf[64];
    int n = std::swprintf(buf, sizeof buf / sizeof buf[0], L"%4.2f %ls", value, unit);
    return n > 0 ? std::wstring(buf, static_cast<size_t>(n)) : std::wstring();
}

}  // namespace

std::wstring groupDigits(int64_t value) {
    // Work on the magnitude as unsigned so that INT64_MIN has a text too.
    uint64_t magnitude = value < 0 ? uint64_t{0} - static_cast<uint64_t>(value)
                                   : static_cast<uint64_t>(value);
    std::wstring digits = std::to_wstring(magnitude);
    std::wstring out;
    out.reserve(digits.size() + digits.size() / 3 + 1);
    if (value < 0) out.push_back(L'-');
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0) out.push_back(L',');
        out.push_back(digits[i]);
    }
    return out;
}

std::wstring byteSizeText(uint64_t bytes) {
    if (bytes > kGiB) {
        double g = static_cast<double>(bytes) / static_cast<double>(kGiB);
        if (g > 1024.0) return fixed2(g / 1024.0, L"TB");
        return fixed2(g, L"GB");
    }
    if (bytes >= 10000) return fixed2(static_cast<double>(bytes) / static_cast<double>(kMiB), L"MB");
    return std::to_wstring(bytes) + L" Byte";
}

int weekday(int year, int month, int day) {
    static constexpr int t[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (day == 0 || month < 1 || month > 12) return -1;
    long long y = year;
    if (month < 3) y -= 1;
    long long sum = y + y / 4 - y / 100 + y / 400 + t[month - 1] + day;
    return static_cast<int>(((sum % 7) + 7) % 7);
}

const wchar_t* unknownWeekdayText(UiLanguage language) {
    return pick(language, L"???", L"？");
}

const wchar_t* weekdayName(int index, UiLanguage language) {
    if (index < 0 || index > 6) return unknownWeekdayText(language);
    return language == UiLanguage::Japanese ? kWeekdaysJa[index] : kWeekdaysEn[index];
}

std::wstring dateText(const LocalStamp& s, ListView view, UiLanguage language,
                      int timestampFormat) {
    const wchar_t* wd = weekdayName(weekday(s.year, s.month, s.day), language);
    wchar_t buf[160];
    int n;
    if (language == UiLanguage::Japanese) {
        n = std::swprintf(buf, 160, L"%04d/%02d/%02d (%ls)  %02d:%02d:%02d", s.year, s.month,
                          s.day, wd, s.hour, s.minute, s.second);
    } else if (timestampFormat == 1) {
        n = std::swprintf(buf, 160, L"%02d/%02d/%04d (%ls) %02d:%02d:%02d", s.day, s.month,
                          s.year, wd, s.hour, s.minute, s.second);
    } else if (timestampFormat < 2) {
        n = std::swprintf(buf, 160, L"%02d/%02d/%04d (%ls) %02d:%02d:%02d", s.month, s.day,
                          s.year, wd, s.hour, s.minute, s.second);
    } else if (view == ListView::ThreeTimes) {
        n = std::swprintf(buf, 160, L"%04d/%02d/%02d(%ls) %02d:%02d:%02d", s.year, s.month,
                          s.day, wd, s.hour, s.minute, s.second);
    } else {
        n = std::swprintf(buf, 160, L"%04d/%02d/%02d (%ls) %02d:%02d:%02d", s.year, s.month,
                          s.day, wd, s.hour, s.minute, s.second);
    }
    return n > 0 ? std::wstring(buf, static_cast<size_t>(n)) : std::wstring();
}

std::wstring attributeText(uint32_t attributes, bool showFolderLetter) {
    std::wstring out = L"- - - - -";
    if (attributes & kAttrReadOnly) out[0] = L'R';
    if (attributes & kAttrHidden) out[2] = L'H';
    if (attributes & kAttrSystem) out[4] = L'S';
    if (attributes & kAttrArchive) out[6] = L'A';
    if (showFolderLetter) out[8] = L'D';
    return out;
}

}  // namespace tarvelo::filelist
