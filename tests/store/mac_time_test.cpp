#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "store/mac_time.h"
#include "support/environment.h"

namespace quillox {
namespace {

// Card dates go through local time; pin the zone so the results are fixed.
class MacTimeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* zone = std::getenv("TZ");
        savedZone_ = zone ? std::optional<std::string>(zone) : std::nullopt;
        testing::SetEnvironment("TZ", "UTC");
        tzset();
    }
    void TearDown() override {
        if (savedZone_) {
            testing::SetEnvironment("TZ", *savedZone_);
        } else {
            testing::UnsetEnvironment("TZ");
        }
        tzset();
    }

  private:
    std::optional<std::string> savedZone_;
};

TEST_F(MacTimeTest, FormatsWithTheChosenTableEntry) {
    const MacTime dayTwo = kMacToUnixEpochSeconds + 86400;
    EXPECT_EQ(FormatCardDate(dayTwo, 4), "1970-01-02");
    EXPECT_EQ(FormatCardDate(dayTwo, 0), "01/02/70");
    EXPECT_EQ(FormatCardDate(dayTwo, 1), "Friday, January 02, 1970");
    EXPECT_EQ(FormatCardDate(dayTwo, 9), "January, 70");
    // Indexes outside the table use "%d-%m-%Y".
    EXPECT_EQ(FormatCardDate(dayTwo, 11), "02-01-1970");
    EXPECT_EQ(FormatCardDate(dayTwo, 12), "02-01-1970");
    EXPECT_EQ(FormatCardDate(dayTwo, -1), "02-01-1970");
    // Times before 1970 cannot be converted.
    EXPECT_EQ(FormatCardDate(kMacToUnixEpochSeconds - 1, 4), "");
    EXPECT_EQ(FormatCardDate(0, 4), "");
}

TEST_F(MacTimeTest, CurrentTimeAndCalendarDatesCountFrom1904) {
    const auto now = static_cast<std::int64_t>(std::time(nullptr)) + kMacToUnixEpochSeconds;
    const std::int64_t current = CurrentMacTime();
    EXPECT_LE(std::llabs(current - now), 2);

    EXPECT_EQ(MacTimeFromDate(1904, 1, 2), 86400u);
    EXPECT_EQ(MacTimeFromDate(1970, 1, 1), kMacToUnixEpochSeconds);
    EXPECT_EQ(MacTimeFromDate(2000, 3, 1) - MacTimeFromDate(2000, 2, 28), 2u * 86400u);
    EXPECT_EQ(MacTimeFromDate(1903, 12, 31), 0u);
    EXPECT_EQ(MacTimeFromDate(1999, 0, 1), 0u);
    // The last second a 32-bit count holds lies in 2040; later dates cannot be held.
    EXPECT_EQ(MacTimeFromDate(2041, 1, 1), 0u);
    EXPECT_EQ(FormatCardDate(MacTimeFromDate(1999, 12, 25), 4), "1999-12-25");
}

}  // namespace
}  // namespace quillox
