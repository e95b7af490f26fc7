#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quillox {

// Seconds since 1904-01-01 00:00:00 local time.
using MacTime = std::uint32_t;

inline constexpr std::uint32_t kMacToUnixEpochSeconds = 2082844800u;
inline constexpr int kDateFormatCount = 12;

// strftime formats the user chooses from for card dates.
extern const std::array<const char*, kDateFormatCount> DateFormatTable;

// The present local date and time as a MacTime.
MacTime CurrentMacTime();

// Local midnight of a calendar date as a MacTime; 0 for a date the count
// cannot hold (before 1904 or out of range).
MacTime MacTimeFromDate(int year, int month, int day);

// t shifted to 1970 and rendered in local time with the format at dateFormat;
// indexes outside the table use the last format. Empty when the time cannot
// be converted.
std::string FormatCardDate(MacTime t, int dateFormat);

}  // namespace quillox
