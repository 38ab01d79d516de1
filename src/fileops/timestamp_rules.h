#pragma once
// The Timestamp command without the disk: which fields of which times the
// user asked for, the field-by-field merge with an item's own times, and the
// four "copy one time onto another" commands.
#include <array>
#include <optional>

#include "filelist/file_entry.h"

namespace tarvelo::fileops {

using filelist::LocalStamp;

enum TimeKind { kCreated = 0, kModified = 1, kAccessed = 2 };
enum TimeField { kYear = 0, kMonth, kDay, kHour, kMinute, kSecond };

struct ItemTimes {
    LocalStamp created;
    LocalStamp modified;
    LocalStamp accessed;
    friend bool operator==(const ItemTimes&, const ItemTimes&) = default;
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);
// A calendar time the platform can store (1601..30827, real day, 0..23:59:59).
bool isValidStamp(const LocalStamp& stamp);

// Each field from wanted where use[field], else from current. Empty when the
// result is not a real date (day 31 into February, 29 February into a
// common year): nothing may be written for that item.
std::optional<LocalStamp> mergeStamp(const LocalStamp& wanted, const LocalStamp& current,
                                     const std::array<bool, 6>& use);

struct TimestampRequest {
    std::array<bool, 3> kinds{false, true, false};  // created, modified, accessed
    std::array<bool, 6> fields{true, true, true, true, true, true};
    ItemTimes wanted;
};

// The three times to write for an item: a kind not asked for keeps its
// value. Empty when any merged time is impossible.
std::optional<ItemTimes> plannedTimes(const TimestampRequest& request, const ItemTimes& current);

enum class TimeCopy { CreatedToModified, ModifiedToCreated, CreatedToAccessed, ModifiedToAccessed };
ItemTimes copiedTimes(TimeCopy copy, const ItemTimes& current);
// The one kind a copy changes; the other two are left alone on disk.
TimeKind copyTarget(TimeCopy copy);

// The dialog's check boxes and which of its controls are enabled.
class TimestampChoices {
public:
    // keepDate wins when the stored settings have both on.
    TimestampChoices(bool keepDate, bool keepTime);

    void setKeepDate(bool on);
    void setKeepTime(bool on);
    // Unchecking the last kind checks "Last Modified" again.
    void setKind(TimeKind kind, bool on);
    void setField(TimeField field, bool on) { fields_[field] = on; }

    bool keepDate() const { return keepDate_; }
    bool keepTime() const { return keepTime_; }
    bool kind(TimeKind k) const { return kinds_[k]; }
    bool field(TimeField f) const { return fields_[f]; }
    const std::array<bool, 3>& kinds() const { return kinds_; }
    const std::array<bool, 6>& fields() const { return fields_; }

    bool datePickerEnabled(TimeKind k) const;
    bool timePickerEnabled(TimeKind k) const;
    bool dateHeadingEnabled() const { return !keepDate_; }
    bool timeHeadingEnabled() const { return !keepTime_; }
    bool fieldBoxEnabled(TimeField f) const;

private:
    void keepDateMode();
    void keepTimeMode();
    void freeMode();

    bool keepDate_ = false;
    bool keepTime_ = false;
    std::array<bool, 3> kinds_{false, true, false};
    std::array<bool, 6> fields_{true, true, true, true, true, true};
};

}  // namespace tarvelo::fileops
