#include <gtest/gtest.h>

#include "store/file_messages.h"
#include "store/test_files.h"

namespace quillox::testing {
namespace {

using Messages = std::vector<std::string>;

Bytes LegacyImage(const std::string& marker, const std::string& version, const Bytes& plaintext,
                  const std::optional<std::string>& password = std::nullopt) {
    Bytes image;
    AppendText(image, marker);
    AppendText(image, version);
    const Bytes payload =
        password ? EncryptPayload(plaintext, *password, StartTables::Standard) : plaintext;
    image.insert(image.end(), payload.begin(), payload.end());
    return image;
}

Bytes OldCards() {
    Bytes cards;
    AppendLegacyCard(
        cards, {"WWW Pages", "25-12-1999", {"site", "http://a", "me", "pw"}, "n1", true, false});
    AppendLegacyCard(cards,
                     {"Password Manager", "01-01-2000", {"dropped", "", "", ""}, "", false, false});
    AppendLegacyCard(cards, {"", "99/12/25", {"no category", "", "", ""}, "", false, true});
    AppendLegacyCard(cards, {"Online Banking",
                             "31-01-2001",
                             {"bank", "", "", ""},
                             std::string(300, 'x'),
                             false,
                             false});
    return cards;
}

TEST(LegacyReader, PlainVersion1001PlacesCardsByCategoryText) {
    Bytes plaintext;
    AppendText(plaintext, "XYZ");
    const Bytes cards = OldCards();
    plaintext.insert(plaintext.end(), cards.begin(), cards.end());
    CardCollection collection;
    const LoadRun run = Load(LegacyImage("NTENCRYPT", "Version1.001", plaintext), collection);
    ASSERT_TRUE(run.result.ok);
    EXPECT_EQ(run.result.format, FileFormat::Legacy1001);
    EXPECT_FALSE(run.result.encrypted);
    EXPECT_FALSE(collection.GetEncryptOnSave());
    EXPECT_EQ(CountCards(collection), 3);

    ASSERT_EQ(collection.Category(0).Count(), 2);
    const CardRecord& site = *collection.Category(0).At(0);
    EXPECT_EQ(site.GetCategoryId(), 0);
    EXPECT_EQ(site.GetCategoryText(), "WWW Pages");
    EXPECT_EQ(site.GetModifiedText(), "25-12-1999");
    EXPECT_EQ(site.GetModified(), MacTimeFromDate(1999, 12, 25));
    EXPECT_TRUE(site.IsAutomaticAccess());
    EXPECT_FALSE(site.IsNewBrowserWindow());
    EXPECT_EQ(site.GetField2(), "http://a");
    EXPECT_EQ(site.GetNote(), "n1");
    EXPECT_EQ(site.GetRecordTag(), 0u);
    EXPECT_EQ(site.GetStateFlags(), 0);

    const CardRecord& noCategory = *collection.Category(0).At(1);
    EXPECT_EQ(noCategory.GetModified(), MacTimeFromDate(1999, 12, 25));
    EXPECT_TRUE(noCategory.IsNewBrowserWindow());

    ASSERT_EQ(collection.Category(4).Count(), 1);
    EXPECT_EQ(collection.Category(4).At(0)->GetCategoryId(), 4);
    EXPECT_EQ(collection.Category(4).At(0)->GetNote().size(), 300u);

    // The next save is in the current format and keeps every card where it was placed.
    const SaveRun saved = Save(collection);
    ASSERT_TRUE(saved.ok);
    CardCollection reread;
    ASSERT_TRUE(Load(saved.image, reread).result.ok);
    EXPECT_EQ(reread.Category(0).Count(), 2);
    EXPECT_EQ(reread.Category(4).Count(), 1);
}

TEST(LegacyReader, PlainVersion1002SkipsTheDigestWhateverTheMarker) {
    Bytes plaintext(20, 0xEE);
    const Bytes cards = OldCards();
    plaintext.insert(plaintext.end(), cards.begin(), cards.end());
    CardCollection collection;
    const LoadRun run = Load(LegacyImage("abcdefghi", "Version1.002", plaintext), collection);
    ASSERT_TRUE(run.result.ok);
    EXPECT_EQ(run.result.format, FileFormat::Legacy1002);
    EXPECT_TRUE(run.promptTitles.empty());
    EXPECT_EQ(CountCards(collection), 3);
}

TEST(LegacyReader, EncryptedVersion1001ChecksTheXyzText) {
    Bytes plaintext;
    AppendText(plaintext, "XYZ");
    const Bytes cards = OldCards();
    plaintext.insert(plaintext.end(), cards.begin(), cards.end());
    const Bytes image =
        LegacyImage("ENCRYPTED", "Version1.001", plaintext, std::string("oldsecret"));

    CardCollection wrong;
    LoadRun run = Load(image, wrong, std::string("notsecret"), "old.qxe");
    EXPECT_FALSE(run.result.ok);
    EXPECT_EQ(run.promptTitles, Messages{"Decryption Password for file: old.qxe"});
    EXPECT_EQ(run.messages, Messages{messages::kWrongPasswordOldFormat});

    run = Load(image, wrong, std::string());
    EXPECT_EQ(run.messages,
              (Messages{messages::kEnterPassword, messages::kWrongPasswordOldFormat}));

    CardCollection right;
    run = Load(image, right, std::string("oldsecret"));
    ASSERT_TRUE(run.result.ok);
    EXPECT_TRUE(run.result.encrypted);
    EXPECT_TRUE(right.GetEncryptOnSave());
    EXPECT_EQ(right.GetFilePassword(), SecretString(std::string("oldsecret")));
    EXPECT_EQ(CountCards(right), 3);
}

TEST(LegacyReader, EncryptedVersion1002ChecksTheDigest) {
    Bytes plaintext = Digest("oldsecret");
    const Bytes cards = OldCards();
    plaintext.insert(plaintext.end(), cards.begin(), cards.end());
    const Bytes image =
        LegacyImage("ENCRYPTED", "Version1.002", plaintext, std::string("oldsecret"));

    CardCollection wrong;
    EXPECT_EQ(Load(image, wrong, std::string("oldsecreT")).messages,
              Messages{messages::kWrongPassword});
    CardCollection right;
    ASSERT_TRUE(Load(image, right, std::string("oldsecret")).result.ok);
    EXPECT_EQ(CountCards(right), 3);
    EXPECT_TRUE(right.VerifyPassword(SecretString(std::string("oldsecret"))));
}

TEST(LegacyReader, CardsCutShortEndTheReading) {
    Bytes plaintext;
    AppendText(plaintext, "XYZ");
    AppendLegacyCard(plaintext,
                     {"Credit Cards", "01-02-2003", {"visa", "", "", ""}, "", false, false});
    const std::size_t complete = plaintext.size();
    AppendLegacyCard(
        plaintext, {"Credit Cards", "01-02-2003", {"amex", "", "", ""}, "long note", false, false});
    for (std::size_t length = complete; length < plaintext.size(); ++length) {
        CardCollection collection;
        const Bytes cut(plaintext.begin(), plaintext.begin() + static_cast<long>(length));
        ASSERT_TRUE(Load(LegacyImage("NTENCRYPT", "Version1.001", cut), collection).result.ok);
        ASSERT_EQ(collection.Category(8).Count(), 1) << length;
        EXPECT_EQ(collection.Category(8).At(0)->GetField1(), "visa");
    }
    // A note length that runs far past the end.
    Bytes bad;
    AppendText(bad, "XYZ");
    AppendLegacyCard(bad, {"Credit Cards", "01-02-2003", {"x", "", "", ""}, "", false, false});
    bad[bad.size() - 4] = 0xFF;
    bad[bad.size() - 3] = 0xFF;
    CardCollection collection;
    ASSERT_TRUE(Load(LegacyImage("NTENCRYPT", "Version1.001", bad), collection).result.ok);
    EXPECT_EQ(CountCards(collection), 0);
}

TEST(LegacyReader, UnreadableDateTextsGiveTimeZero) {
    Bytes plaintext;
    AppendText(plaintext, "XYZ");
    for (const char* date : {"", "xx-yy-zzzz", "31-13-1999", "1-1-99"}) {
        AppendLegacyCard(plaintext, {"Serial Numbers", date, {"s", "", "", ""}, "", false, false});
    }
    CardCollection collection;
    ASSERT_TRUE(Load(LegacyImage("NTENCRYPT", "Version1.001", plaintext), collection).result.ok);
    ASSERT_EQ(collection.Category(12).Count(), 4);
    for (const auto& card : collection.Category(12)) {
        EXPECT_EQ(card->GetModified(), 0u) << card->GetModifiedText();
    }
}

}  // namespace
}  // namespace quillox::testing
