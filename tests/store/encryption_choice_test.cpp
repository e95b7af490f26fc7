#include <gtest/gtest.h>

#include <string>

#include "store/encryption_choice.h"
#include "store/file_messages.h"

namespace quillox {
namespace {

SecretString Secret(const char* text) {
    return SecretString(std::string(text));
}

TEST(EncryptionChoice, UntickingKeepsThePasswordForLater) {
    EncryptionOutcome outcome =
        ApplyEncryptionChoice(true, Secret("old secret"), false, SecretString(), SecretString());
    EXPECT_FALSE(outcome.encryptOnSave);
    EXPECT_EQ(outcome.password, Secret("old secret"));
    EXPECT_TRUE(outcome.markModified);
    EXPECT_EQ(outcome.message, nullptr);
    EXPECT_FALSE(IsLocked(outcome.encryptOnSave, outcome.password));

    // Ticked again later with nothing typed: refused as too short, and the
    // earlier password is back in force.
    EncryptionOutcome retick = ApplyEncryptionChoice(outcome.encryptOnSave, outcome.password, true,
                                                     SecretString(), SecretString());
    EXPECT_TRUE(retick.encryptOnSave);
    EXPECT_EQ(retick.password, Secret("old secret"));
    EXPECT_FALSE(retick.markModified);
    EXPECT_STREQ(retick.message, messages::kPasswordTooShort);
    EXPECT_TRUE(IsLocked(retick.encryptOnSave, retick.password));
}

TEST(EncryptionChoice, DifferingEntriesLeaveTheStateAsItWas) {
    EncryptionOutcome locked = ApplyEncryptionChoice(true, Secret("old secret"), true,
                                                     Secret("new secret"), Secret("new secreT"));
    EXPECT_STREQ(locked.message, messages::kPasswordsDiffer);
    EXPECT_TRUE(locked.encryptOnSave);
    EXPECT_EQ(locked.password, Secret("old secret"));
    EXPECT_FALSE(locked.markModified);
    EXPECT_TRUE(IsLocked(locked.encryptOnSave, locked.password));

    // A plain document stays plain rather than becoming encrypted without a key.
    EncryptionOutcome plain =
        ApplyEncryptionChoice(false, SecretString(), true, Secret("abcdefgh"), Secret("abcdefgx"));
    EXPECT_STREQ(plain.message, messages::kPasswordsDiffer);
    EXPECT_FALSE(plain.encryptOnSave);
    EXPECT_TRUE(plain.password.empty());
    EXPECT_FALSE(plain.markModified);
}

TEST(EncryptionChoice, SevenBytesAreRefusedAndEightAccepted) {
    EncryptionOutcome seven =
        ApplyEncryptionChoice(false, SecretString(), true, Secret("1234567"), Secret("1234567"));
    EXPECT_STREQ(seven.message, messages::kPasswordTooShort);
    EXPECT_TRUE(seven.encryptOnSave);
    EXPECT_TRUE(seven.password.empty());
    EXPECT_FALSE(seven.markModified);
    // Set to encrypt without a key: shown unlocked, and the next save refuses.
    EXPECT_FALSE(IsLocked(seven.encryptOnSave, seven.password));

    EncryptionOutcome eight =
        ApplyEncryptionChoice(false, SecretString(), true, Secret("12345678"), Secret("12345678"));
    EXPECT_EQ(eight.message, nullptr);
    EXPECT_TRUE(eight.encryptOnSave);
    EXPECT_EQ(eight.password, Secret("12345678"));
    EXPECT_TRUE(eight.markModified);
    EXPECT_TRUE(IsLocked(eight.encryptOnSave, eight.password));
}

}  // namespace
}  // namespace quillox
