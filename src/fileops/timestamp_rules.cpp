#include "fileops/timestamp_rules.h"

namespace tarvelo::fileops {

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

bool isValidStamp(const LocalStamp& s) {
    return s.year >= 1601 && s.year <= 30827 && s.month >= 1 && s.month <= 12 && s.day >= 1 &&
           s.day <= daysInMonth(s.year, s.month) && s.hour <= 23 && s.minute <= 59 && s.second <= 59;
}

std::optional<LocalStamp> mergeStamp(const LocalStamp& wanted, const LocalStamp& current,
                                     const std::array<bool, 6>& use) {
    LocalStamp out;
    out.year = use[kYear] ? wanted.year : current.year;
    out.month = use[kMonth] ? wanted.month : current.month;
    out.day = use[kDay] ? wanted.day : current.day;
    out.hour = use[kHour] ? wanted.hour : current.hour;
    out.minute = use[kMinute] ? wanted.minute : current.minute;
    out.second = use[kSecond] ? wanted.second : current.second;
    if (!isValidStamp(out)) return std::nullopt;
    return out;
}

std::optional<ItemTimes> plannedTimes(const TimestampRequest& request, const ItemTimes& current) {
    ItemTimes out = current;
    LocalStamp ItemTimes::*const members[3] = {&ItemTimes::created, &ItemTimes::modified, &ItemTimes::accessed};
    for (int k = 0; k < 3; ++k) {
        if (!request.kinds[k]) continue;
        std::optional<LocalStamp> merged = mergeStamp(request.wanted.*members[k], current.*members[k], request.fields);
        if (!merged) return std::nullopt;
        out.*members[k] = *merged;
    }
    return out;
}

ItemTimes copiedTimes(TimeCopy copy, const ItemTimes& c) {
    switch (copy) {
    case TimeCopy::CreatedToModified: return {c.created, c.created, c.accessed};
    case TimeCopy::ModifiedToCreated: return {c.modified, c.modified, c.accessed};
    case TimeCopy::CreatedToAccessed: return {c.created, c.modified, c.created};
    case TimeCopy::ModifiedToAccessed: return {c.created, c.modified, c.modified};
    }
    return c;
}

TimeKind copyTarget(TimeCopy copy) {
    switch (copy) {
    case TimeCopy::CreatedToModified: return kModified;
    case TimeCopy::ModifiedToCreated: return kCreated;
    case TimeCopy::CreatedToAccessed:
    case TimeCopy::ModifiedToAccessed: return kAccessed;
    }
    return kModified;
}

TimestampChoices::TimestampChoices(bool keepDate, bool keepTime) {
    if (keepDate) setKeepDate(true);
    else if (keepTime) setKeepTime(true);
}

void TimestampChoices::keepDateMode() {
    fields_ = {false, false, false, true, true, true};
}

void TimestampChoices::keepTimeMode() {
    fields_ = {true, true, true, false, false, false};
}

void TimestampChoices::freeMode() {
    fields_ = {true, true, true, true, true, true};
}

void TimestampChoices::setKeepDate(bool on) {
    keepDate_ = on;
    if (on) {
        keepTime_ = false;
        keepDateMode();
    } else if (!keepTime_) {
        freeMode();
    }
}

void TimestampChoices::setKeepTime(bool on) {
    keepTime_ = on;
    if (on) {
        keepDate_ = false;
        keepTimeMode();
    } else if (!keepDate_) {
        freeMode();
    }
}

void TimestampChoices::setKind(TimeKind kind, bool on) {
    kinds_[kind] = on;
    if (!kinds_[kCreated] && !kinds_[kModified] && !kinds_[kAccessed]) kinds_[kModified] = true;
}

bool TimestampChoices::datePickerEnabled(TimeKind k) const {
    return !keepDate_ && kinds_[k];
}

bool TimestampChoices::timePickerEnabled(TimeKind k) const {
    return !keepTime_ && kinds_[k];
}

bool TimestampChoices::fieldBoxEnabled(TimeField f) const {
    const bool dateField = f <= kDay;
    return dateField ? !keepDate_ : !keepTime_;
}

}  // namespace tarvelo::fileops
