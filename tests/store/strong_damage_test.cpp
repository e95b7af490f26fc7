#include <gtest/gtest.h>

#include "store/byte_io.h"
#include "store/file_messages.h"
#include "store/strong_files.h"

namespace quillox::testing {
namespace {

using Messages = std::vector<std::string>;
constexpr const char* kPassword = "Tamper-proof 7";

Bytes SmallStrongFile() {
    CardCollection cards;
    AddSampleCards(cards);
    return SaveStrongly(cards, kPassword);
}

// What loading says when byte position of a strong file has changed.
Messages ExpectedForChangedByte(std::size_t position) {
    if (position == 12) {
        return {};  // no longer a form this program knows: it cannot be opened
    }
    if ((position >= 14 && position < 18) || (position >= 22 && position < 26)) {
        return {messages::kNotAQuilloxFile};  // the type code, the envelope's magic
    }
    return {messages::kWrongPasswordOrChanged};
}

TEST(StrongDamage, EveryChangedOrMissingByteIsRefusedWithoutACard) {
    const Bytes good = SmallStrongFile();
    // A changed cost byte may ask for gigabytes within the real ceiling;
    // refused or derived, the outcome is the same.
    constexpr KdfCost kCeiling{2, 1 << 20};
    for (std::size_t position = 0; position < good.size(); ++position) {
        for (const int flip : {0x01, 0xFF}) {
            SCOPED_TRACE("byte " + std::to_string(position) + " ^ " + std::to_string(flip));
            Bytes changed = good;
            changed[position] = static_cast<unsigned char>(changed[position] ^ flip);
            CardCollection collection;
            collection.AddCard(2, MakeCard("mine"));
            const LoadRun run =
                Load(changed, collection, std::string(kPassword), "cards.qxe", kCeiling);
            EXPECT_FALSE(run.result.ok);
            EXPECT_EQ(run.messages, ExpectedForChangedByte(position));
            EXPECT_EQ(CountCards(collection), 1);
            EXPECT_FALSE(collection.GetEncryptOnSave());
        }
    }
    for (std::size_t size = 1; size < good.size(); ++size) {
        SCOPED_TRACE("cut to " + std::to_string(size));
        CardCollection collection;
        const LoadRun run =
            Load(Bytes(good.begin(), good.begin() + size), collection, std::string(kPassword));
        EXPECT_FALSE(run.result.ok);
        EXPECT_EQ(run.messages,
                  Messages{size < kStrongMinFileSize ? messages::kNotAQuilloxFile
                                                     : messages::kWrongPasswordOrChanged});
        EXPECT_EQ(CountCards(collection), 0);
    }
    CardCollection collection;
    EXPECT_TRUE(Load(good, collection, std::string(kPassword)).result.ok);
}

TEST(StrongDamage, WrongEmptyOrCancelledPasswordsOpenNothing) {
    const Bytes good = SmallStrongFile();
    struct Case {
        std::optional<std::string> password;
        Messages messages;
    };
    const Case cases[] = {
        {std::string("Tamper-proof 8"), {messages::kWrongPasswordOrChanged}},
        {std::string(""), {messages::kEnterPassword, messages::kWrongPasswordOrChanged}},
        {std::nullopt, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.password.value_or("cancelled"));
        CardCollection collection;
        const LoadRun run = Load(good, collection, c.password);
        EXPECT_FALSE(run.result.ok);
        EXPECT_EQ(run.messages, c.messages);
        EXPECT_EQ(run.promptTitles, Messages{"Decryption Password for file: cards.qxe"});
        EXPECT_EQ(CountCards(collection), 0);
        EXPECT_TRUE(collection.GetFilePassword().empty());
    }
}

// A hostile file must not make the reader spend what it asks for: costs
// past the ceiling are refused before a password is even asked.
TEST(StrongDamage, CostsOutsideTheBoundsAreRefusedBeforeAsking) {
    const Bytes good = SmallStrongFile();
    struct Case {
        const char* name;
        std::size_t offset;  // in the file
        std::uint64_t value;
        int width;
        KdfCost ceiling;
    };
    constexpr KdfCost kAll = kKdfCeiling;
    const Case cases[] = {
        {"no operations", 28, 0, 4, kAll},
        {"absurd operations", 28, 33, 4, kAll},
        {"memory past 4 GiB", 32, (std::uint64_t{4} << 30) + 1024, 8, kAll},
        {"memory past 2^63", 32, std::uint64_t{1} << 63, 8, kAll},
        {"memory below Argon2's least", 32, 4096, 8, kAll},
        {"memory past a lowered ceiling", 32, 16384, 8, {1, 8192}},
        {"operations past a lowered ceiling", 28, 2, 4, {1, 8192}},
        {"unknown envelope version", 26, 2, 1, kAll},
        {"unknown key derivation", 27, 2, 1, kAll},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes changed = good;
        if (c.width == 8) {
            WriteU64(changed.data() + c.offset, c.value);
        } else if (c.width == 4) {
            WriteU32(changed.data() + c.offset, static_cast<std::uint32_t>(c.value));
        } else {
            changed[c.offset] = static_cast<unsigned char>(c.value);
        }
        CardCollection collection;
        const LoadRun run =
            Load(changed, collection, std::string(kPassword), "cards.qxe", c.ceiling);
        EXPECT_FALSE(run.result.ok);
        EXPECT_EQ(run.messages, Messages{messages::kWrongPasswordOrChanged});
        EXPECT_TRUE(run.promptTitles.empty());
    }
    // At the ceiling itself the file opens.
    CardCollection collection;
    EXPECT_TRUE(Load(good, collection, std::string(kPassword), "cards.qxe", kFastCost).result.ok);
}

}  // namespace
}  // namespace quillox::testing
