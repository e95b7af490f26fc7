#include <gtest/gtest.h>

#include "store/secret_string.h"
#include "store/secure_wipe.h"

namespace quillox {
namespace {

TEST(SecretString, CopiesMovesAndComparesAsBytes) {
    SecretString a(std::string("pass\0word", 9));
    EXPECT_EQ(a.size(), 9u);
    SecretString copy = a;
    EXPECT_EQ(copy, a);
    SecretString moved = std::move(copy);
    EXPECT_EQ(moved, a);
    EXPECT_TRUE(copy.empty());  // NOLINT(bugprone-use-after-move): moved-from state is defined
    EXPECT_NE(a, SecretString(std::string("pass")));
    a = SecretString();
    EXPECT_TRUE(a.empty());
    EXPECT_STREQ(a.data(), "");
}

TEST(SecureWipe, ClearsTheWholeAllocationOfAString) {
    std::string text(64, 's');
    const char* storage = text.data();
    text.resize(10);
    SecureWipe(text);
    EXPECT_TRUE(text.empty());
    // The bytes that the shrink left behind are gone too.
    for (std::size_t i = 0; i < 64; ++i) {
        EXPECT_EQ(storage[i], '\0') << i;
    }
}

}  // namespace
}  // namespace quillox
