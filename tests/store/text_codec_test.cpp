#include <gtest/gtest.h>

#include "store/text_codec.h"

namespace quillox {
namespace {

TEST(TextCodec, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_EQ(Utf8ToCp1252(utf8), all);

    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
    EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xC2\x81");      // undefined: C1 control
    EXPECT_EQ(Cp1252ToUtf8("\x9F"), "\xC5\xB8");      // Y with diaeresis
    EXPECT_EQ(Cp1252ToUtf8("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(Utf8ToCp1252("\xE2\x80\x9C"
                           "quoted"
                           "\xE2\x80\x9D"),
              "\x93quoted\x94");
}

TEST(TextCodec, CharactersWithoutAByteAreReportedNeverSubstituted) {
    CodecError error;
    EXPECT_FALSE(Utf8ToCp1252("ok \xE2\x9C\x93 tick", &error));
    EXPECT_FALSE(error.invalidUtf8);
    EXPECT_EQ(error.position, 3u);
    EXPECT_EQ(error.codePoint, 0x2713u);
    EXPECT_NE(error.Describe().find("U+2713"), std::string::npos);
    EXPECT_NE(error.Describe().find("\xE2\x9C\x93"), std::string::npos);

    EXPECT_FALSE(Utf8ToCp1252("\xF0\x9F\x94\x91", &error));  // emoji key
    EXPECT_EQ(error.codePoint, 0x1F511u);
    // C1 controls other than the five Windows leaves undefined have no byte.
    EXPECT_FALSE(Utf8ToCp1252("\xC2\x80", &error));
    EXPECT_EQ(error.codePoint, 0x80u);
}

TEST(TextCodec, MalformedUtf8IsRefused) {
    for (const std::string& bad :
         {std::string("\xC0\xAF"), std::string("\x80"), std::string("\xED\xA0\x80"),
          std::string("abc\xE2\x82"), std::string("\xF4\x90\x80\x80"), std::string("\xFF")}) {
        CodecError error;
        EXPECT_FALSE(Utf8ToCp1252(bad, &error));
        EXPECT_TRUE(error.invalidUtf8);
    }
}

TEST(TextCodec, CharacterLengthsAcceptOnlyWellFormedUtf8) {
    const std::pair<std::string, std::size_t> cases[] = {
        {"a", 1},
        {"\xC3\xA9", 2},
        {"\xE2\x82\xAC", 3},
        {"\xF0\x9F\x98\x80", 4},
        {"\xF4\x8F\xBF\xBF", 4},  // U+10FFFF, the last
        {"\xC0\x80", 0},          // NUL, overlong
        {"\xE0\x80\xAF", 0},      // '/', overlong
        {"\xED\xA0\x80", 0},      // a surrogate
        {"\xF4\x90\x80\x80", 0},  // past U+10FFFF
        {"\x9B\x8C", 0},          // continuation bytes without a lead
        {"\xC3", 0},              // cut short
        {"\xE2\x82" "A", 0},
        {"\xFF", 0},
    };
    for (const auto& [text, length] : cases) {
        EXPECT_EQ(Utf8CharacterLength("x" + text, 1), length) << text;
    }
}

TEST(TextCodec, ReplacingConversionKeepsEveryOtherCharacter) {
    EXPECT_EQ(Utf8ToCp1252Replacing("caf\xC3\xA9 \xE2\x82\xAC"), "caf\xE9 \x80");
    EXPECT_EQ(Utf8ToCp1252Replacing("\xD0\x9A\xD0\xB8\xD1\x97\xD0\xB2.qxe"), "????.qxe");
    EXPECT_EQ(Utf8ToCp1252Replacing("a\xFF\xC3"
                                    "b\xF0\x9F\x94\x91",
                                    '_'),
              "a__b_");
}

}  // namespace
}  // namespace quillox
