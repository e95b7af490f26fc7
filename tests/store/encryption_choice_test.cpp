#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "store/card_file.h"
#include "store/encryption_choice.h"
#include "store/file_messages.h"

namespace quillox {
namespace {

constexpr EncryptionForm kStrong = EncryptionForm::Strong;
constexpr EncryptionForm kCompatible = EncryptionForm::Compatible;

SecretString Secret(const char* text) {
    return SecretString(std::string(text));
}

EncryptionOutcome Apply(bool encryptBefore, const char* passwordBefore, bool ticked,
                        const char* first, const char* second, EncryptionForm formBefore = kStrong,
                        EncryptionForm chosen = kStrong) {
    return ApplyEncryptionChoice({encryptBefore, Secret(passwordBefore), formBefore},
                                 {ticked, Secret(first), Secret(second), chosen});
}

TEST(EncryptionChoice, UntickingKeepsThePasswordForLater) {
    EncryptionOutcome outcome = Apply(true, "old secret", false, "", "");
    EXPECT_FALSE(outcome.encryptOnSave);
    EXPECT_EQ(outcome.password, Secret("old secret"));
    EXPECT_TRUE(outcome.markModified);
    EXPECT_EQ(outcome.message, nullptr);
    EXPECT_FALSE(IsLocked(outcome.encryptOnSave, outcome.password));

    // Ticked again later with nothing typed: refused as too short, and the
    // earlier password is back in force.
    EncryptionOutcome retick = ApplyEncryptionChoice(
        {outcome.encryptOnSave, outcome.password, outcome.form}, {true, {}, {}, kStrong});
    EXPECT_TRUE(retick.encryptOnSave);
    EXPECT_EQ(retick.password, Secret("old secret"));
    EXPECT_FALSE(retick.markModified);
    EXPECT_STREQ(retick.message, messages::kPasswordTooShort);
    EXPECT_TRUE(IsLocked(retick.encryptOnSave, retick.password));
}

TEST(EncryptionChoice, DifferingEntriesLeaveTheStateAsItWas) {
    EncryptionOutcome locked = Apply(true, "old secret", true, "new secret", "new secreT");
    EXPECT_STREQ(locked.message, messages::kPasswordsDiffer);
    EXPECT_TRUE(locked.encryptOnSave);
    EXPECT_EQ(locked.password, Secret("old secret"));
    EXPECT_FALSE(locked.markModified);
    EXPECT_TRUE(IsLocked(locked.encryptOnSave, locked.password));

    // A plain document stays plain rather than becoming encrypted without a key.
    EncryptionOutcome plain = Apply(false, "", true, "abcdefgh", "abcdefgx");
    EXPECT_STREQ(plain.message, messages::kPasswordsDiffer);
    EXPECT_FALSE(plain.encryptOnSave);
    EXPECT_TRUE(plain.password.empty());
    EXPECT_FALSE(plain.markModified);
}

TEST(EncryptionChoice, SevenBytesAreRefusedAndEightAccepted) {
    EncryptionOutcome seven = Apply(false, "", true, "1234567", "1234567");
    EXPECT_STREQ(seven.message, messages::kPasswordTooShort);
    EXPECT_TRUE(seven.encryptOnSave);
    EXPECT_TRUE(seven.password.empty());
    EXPECT_FALSE(seven.markModified);
    // Set to encrypt without a key: shown unlocked, and the next save refuses.
    EXPECT_FALSE(IsLocked(seven.encryptOnSave, seven.password));

    EncryptionOutcome eight = Apply(false, "", true, "12345678", "12345678");
    EXPECT_EQ(eight.message, nullptr);
    EXPECT_TRUE(eight.encryptOnSave);
    EXPECT_EQ(eight.password, Secret("12345678"));
    EXPECT_TRUE(eight.markModified);
    EXPECT_TRUE(IsLocked(eight.encryptOnSave, eight.password));
}

TEST(EncryptionChoice, TheFormChosenIsTakenOnlyWithAnAcceptedKey) {
    struct Case {
        bool ticked;
        const char* first;
        const char* second;
        EncryptionForm expected;
        bool modified;
    };
    const Case cases[] = {
        {true, "same key", "same key", kCompatible, true},  // changing the form alone
        {true, "same key", "same kex", kStrong, false},
        {true, "short", "short", kStrong, false},
        {false, "", "", kStrong, true},  // saving plain keeps the form for later
    };
    for (const Case& c : cases) {
        const EncryptionOutcome outcome =
            Apply(true, "same key", c.ticked, c.first, c.second, kStrong, kCompatible);
        EXPECT_EQ(outcome.form, c.expected) << c.first;
        EXPECT_EQ(outcome.markModified, c.modified) << c.first;
    }
}

TEST(EncryptionChoice, AFileWithAKeyOffersItsOwnFormAndOthersThatOfNewFiles) {
    EXPECT_EQ(OfferedEncryptionForm(Secret("key of it"), kCompatible, kStrong), kCompatible);
    EXPECT_EQ(OfferedEncryptionForm(Secret("key of it"), kStrong, kCompatible), kStrong);
    EXPECT_EQ(OfferedEncryptionForm(SecretString(), kStrong, kCompatible), kCompatible);
    EXPECT_EQ(OfferedEncryptionForm(SecretString(), kCompatible, kStrong), kStrong);
}

TEST(EncryptionChoice, TheLockTextNamesTheFormOnlyWhenLocked) {
    EXPECT_EQ(LockStatusText(true, kStrong), "Locked (strong)");
    EXPECT_EQ(LockStatusText(true, kCompatible), "Locked (compatible)");
    EXPECT_EQ(LockStatusText(false, kStrong), "Unlocked");
    EXPECT_EQ(LockStatusText(false, kCompatible), "Unlocked");
}

TEST(EncryptionChoice, OnlyALockedCompatibleFileOutgrowsItsForm) {
    CardCollection collection;
    collection.AddCard(0, std::make_unique<CardRecord>());
    EXPECT_TRUE(FitsCompatibleForm(collection));
    for (int i = 0; i < 3; ++i) {
        auto card = std::make_unique<CardRecord>();
        card->SetNote(std::string(22000, 'n'));
        collection.AddCard(0, std::move(card));
    }
    ASSERT_GT(EncryptedPlaintextSize(collection), kMaxEncryptedPlaintext);
    EXPECT_FALSE(FitsCompatibleForm(collection));

    collection.SetEncryptionForm(kCompatible);
    EXPECT_FALSE(OutgrowsCompatibleForm(collection)) << "saved plain";
    collection.SetEncryptOnSave(true);
    EXPECT_FALSE(OutgrowsCompatibleForm(collection)) << "no key: the save refuses for that";
    collection.SetFilePassword(Secret("the key!"));
    EXPECT_TRUE(OutgrowsCompatibleForm(collection));
    collection.SetEncryptionForm(kStrong);
    EXPECT_FALSE(OutgrowsCompatibleForm(collection));
    EXPECT_FALSE(FitsCompatibleForm(collection)) << "asked of the cards, not the form";
}

}  // namespace
}  // namespace quillox
