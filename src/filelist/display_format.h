#pragma once
// The small text formats of the list: grouped numbers, byte sizes for the
// status line, weekdays, dates and attribute letters, in both UI languages.
#include <cstdint>
#include <string>

#include "filelist/file_entry.h"
#include "shell/list_metrics.h"
#include "shell/ui_language.h"

namespace tarvelo::filelist {

// The two list layouts (values of the ViewMode setting), one type for the
// metrics and the texts.
using shell::ListView;

// Decimal text with a comma between every group of three digits counted
// from the right: 1234567 -> "1,234,567"; a minus sign is never grouped.
std::wstring groupDigits(int64_t value);

// "9999 Byte", "0.01 MB", "1.00 GB", "1.00 TB": binary units, two decimals.
std::wstring byteSizeText(uint64_t bytes);

// 0..6 with Sunday = 0; -1 when month is outside 1..12 or day is 0 (unknown).
int weekday(int year, int month, int day);

// Weekday name for 0..6; any other index gives the unknown-date text.
const wchar_t* weekdayName(int index, UiLanguage language);
const wchar_t* unknownWeekdayText(UiLanguage language);

// A stamp as the list shows it. timestampFormat is the TimestampFormat
// setting (0 month first, 1 day first, 2 or more year first; English only).
std::wstring dateText(const LocalStamp& stamp, ListView view, UiLanguage language,
                      int timestampFormat);

// "R H S A D" with "-" for each absent letter. For the parent entry pass the
// attributes of the folder it leads to and showFolderLetter = true.
std::wstring attributeText(uint32_t attributes, bool showFolderLetter);

}  // namespace tarvelo::filelist
