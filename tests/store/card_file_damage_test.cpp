#include <gtest/gtest.h>

#include <random>

#include "store/file_messages.h"
#include "store/test_files.h"

namespace quillox::testing {
namespace {

using Messages = std::vector<std::string>;

Bytes EncryptedFile(const std::string& password) {
    Bytes plaintext = Digest(password);
    AppendCard(plaintext, RawCard{0, 0, 0, 0, 0, {"site", "http://x", "me", "pw", ""}});
    Bytes image = FileHeader(6, 1, 0);
    const Bytes payload = EncryptPayload(plaintext, password, StartTables::Standard);
    image.insert(image.end(), payload.begin(), payload.end());
    return image;
}

TEST(CardFileDamage, ForeignAndShortFilesAreNotQuilloxFiles) {
    const Bytes header = FileHeader(6, 0, 0);
    for (std::size_t length = 1; length < 22; ++length) {
        CardCollection collection;
        const LoadRun run = Load(Bytes(header.begin(), header.begin() + length), collection);
        EXPECT_FALSE(run.result.ok) << length;
        EXPECT_EQ(run.messages, Messages{messages::kNotAQuilloxFile}) << length;
    }
    Bytes wrongCode = header;
    wrongCode[17] = 0x52;
    CardCollection collection;
    EXPECT_EQ(Load(wrongCode, collection).messages, Messages{messages::kNotAQuilloxFile});

    const std::string text = "Hello, this is a text file and not a card file at all.";
    EXPECT_EQ(Load(Bytes(text.begin(), text.end()), collection).messages,
              Messages{messages::kNotAQuilloxFile});
}

TEST(CardFileDamage, ZeroLengthOpensEmptyAndUnknownEncryptionByteFailsSilently) {
    CardCollection collection;
    LoadRun run = Load(Bytes(), collection);
    EXPECT_TRUE(run.result.ok);
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(run.result.format, FileFormat::Current);
    EXPECT_FALSE(run.result.encrypted);

    Bytes odd = FileHeader(6, 3, 0);
    AppendCard(odd, RawCard{0, 0, 0, 0, 0, {"x", "", "", "", ""}});
    run = Load(odd, collection);
    EXPECT_FALSE(run.result.ok);
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(CountCards(collection), 0);
}

TEST(CardFileDamage, PasswordCancelledEmptyOrWrong) {
    const Bytes image = EncryptedFile("rightpassword");
    CardCollection collection;
    LoadRun run = Load(image, collection, std::nullopt);
    EXPECT_FALSE(run.result.ok);
    EXPECT_TRUE(run.messages.empty());

    run = Load(image, collection, std::string());
    EXPECT_FALSE(run.result.ok);
    EXPECT_EQ(run.messages, (Messages{messages::kEnterPassword, messages::kWrongPassword}));

    run = Load(image, collection, std::string("wrongpassword"));
    EXPECT_FALSE(run.result.ok);
    EXPECT_EQ(run.messages, Messages{messages::kWrongPassword});
    EXPECT_FALSE(collection.GetEncryptOnSave());
    EXPECT_TRUE(collection.GetFilePassword().empty());
    EXPECT_EQ(CountCards(collection), 0);
}

// Payloads that are not whole blocks, hold less than the digest, or are too
// long for the 16-bit block count to describe: no writer makes them.
TEST(CardFileDamage, EncryptedPayloadsNoWriterMakesAreRefusedBeforeAsking) {
    const Bytes good = EncryptedFile("rightpassword");
    std::vector<Bytes> images;
    for (const std::size_t cut : {1u, 7u, 9u}) {
        images.emplace_back(good.begin(), good.end() - static_cast<long>(cut));
    }
    for (const std::size_t payload : {0u, 8u, 16u}) {
        images.emplace_back(good.begin(), good.begin() + 22 + static_cast<long>(payload));
    }
    for (const std::size_t payload : {65536u, 65600u}) {
        Bytes plaintext = Digest("rightpassword");
        AppendCard(plaintext, RawCard{0, 0, 0, 0, 0, {"site", "", "", "", ""}});
        plaintext.resize(payload, 0);
        images.push_back(FileHeader(6, 1, 0));
        const Bytes cipher = EncryptPayload(plaintext, "rightpassword", StartTables::Standard);
        images.back().insert(images.back().end(), cipher.begin(), cipher.end());
    }
    for (const Bytes& image : images) {
        CardCollection collection;
        const LoadRun run = Load(image, collection, std::string("rightpassword"));
        EXPECT_FALSE(run.result.ok) << image.size();
        EXPECT_TRUE(run.promptTitles.empty()) << image.size();
        EXPECT_EQ(run.messages, Messages{messages::kNotAQuilloxFile}) << image.size();
        EXPECT_EQ(CountCards(collection), 0);
    }
}

TEST(CardFileDamage, LengthsPastTheEndStopReadingAndKeepEarlierCards) {
    Bytes image = FileHeader(6, 0, 0);
    AppendCard(image, RawCard{2, 0, 0, 0, 0, {"ftp", "", "", "", ""}});
    const std::size_t second = image.size();
    AppendCard(image, RawCard{2, 0, 0, 0, 0, {"big", "", "", "", ""}});
    for (const std::uint32_t length : {0xFFFFFFFFu, 0x80000000u, 9u}) {
        image[second + 20] = static_cast<unsigned char>(length);
        image[second + 21] = static_cast<unsigned char>(length >> 8);
        image[second + 22] = static_cast<unsigned char>(length >> 16);
        image[second + 23] = static_cast<unsigned char>(length >> 24);
        CardCollection collection;
        ASSERT_TRUE(Load(image, collection).result.ok);
        ASSERT_EQ(collection.Category(2).Count(), 1) << length;
        EXPECT_EQ(collection.Category(2).At(0)->GetField1(), "ftp");
    }
}

TEST(CardFileDamage, EveryPrefixOfAFileLoadsWithoutHarm) {
    Bytes image = FileHeader(6, 0, 0);
    for (int i = 0; i < 4; ++i) {
        AppendCard(image, RawCard{static_cast<std::uint8_t>(i),
                                  1,
                                  4,
                                  1,
                                  2,
                                  {"f1", "f2", "f3", "f4", "note " + std::to_string(i)}});
    }
    int previous = 0;
    for (std::size_t length = 22; length <= image.size(); ++length) {
        CardCollection collection;
        ASSERT_TRUE(
            Load(Bytes(image.begin(), image.begin() + static_cast<long>(length)), collection)
                .result.ok);
        const int count = CountCards(collection);
        EXPECT_GE(count, previous);
        previous = count;
    }
    EXPECT_EQ(previous, 4);
}

TEST(CardFileDamage, RandomCorruptionNeverCrashes) {
    Bytes plain = FileHeader(6, 0, 0);
    for (int i = 0; i < 8; ++i) {
        AppendCard(plain,
                   RawCard{static_cast<std::uint8_t>(i), 0, 0, 0, 0, {"a", "b", "c", "d", "e"}});
    }
    std::mt19937 random(1234);
    for (int round = 0; round < 2000; ++round) {
        Bytes image = plain;
        const int flips = 1 + static_cast<int>(random() % 8);
        for (int f = 0; f < flips; ++f) {
            image[random() % image.size()] = static_cast<unsigned char>(random());
        }
        CardCollection collection;
        Load(image, collection, std::string("password"));
        // Every card read takes at least its 24-byte header from the data.
        EXPECT_LE(static_cast<std::size_t>(CountCards(collection)), (image.size() - 22) / 24);
    }
}

}  // namespace
}  // namespace quillox::testing
