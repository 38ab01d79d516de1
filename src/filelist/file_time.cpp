#include "filelist/file_time.h"

namespace tarvelo::filelist {

LocalStamp stampFromFileTime(uint64_t fileTime) {
    if (fileTime >= (uint64_t{1} << 63)) return {};
    constexpr uint64_t kTicksPerSecond = 10'000'000;
    const uint64_t seconds = fileTime / kTicksPerSecond;
    const int64_t days1601 = static_cast<int64_t>(seconds / 86400);
    const uint32_t secondOfDay = static_cast<uint32_t>(seconds % 86400);
    // Days since 0000-03-01 in the proleptic Gregorian calendar, then the
    // civil date (era-based conversion).
    const int64_t z = days1601 + 584694;  // 1601-01-01 is day 584694 of that count
    const int64_t era = z / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t day = doy - (153 * mp + 2) / 5 + 1;
    const int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int16_t>(year),
            static_cast<int16_t>(month),
            static_cast<int16_t>(day),
            static_cast<int16_t>(secondOfDay / 3600),
            static_cast<int16_t>(secondOfDay / 60 % 60),
            static_cast<int16_t>(secondOfDay % 60)};
}

LocalStamp localStamp(uint64_t utcFileTime, int64_t bias) {
    if (utcFileTime >= (uint64_t{1} << 63)) return {};
    const int64_t local = static_cast<int64_t>(utcFileTime) + bias;
    if (local < 0) return {};
    return stampFromFileTime(static_cast<uint64_t>(local));
}

}  // namespace tarvelo::filelist
