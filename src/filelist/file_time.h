#pragma once
// File times (100-ns steps since 1601-01-01) as calendar fields, the way the
// platform's conversion to a system time gives them, without its cost per
// call: the listing converts three times per item.
#include <cstdint>

#include "filelist/file_entry.h"

namespace tarvelo::filelist {

// Calendar fields of a file time already shifted to local time; all zeros
// for values the platform cannot convert (2^63 and above).
LocalStamp stampFromFileTime(uint64_t fileTime);

// The local time of a UTC file time with a fixed bias (local minus UTC, in
// 100-ns steps); all zeros when the result falls outside the convertible
// range.
LocalStamp localStamp(uint64_t utcFileTime, int64_t bias);

}  // namespace tarvelo::filelist
