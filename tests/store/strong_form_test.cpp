#include <gtest/gtest.h>
#include <sodium.h>

#include <fstream>
#include <iterator>

#include "store/byte_io.h"
#include "store/file_messages.h"
#include "store/strong_files.h"
#include "store/typical_cards.h"

namespace quillox::testing {
namespace {

constexpr const char* kPassword = "Strong-Pass 42";

// A strong file made here against libsodium alone, without the store's writer.
Bytes IndependentStrongFile(const std::string& password, const Bytes& cards, KdfCost cost) {
    if (sodium_init() < 0) {
        ADD_FAILURE() << "libsodium did not start";
    }
    Bytes image = FileHeader(6, 2, 0x55667788);
    image.insert(image.end(), {'Q', 'x', 'S', 'e', 1, 1});
    unsigned char numbers[12];
    WriteU32(numbers, cost.operations);
    WriteU64(numbers + 4, cost.memoryBytes);
    image.insert(image.end(), numbers, numbers + sizeof numbers);
    unsigned char salt[crypto_pwhash_SALTBYTES];
    unsigned char nonce[crypto_aead_xchacha20poly1305_ietf_NPUBBYTES];
    randombytes_buf(salt, sizeof salt);
    randombytes_buf(nonce, sizeof nonce);
    image.insert(image.end(), salt, salt + sizeof salt);
    image.insert(image.end(), nonce, nonce + sizeof nonce);
    unsigned char key[crypto_aead_xchacha20poly1305_ietf_KEYBYTES];
    EXPECT_EQ(crypto_pwhash(key, sizeof key, password.data(), password.size(), salt,
                            cost.operations, cost.memoryBytes, crypto_pwhash_ALG_ARGON2ID13),
              0);
    Bytes sealed(cards.size() + crypto_aead_xchacha20poly1305_ietf_ABYTES);
    crypto_aead_xchacha20poly1305_ietf_encrypt(sealed.data(), nullptr, cards.data(), cards.size(),
                                               image.data(), image.size(), nullptr, nonce, key);
    image.insert(image.end(), sealed.begin(), sealed.end());
    return image;
}

TEST(StrongForm, SavesAndOpensEveryCardAndKeepsItsForm) {
    CardCollection original;
    AddSampleCards(original);
    original.SetCarriedHeaderValue(0x01020304);
    const Bytes image = SaveStrongly(original, kPassword);
    ASSERT_EQ(image[12], 2);
    EXPECT_EQ(image[1], 6);
    EXPECT_EQ(ReadU32(image.data() + 18), 0x01020304u);
    EXPECT_EQ(Bytes(image.begin() + 22, image.begin() + 28), (Bytes{'Q', 'x', 'S', 'e', 1, 1}));
    EXPECT_EQ(ReadU32(image.data() + 28), kFastCost.operations);
    EXPECT_EQ(ReadU64(image.data() + 32), kFastCost.memoryBytes);
    // No card text is in the file in the clear.
    const std::string bytes(image.begin(), image.end());
    EXPECT_EQ(bytes.find("Example site"), std::string::npos);

    // Cards already in the collection stay; the file's cards follow them.
    CardCollection loaded;
    loaded.AddCard(3, MakeCard("already here"));
    const LoadRun run = Load(image, loaded, std::string(kPassword));
    ASSERT_TRUE(run.result.ok);
    EXPECT_TRUE(run.messages.empty());
    EXPECT_TRUE(run.result.encrypted);
    EXPECT_EQ(run.result.form, EncryptionForm::Strong);
    EXPECT_EQ(loaded.GetEncryptionForm(), EncryptionForm::Strong);
    EXPECT_TRUE(loaded.GetEncryptOnSave());
    EXPECT_EQ(loaded.GetFilePassword(), SecretString(std::string(kPassword)));
    // A cheap file is saved again at no less than the default cost.
    EXPECT_EQ(loaded.GetKdfCost(), kDefaultKdfCost);
    ASSERT_EQ(loaded.Category(3).Count(), 1);
    loaded.RemoveCard(3, 0);
    EXPECT_EQ(PlainImage(loaded), PlainImage(original));

    // Every save draws a fresh salt and nonce.
    const Bytes again = SaveStrongly(original, kPassword);
    EXPECT_NE(Bytes(again.begin() + 40, again.begin() + 80),
              Bytes(image.begin() + 40, image.begin() + 80));
}

TEST(StrongForm, CompatibleFilesStayCompatibleByteForByteAndOnlyTheyHaveALimit) {
    CardCollection original;
    AddSampleCards(original);
    // A compatible file as earlier versions write it, built without the store.
    const Bytes plainImage = PlainImage(original);
    Bytes plaintext = Digest(kPassword);
    plaintext.insert(plaintext.end(), plainImage.begin() + 22, plainImage.end());
    Bytes image = FileHeader(6, 1, 0);
    const Bytes payload = EncryptPayload(plaintext, kPassword, StartTables::Standard);
    image.insert(image.end(), payload.begin(), payload.end());

    CardCollection loaded;  // a new collection would save strong
    const LoadRun run = Load(image, loaded, std::string(kPassword));
    ASSERT_TRUE(run.result.ok);
    EXPECT_EQ(run.result.form, EncryptionForm::Compatible);
    EXPECT_EQ(loaded.GetEncryptionForm(), EncryptionForm::Compatible);
    EXPECT_EQ(Save(loaded).image, image);

    // A plain file says no form and leaves the collection's choice alone.
    CardCollection plain;
    plain.SetEncryptionForm(EncryptionForm::Compatible);
    const LoadRun plainRun = Load(PlainImage(original), plain);
    EXPECT_FALSE(plainRun.result.form.has_value());
    EXPECT_EQ(plain.GetEncryptionForm(), EncryptionForm::Compatible);

    // Past the compatible limit only the compatible form refuses.
    CardCollection big;
    big.AddCard(0, MakeCard("big", "", std::string(32766, 'n')));
    big.AddCard(0, MakeCard("bigger", "", std::string(32766, 'm')));
    big.SetEncryptionForm(EncryptionForm::Compatible);
    EXPECT_FALSE(FitsEncrypted(big));
    big.SetEncryptionForm(EncryptionForm::Strong);
    EXPECT_TRUE(FitsEncrypted(big));
    CardCollection bigBack;
    ASSERT_TRUE(Load(SaveStrongly(big, kPassword), bigBack, std::string(kPassword)).result.ok);
    EXPECT_EQ(PlainImage(bigBack), PlainImage(big));
}

TEST(StrongForm, RecognisedAndDescribedFromTheClearBytes) {
    CardCollection cards;
    AddSampleCards(cards);
    const Bytes strong = SaveStrongly(cards, kPassword);
    Bytes badMagic = strong;
    badMagic[23] ^= 1;
    Bytes overCost = strong;
    WriteU32(overCost.data() + 28, 1000);
    cards.SetEncryptionForm(EncryptionForm::Compatible);
    const Bytes compatible = Save(cards).image;
    struct Case {
        const char* name;
        Bytes image;
        std::size_t headSize;
        FileKind kind;
        bool encrypted;
        std::optional<EncryptionForm> form;
        std::optional<KdfCost> cost;
    };
    const Case cases[] = {
        {"strong", strong, kRecognisedHeadSize, FileKind::Current, true, EncryptionForm::Strong,
         kFastCost},
        {"strong, header only seen", strong, 22, FileKind::Current, true, EncryptionForm::Strong,
         std::nullopt},
        {"strong, cost past the ceiling", overCost, kRecognisedHeadSize, FileKind::Current, true,
         EncryptionForm::Strong, std::nullopt},
        {"strong, other magic", badMagic, kRecognisedHeadSize, FileKind::Foreign, false,
         std::nullopt, std::nullopt},
        {"strong, shorter than an envelope and tag",
         Bytes(strong.begin(), strong.begin() + kStrongMinFileSize - 1), kRecognisedHeadSize,
         FileKind::Foreign, false, std::nullopt, std::nullopt},
        {"compatible", compatible, kRecognisedHeadSize, FileKind::Current, true,
         EncryptionForm::Compatible, std::nullopt},
        {"plain", PlainImage(cards), kRecognisedHeadSize, FileKind::Current, false, std::nullopt,
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::size_t head = std::min(c.headSize, c.image.size());
        EXPECT_EQ(RecogniseFile(c.image.data(), head, c.image.size()), c.kind);
        const FileFacts facts = InspectCardFile(c.image.data(), head, c.image.size());
        EXPECT_EQ(facts.kind, c.kind);
        EXPECT_EQ(facts.encrypted, c.encrypted);
        EXPECT_EQ(facts.form, c.form);
        EXPECT_EQ(facts.kdfCost, c.cost);
    }
}

TEST(StrongForm, AFileWrittenWithoutTheStoreOpens) {
    Bytes cards;
    AppendCard(cards, RawCard{4, 1, 0, 3100000000u, 9, {"Bank", "12", "Holder", "99", "n"}});
    AppendCard(cards, RawCard{7, 0, 2, 0, 0, {"gone", "", "", "", ""}});
    const Bytes image = IndependentStrongFile(kPassword, cards, {2, 16384});
    CardCollection loaded;
    const LoadRun run = Load(image, loaded, std::string(kPassword));
    ASSERT_TRUE(run.result.ok);
    EXPECT_EQ(loaded.GetCarriedHeaderValue(), 0x55667788u);
    Bytes expected = FileHeader(6, 0, 0x55667788);
    expected.insert(expected.end(), cards.begin(), cards.end());
    EXPECT_EQ(PlainImage(loaded), expected);
}

// Made once by quillox-cli (convert --encrypt, default cost); it must open
// in every later version.
TEST(StrongForm, TheFirstStrongFileKeepsOpening) {
    std::ifstream in(QUILLOX_TEST_DATA "/strong-v1.qxe", std::ios::binary);
    const Bytes image{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(image.empty());
    CardCollection loaded;
    const LoadRun run = Load(image, loaded, std::string("Stable format 1"));
    ASSERT_TRUE(run.result.ok);
    EXPECT_EQ(run.result.form, EncryptionForm::Strong);
    EXPECT_EQ(InspectCardFile(image.data(), kRecognisedHeadSize, image.size()).kdfCost,
              kDefaultKdfCost);
    Bytes expected = FileHeader(6, 0, 0x0BADCAFE);
    AppendCard(expected,
               RawCard{0,
                       3,
                       4,
                       3000000000u,
                       17,
                       {"Stable site", "https://stable.example", "me", "pw 1", "a\r\nb"}});
    AppendCard(expected, RawCard{11, 0, 0, 3000000001u, 0, {"Key", "", "", "", ""}});
    AppendCard(expected, RawCard{5, 0, 2, 3000000002u, 0, {"Deleted login", "", "", "x", ""}});
    EXPECT_EQ(PlainImage(loaded), expected);
}

TEST(StrongForm, AMillionCardsSaveAndOpen) {
    constexpr int kCards = 1000000;
    CardCollection original;
    AddTypicalCards(original, kCards);
    const Bytes image = SaveStrongly(original, kPassword);
    ASSERT_GT(image.size(), 60000000u);
    CardCollection loaded;
    ASSERT_TRUE(Load(image, loaded, std::string(kPassword)).result.ok);
    EXPECT_EQ(CountCards(loaded), kCards);
    EXPECT_EQ(loaded.TotalStoredSize(), original.TotalStoredSize());
}

}  // namespace
}  // namespace quillox::testing
