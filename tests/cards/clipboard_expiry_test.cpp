#include "cards/clipboard_expiry.h"

#include <gtest/gtest.h>

namespace quillox {
namespace {

using std::chrono::seconds;

TEST(ClipboardExpiry, TakesBackOnlyItsOwnTextOnce) {
    ClipboardExpiry expiry;
    EXPECT_FALSE(expiry.Delay().has_value());
    EXPECT_FALSE(expiry.TakeBack(""));

    expiry.Placed("s3cret", 10);
    EXPECT_EQ(expiry.Delay(), seconds(10));
    EXPECT_TRUE(expiry.TakeBack("s3cret"));
    EXPECT_FALSE(expiry.Delay().has_value());
    EXPECT_FALSE(expiry.TakeBack("s3cret"));

    // The user copied something else meanwhile: it stays.
    expiry.Placed("s3cret", 10);
    EXPECT_FALSE(expiry.TakeBack("s3cret and more"));
    EXPECT_FALSE(expiry.TakeBack("s3cret"));

    // A later copy replaces the earlier one.
    expiry.Placed("first", 10);
    expiry.Placed("second", 3);
    EXPECT_EQ(expiry.Delay(), seconds(3));
    EXPECT_FALSE(expiry.TakeBack("first"));
    expiry.Placed("first", 10);
    expiry.Placed("second", 3);
    EXPECT_TRUE(expiry.TakeBack("second"));

    // An empty text copied is taken back as well.
    expiry.Placed("", 5);
    EXPECT_TRUE(expiry.TakeBack(""));
}

TEST(ClipboardExpiry, ZeroKeepsTheTextAndLongDelaysAreCapped) {
    ClipboardExpiry expiry;
    expiry.Placed("kept", 10);
    expiry.Placed("kept", 0);
    EXPECT_FALSE(expiry.Delay().has_value());
    EXPECT_FALSE(expiry.TakeBack("kept"));
    expiry.Placed("kept", -5);
    EXPECT_FALSE(expiry.TakeBack("kept"));

    expiry.Placed("long", 2147483647L);
    EXPECT_EQ(expiry.Delay(), ClipboardExpiry::kLongest);
}

}  // namespace
}  // namespace quillox
