// One file of every kind the reader knows. Each must load; when
// QUILLOX_FUZZ_SEEDS names a folder they are written there to seed the fuzzer.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "store/strong_files.h"

namespace quillox::testing {
namespace {

constexpr const char* kPassword = "password";

Bytes Cards() {
    Bytes cards;
    AppendCard(
        cards,
        RawCard{0, 3, 4, 3000000000u, 1, {"site", "http://a.example", "me", "pw", "l1\r\nl2"}});
    AppendCard(cards, RawCard{7, 0, 2, 0, 0, {"deleted bank", "1", "2", "3", ""}});
    AppendCard(cards, RawCard{14, 0, 0, 0, 0, {"", "", "", "", ""}});
    return cards;
}

Bytes CurrentFile(bool encrypted, std::uint8_t version) {
    Bytes image = FileHeader(version, encrypted ? 1 : 0, 0x1234);
    Bytes payload = Cards();
    if (encrypted) {
        Bytes plaintext = Digest(kPassword);
        plaintext.insert(plaintext.end(), payload.begin(), payload.end());
        payload = EncryptPayload(plaintext, kPassword,
                                 version == 5 ? StartTables::Zeroed : StartTables::Standard);
    }
    image.insert(image.end(), payload.begin(), payload.end());
    return image;
}

Bytes LegacyCards() {
    Bytes cards;
    AppendLegacyCard(cards, {"WWW Pages", "25-12-1999", {"a", "b", "c", "d"}, "note", true, true});
    AppendLegacyCard(cards, {"Bank Accounts", "99/12/25", {"e", "f", "g", "h"}, "", false, false});
    AppendLegacyCard(cards, {"Password Manager", "", {"", "", "", ""}, "", false, false});
    return cards;
}

Bytes LegacyFile(bool encrypted, bool version1002) {
    Bytes plaintext;
    if (version1002) {
        plaintext = Digest(kPassword);
    } else {
        AppendText(plaintext, "XYZ");
    }
    const Bytes cards = LegacyCards();
    plaintext.insert(plaintext.end(), cards.begin(), cards.end());
    Bytes image;
    AppendText(image, encrypted ? "ENCRYPTED" : "NTENCRYPT");
    AppendText(image, version1002 ? "Version1.002" : "Version1.001");
    const Bytes payload =
        encrypted ? EncryptPayload(plaintext, kPassword, StartTables::Standard) : plaintext;
    image.insert(image.end(), payload.begin(), payload.end());
    return image;
}

Bytes StrongFile() {
    Bytes image = FileHeader(6, 0, 0x1234);
    const Bytes cards = Cards();
    image.insert(image.end(), cards.begin(), cards.end());
    CardCollection collection;
    Load(image, collection);
    return SaveStrongly(collection, kPassword);
}

TEST(SeedCorpus, EveryKindOfFileLoads) {
    const struct {
        const char* name;
        Bytes image;
        int cards;
    } seeds[] = {
        {"plain.qxf", CurrentFile(false, 6), 3},
        {"encrypted.qxe", CurrentFile(true, 6), 3},
        {"zeroed-tables.qxe", CurrentFile(true, 5), 3},
        {"strong.qxe", StrongFile(), 3},
        {"legacy-1001.dat", LegacyFile(false, false), 2},
        {"legacy-1001-encrypted.dat", LegacyFile(true, false), 2},
        {"legacy-1002.dat", LegacyFile(false, true), 2},
        {"legacy-1002-encrypted.dat", LegacyFile(true, true), 2},
    };
    const char* folder = std::getenv("QUILLOX_FUZZ_SEEDS");
    for (const auto& seed : seeds) {
        CardCollection collection;
        const LoadRun run = Load(seed.image, collection, std::string(kPassword));
        EXPECT_TRUE(run.result.ok) << seed.name;
        EXPECT_EQ(CountCards(collection), seed.cards) << seed.name;
        if (folder != nullptr) {
            std::ofstream(std::string(folder) + "/" + seed.name, std::ios::binary)
                .write(reinterpret_cast<const char*>(seed.image.data()),
                       static_cast<std::streamsize>(seed.image.size()));
        }
    }
    // The password fuzzer's inputs: the answer, the format (in its order:
    // current plain and encrypted, the old formats, the strong form), and
    // the cards.
    if (folder != nullptr) {
        for (unsigned char format = 0; format < 7; ++format) {
            Bytes input = {0, format};
            const Bytes cards = format < 2 || format == 6 ? Cards() : LegacyCards();
            input.insert(input.end(), cards.begin(), cards.end());
            std::ofstream(std::string(folder) + "/password-" + std::to_string(format),
                          std::ios::binary)
                .write(reinterpret_cast<const char*>(input.data()),
                       static_cast<std::streamsize>(input.size()));
        }
    }
}

}  // namespace
}  // namespace quillox::testing
