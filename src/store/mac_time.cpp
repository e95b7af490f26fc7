#include "store/mac_time.h"

#include <ctime>

#include "store/local_time.h"

namespace quillox {

const std::array<const char*, kDateFormatCount> DateFormatTable = {
    "%m/%d/%y", "%A, %B %d, %Y", "%B, %d, %Y", "%m/%d/%Y", "%Y-%m-%d", "%d-%B-%y",
    "%m.%d.%y", "%B.%d.%y",      "%d-%B-%Y",   "%B, %y",   "%B-%y",    "%d-%m-%Y",
};

namespace {

// Days from 1970-01-01 to a proleptic Gregorian date (Howard Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

const std::int64_t kDaysFrom1904To1970 = -DaysFromCivil(1904, 1, 1);

MacTime ClampToMacTime(std::int64_t seconds) {
    if (seconds < 0 || seconds > 0xFFFFFFFFLL) {
        return 0;
    }
    return static_cast<MacTime>(seconds);
}

}  // namespace

MacTime CurrentMacTime() {
    std::tm local{};
    if (!LocalTime(std::time(nullptr), local)) {
        return 0;
    }
    const std::int64_t days =
        DaysFromCivil(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                      static_cast<unsigned>(local.tm_mday)) +
        kDaysFrom1904To1970;
    return ClampToMacTime(days * 86400 + local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec);
}

MacTime MacTimeFromDate(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < 1904) {
        return 0;
    }
    const std::int64_t days =
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
        kDaysFrom1904To1970;
    return ClampToMacTime(days * 86400);
}

std::string FormatCardDate(MacTime t, int dateFormat) {
    const std::int64_t unixSeconds = static_cast<std::int64_t>(t) - kMacToUnixEpochSeconds;
    if (unixSeconds < 0) {
        return std::string();
    }
    std::tm local{};
    if (!LocalTime(static_cast<std::time_t>(unixSeconds), local)) {
        return std::string();
    }
    const bool known = dateFormat >= 0 && dateFormat < kDateFormatCount;
    const char* format =
        DateFormatTable[static_cast<std::size_t>(known ? dateFormat : kDateFormatCount - 1)];
    char buffer[128];
    const std::size_t length = std::strftime(buffer, sizeof buffer, format, &local);
    return std::string(buffer, length);
}

}  // namespace quillox
