#include <gtest/gtest.h>

#include "store/file_messages.h"
#include "store/test_files.h"

namespace quillox::testing {
namespace {

TEST(CardFileSave, EmptyCollectionPlainIsTheBareHeader) {
    CardCollection collection;
    const SaveRun run = Save(collection);
    ASSERT_TRUE(run.ok);
    const Bytes expected = {0x00, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01,
                            0x00, 0x00, 0x00, 0x70, 0x4C, 0x78, 0x51, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(run.image, expected);
}

TEST(CardFileSave, EmptyCollectionEncryptedIsDigestAndPaddingInThreeBlocks) {
    CardCollection collection;
    collection.SetEncryptOnSave(true);
    collection.SetEncryptionForm(EncryptionForm::Compatible);
    collection.SetFilePassword(SecretString(std::string("correct horse")));
    const SaveRun run = Save(collection);
    ASSERT_TRUE(run.ok);
    ASSERT_EQ(run.image.size(), 22u + 24u);
    EXPECT_EQ(run.image[12], 1);
    EXPECT_EQ(run.image[1], 6);

    Bytes payload(run.image.begin() + 22, run.image.end());
    BlowfishCipher cipher(reinterpret_cast<const unsigned char*>("correct horse"), 13,
                          StartTables::Standard);
    cipher.DecryptBlocks(payload.data(), 3);
    Bytes expected = Digest("correct horse");
    expected.resize(24, 0);
    EXPECT_EQ(payload, expected);
    EXPECT_EQ(Bytes(collection.GetStoredDigest().begin(), collection.GetStoredDigest().end()),
              Digest("correct horse"));
}

TEST(CardFileSave, CardsAreWrittenByCategoryNumberThenDeletedWithTheirFields) {
    CardCollection collection;
    collection.SetCarriedHeaderValue(0xA1B2C3D4);
    auto login = MakeCard("login");
    login->SetCategoryId(5);
    collection.AddCard(5, std::move(login));
    auto bank = MakeCard("bank", "pw", "line1\r\nline2");
    bank->SetCategoryId(4);
    bank->SetAttributeFlags(3);
    bank->SetStateFlags(4);
    bank->SetModified(0x01020304);
    bank->SetRecordTag(0x0A0B0C0D);
    collection.AddCard(4, std::move(bank));
    auto gone = MakeCard("gone");
    gone->SetCategoryId(7);
    gone->SetDeleted(true);
    collection.AddToDeleted(std::move(gone));
    collection.AddCard(0, std::make_unique<CardRecord>());

    const SaveRun run = Save(collection);
    ASSERT_TRUE(run.ok);
    Bytes expected = FileHeader(6, 0, 0xA1B2C3D4);
    AppendCard(expected, RawCard{0, 0, 0, 0, 0, {"", "", "", "", ""}});
    AppendCard(expected,
               RawCard{4, 3, 4, 0x01020304, 0x0A0B0C0D, {"bank", "", "", "pw", "line1\r\nline2"}});
    AppendCard(expected, RawCard{5, 0, 0, 0, 0, {"login", "", "", "", ""}});
    AppendCard(expected, RawCard{7, 0, 2, 0, 0, {"gone", "", "", "", ""}});
    EXPECT_EQ(run.image, expected);
    // A card with five empty texts takes exactly 29 bytes.
    EXPECT_EQ(collection.Category(0).At(0)->StoredSize(), 29u);
}

TEST(CardFileSave, RoundTripsPlainAndEncryptedKeepingEveryStoredField) {
    for (const bool encrypted : {false, true}) {
        CardCollection original;
        original.SetCarriedHeaderValue(77);
        for (int id = 0; id < kCategoryCount; ++id) {
            auto card = MakeCard("name " + std::to_string(id), "secret\x80\xff", "note");
            card->SetField2("http://example.org/" + std::to_string(id));
            card->SetField3("user");
            card->SetCategoryId(static_cast<CategoryId>(id));
            card->SetAutomaticAccess(id % 2 == 0);
            card->SetModified(3000000000u + static_cast<unsigned>(id));
            card->SetRecordTag(static_cast<unsigned>(id) * 1000u);
            original.AddCard(id, std::move(card));
        }
        original.SetEncryptOnSave(encrypted);
        original.SetFilePassword(SecretString(std::string("longenough")));
        const SaveRun saved = Save(original);
        ASSERT_TRUE(saved.ok);

        CardCollection loaded;
        const LoadRun run = Load(saved.image, loaded, std::string("longenough"));
        ASSERT_TRUE(run.result.ok) << encrypted;
        EXPECT_TRUE(run.messages.empty());
        EXPECT_EQ(run.result.encrypted, encrypted);
        EXPECT_EQ(loaded.GetEncryptOnSave(), encrypted);
        EXPECT_EQ(loaded.GetCarriedHeaderValue(), 77u);
        for (int id = 0; id < kCategoryCount; ++id) {
            ASSERT_EQ(loaded.Category(id).Count(), 1);
            const CardRecord& a = *original.Category(id).At(0);
            const CardRecord& b = *loaded.Category(id).At(0);
            EXPECT_EQ(b.GetField1(), a.GetField1());
            EXPECT_EQ(b.GetField2(), a.GetField2());
            EXPECT_EQ(b.GetField3(), a.GetField3());
            EXPECT_EQ(b.GetField4(), a.GetField4());
            EXPECT_EQ(b.GetNote(), a.GetNote());
            EXPECT_EQ(b.GetCategoryId(), id);
            EXPECT_EQ(b.GetAttributeFlags(), a.GetAttributeFlags());
            EXPECT_EQ(b.GetModified(), a.GetModified());
            EXPECT_EQ(b.GetRecordTag(), a.GetRecordTag());
        }
        // Saving what was loaded gives the plain image back byte for byte.
        if (!encrypted) {
            EXPECT_EQ(Save(loaded).image, saved.image);
        }
    }
}

TEST(CardFileSave, EncryptedSaveRefusesMissingPasswordAndOversizedPlaintext) {
    CardCollection noPassword;
    noPassword.SetEncryptOnSave(true);
    SaveRun run = Save(noPassword);
    EXPECT_FALSE(run.ok);
    EXPECT_EQ(run.messages, std::vector<std::string>{messages::kPasswordNotSet});

    // 20 digest bytes + one card of 24 + 5 + text: exactly 65,528 bytes fits.
    CardCollection limit;
    limit.SetEncryptOnSave(true);
    limit.SetEncryptionForm(EncryptionForm::Compatible);
    limit.SetFilePassword(SecretString(std::string("password")));
    limit.AddCard(0, MakeCard("", "", std::string(32766, 'n')));
    limit.AddCard(0, MakeCard(std::string(65528 - 20 - 29 - 32766 - 29, 'x')));
    ASSERT_EQ(20 + limit.TotalStoredSize(), 65528u);
    run = Save(limit);
    ASSERT_TRUE(run.ok);
    EXPECT_EQ(run.image.size(), 22u + 65528u);
    CardCollection back;
    EXPECT_TRUE(Load(run.image, back, std::string("password")).result.ok);
    EXPECT_EQ(CountCards(back), 2);

    EXPECT_TRUE(FitsEncrypted(limit));

    // One byte more is refused with both sizes, and nothing is produced.
    limit.Category(0).At(1)->SetField2("y");
    EXPECT_FALSE(FitsEncrypted(limit));
    EXPECT_EQ(EncryptedPlaintextSize(limit), 65529u);
    run = Save(limit);
    EXPECT_FALSE(run.ok);
    EXPECT_TRUE(run.image.empty());
    EXPECT_EQ(run.messages, std::vector<std::string>{
                                "These cards need 65,529 bytes; an encrypted file holds at most "
                                "65,528. Remove cards, or save without encryption."});
    EXPECT_NE(TooBigToEncryptMessage(1234567).find("need 1,234,567 bytes"), std::string::npos);
}

TEST(CardFileSave, OverlongTextsFailTheirCategoryNamingCardAndField) {
    CardCollection collection;
    auto holder = MakeCard("Caf\xE9 bank");
    holder->SetCategoryId(7);
    holder->SetField3(std::string(40000, 'h'));
    collection.AddCard(7, std::move(holder));
    collection.AddCard(11, MakeCard("", "", std::string(32767, 'n')));
    collection.AddCard(0, MakeCard("fine", "", std::string(32766, 'n')));
    auto gone = MakeCard(std::string(32767, 'b'));
    gone->SetCategoryId(100);
    collection.AddToDeleted(std::move(gone));
    const SaveRun run = Save(collection);
    EXPECT_FALSE(run.ok);
    const std::string limit = " bytes; a text can hold at most 32,766.";
    const std::vector<std::string> expected = {
        "Error Writing BankAccounts: the Account Holder of \"Caf\xC3\xA9 bank\" holds 40,000" +
            limit,
        "Error Writing SoftwareKeys: the Note of a card without a name holds 32,767" + limit,
        "Error Writing DeleteCategories: the Field_1 of \"" + std::string(40, 'b') +
            "...\" holds 32,767" + limit};
    EXPECT_EQ(run.messages, expected);
}

TEST(CardRecord, TextsKeepTheirStoredFormAndEndAtAZeroByte) {
    CardRecord card;
    EXPECT_EQ(card.GetTextBlock(), std::string(5, '\0'));
    card.SetField3("user");
    card.SetNote("two\r\nlines");
    card.SetField1(std::string("cut\0off", 7));
    EXPECT_EQ(card.GetField1(), "cut");
    EXPECT_EQ(card.GetField2(), "");
    EXPECT_EQ(card.GetField3(), "user");
    EXPECT_EQ(card.GetNote(), "two\r\nlines");
    EXPECT_EQ(card.GetTextBlock(), std::string("cut\0\0user\0\0two\r\nlines\0", 22));
    EXPECT_EQ(card.StoredSize(), 24u + 22u);
}

TEST(CardFileLoad, PlacesCardsByCategoryNumberAndDeletedFlag) {
    Bytes image = FileHeader(6, 0, 5);
    AppendCard(image, RawCard{7, 0, 2, 0, 0, {"flagged bank", "", "", "", ""}});
    AppendCard(image, RawCard{42, 0, 0, 0, 0, {"unknown", "", "", "", ""}});
    AppendCard(image, RawCard{100, 0, 0, 0, 0, {"deleted", "", "", "", ""}});
    AppendCard(image, RawCard{4, 0, 0, 2082844800u + 86400u, 9, {"bank", "url", "id", "pw", "n"}});
    CardCollection collection;
    const LoadRun run = Load(image, collection);
    ASSERT_TRUE(run.result.ok);
    EXPECT_FALSE(run.result.encrypted);
    EXPECT_EQ(run.result.headerVersion, 6);
    EXPECT_TRUE(run.promptTitles.empty());
    EXPECT_EQ(collection.Category(7).Count(), 0);
    ASSERT_EQ(collection.Deleted().Count(), 2);
    EXPECT_EQ(collection.Deleted().At(0)->GetField1(), "flagged bank");
    EXPECT_EQ(collection.Deleted().At(1)->GetField1(), "deleted");
    EXPECT_EQ(CountCards(collection), 3);
    const CardRecord& bank = *collection.Category(4).At(0);
    EXPECT_EQ(bank.GetNote(), "n");
    EXPECT_EQ(bank.GetRecordTag(), 9u);
    EXPECT_EQ(bank.GetModifiedText(), FormatCardDate(2082844800u + 86400u, 4));
}

TEST(CardFileLoad, TextBlocksSplitAtZeroBytesOrTheBlockEnd) {
    Bytes image = FileHeader(6, 0, 0);
    RawCard few{0, 0, 0, 0, 0, {"one", "two", "", "", ""}};
    AppendCard(image, few);
    // Rewrite this card's block as "one\0two" (no terminator, three texts missing).
    image.resize(image.size() - 4);
    image[22 + 20] = 7;
    AppendCard(image, RawCard{0, 0, 0, 0, 0, {"next", "", "", "", ""}});
    CardCollection collection;
    ASSERT_TRUE(Load(image, collection).result.ok);
    ASSERT_EQ(collection.Category(0).Count(), 2);
    EXPECT_EQ(collection.Category(0).At(0)->GetField1(), "one");
    EXPECT_EQ(collection.Category(0).At(0)->GetField2(), "two");
    EXPECT_EQ(collection.Category(0).At(0)->GetNote(), "");
    EXPECT_EQ(collection.Category(0).At(1)->GetField1(), "next");
}

TEST(CardFileLoad, JunkAfterTheFifthTextIsDroppedAndNotSavedAgain) {
    const std::string texts = std::string("a\0b\0c\0d\0e\0", 10);
    // The last junk puts a sixth zero byte far into a long block.
    for (const std::string& junk :
         {std::string("junk"), std::string("x\0", 2), std::string(5000, 'j') + '\0'}) {
        Bytes image = FileHeader(6, 0, 0);
        AppendCard(image, RawCard{0, 0, 0, 0, 0, {"a", "b", "c", "d", "e"}});
        image.insert(image.end(), junk.begin(), junk.end());
        image[22 + 20] = static_cast<unsigned char>(10 + junk.size());
        image[22 + 21] = static_cast<unsigned char>((10 + junk.size()) >> 8);
        CardCollection collection;
        ASSERT_TRUE(Load(image, collection).result.ok);
        ASSERT_EQ(collection.Category(0).Count(), 1);
        EXPECT_EQ(collection.Category(0).At(0)->GetNote(), "e");
        EXPECT_EQ(collection.Category(0).At(0)->GetTextBlock(), texts);
        Bytes expected = FileHeader(6, 0, 0);
        AppendCard(expected, RawCard{0, 0, 0, 0, 0, {"a", "b", "c", "d", "e"}});
        EXPECT_EQ(Save(collection).image, expected);
    }
}

TEST(CardFileLoad, StrayBytesAfterTheLastCard) {
    for (std::size_t stray = 1; stray <= 30; ++stray) {
        Bytes image = FileHeader(6, 0, 0);
        AppendCard(image, RawCard{3, 0, 0, 0, 0, {"news", "", "", "", ""}});
        image.insert(image.end(), stray, 0);
        CardCollection collection;
        ASSERT_TRUE(Load(image, collection).result.ok) << stray;
        // 24 or more zero bytes form a complete card with an empty block.
        EXPECT_EQ(collection.Category(3).Count(), 1) << stray;
        EXPECT_EQ(collection.Category(0).Count(), stray >= 24 ? 1 : 0) << stray;
    }
}

TEST(CardFileLoad, HeaderVersionFiveMeansZeroedStartTables) {
    Bytes plaintext = Digest("password5");
    AppendCard(plaintext, RawCard{1, 0, 0, 0, 0, {"form", "", "", "", ""}});
    const Bytes payload = EncryptPayload(plaintext, "password5", StartTables::Zeroed);
    for (const std::uint8_t version : {std::uint8_t{5}, std::uint8_t{6}}) {
        Bytes image = FileHeader(version, 1, 0);
        image.insert(image.end(), payload.begin(), payload.end());
        CardCollection collection;
        const LoadRun run = Load(image, collection, std::string("password5"));
        EXPECT_EQ(run.result.ok, version == 5);
        EXPECT_EQ(collection.Category(1).Count(), version == 5 ? 1 : 0);
        if (version == 6) {
            EXPECT_EQ(run.messages, std::vector<std::string>{messages::kWrongPassword});
        }
    }
}

TEST(CardFileLoad, EncryptedLoadSetsPasswordAndPromptsWithTheFileTitle) {
    Bytes plaintext = Digest("Geheimnis!");
    AppendCard(plaintext, RawCard{8, 0, 0, 0, 0, {"visa", "12/30", "4111", "1234", ""}});
    Bytes image = FileHeader(6, 1, 0);
    const Bytes payload = EncryptPayload(plaintext, "Geheimnis!", StartTables::Standard);
    image.insert(image.end(), payload.begin(), payload.end());

    CardCollection collection;
    const LoadRun run = Load(image, collection, std::string("Geheimnis!"), "bank.qxe");
    ASSERT_TRUE(run.result.ok);
    EXPECT_EQ(run.promptTitles, std::vector<std::string>{"Decryption Password for file: bank.qxe"});
    EXPECT_TRUE(collection.GetEncryptOnSave());
    EXPECT_EQ(collection.GetFilePassword(), SecretString(std::string("Geheimnis!")));
    EXPECT_TRUE(collection.VerifyPassword(SecretString(std::string("Geheimnis!"))));
    EXPECT_FALSE(collection.VerifyPassword(SecretString(std::string("geheimnis!"))));
    EXPECT_EQ(collection.Category(8).At(0)->GetField4(), "1234");
}

TEST(CardFileLoad, OpeningIntoACollectionAddsToTheCardsAlreadyThere) {
    Bytes first = FileHeader(6, 0, 1);
    AppendCard(first, RawCard{6, 0, 0, 0, 0, {"mail a", "", "", "", ""}});
    Bytes second = FileHeader(6, 0, 0x89AB0002);
    AppendCard(second, RawCard{6, 0, 0, 0, 0, {"mail b", "", "", "", ""}});
    CardCollection collection;
    ASSERT_TRUE(Load(first, collection).result.ok);
    ASSERT_TRUE(Load(second, collection).result.ok);
    ASSERT_EQ(collection.Category(6).Count(), 2);
    EXPECT_EQ(collection.Category(6).At(1)->GetField1(), "mail b");
    EXPECT_EQ(collection.GetCarriedHeaderValue(), 0x89AB0002u);
}

TEST(CardFileFormat, PayloadBlockCountCountsOnlyTheLowSixteenBits) {
    EXPECT_EQ(PayloadBlockCount(0), 0);
    EXPECT_EQ(PayloadBlockCount(1), 1);
    EXPECT_EQ(PayloadBlockCount(8), 1);
    EXPECT_EQ(PayloadBlockCount(9), 2);
    EXPECT_EQ(PayloadBlockCount(65528), 8191);
    EXPECT_EQ(PayloadBlockCount(65535), 8192);
    EXPECT_EQ(PayloadBlockCount(65536), 0);
    EXPECT_EQ(PayloadBlockCount(65536 + 24), 3);
}

}  // namespace
}  // namespace quillox::testing
