#include <gtest/gtest.h>

#include <stdexcept>

#include "web/dde_arguments.h"
#include "web/dde_topics.h"

namespace quillox::web {
namespace {

using namespace std::string_literals;

const DdeValue kMissing = std::monostate();

TEST(DdeArguments, EncodingQuotesEscapesAndLeavesMissingPlacesEmpty) {
    EXPECT_EQ(EncodeDdeArguments("QCS,QCS,DW,DW,QCS,QCS,CS", {"A"s, kMissing, 4294967295u, 0u,
                                                              kMissing, kMissing, "Quillox1"s}),
              "\"A\",,4294967295,0,,,Quillox1");
    // A quote gets a backslash; a backslash is not doubled; an empty text is
    // two quotes, not a missing place.
    EXPECT_EQ(EncodeDdeArguments("QCS,QCS,QCS", {"say \"hi\""s, "C:\\dir\\x"s, ""s}),
              "\"say \\\"hi\\\"\",\"C:\\dir\\x\",\"\"");
    EXPECT_EQ(EncodeDdeArguments("CS,BL,BL,DW", {"a b"s, true, false, 7u}), "a b,TRUE,FALSE,7");
    EXPECT_EQ(EncodeDdeArguments("DW,DW", {kMissing, kMissing}), ",");

    EXPECT_THROW(EncodeDdeArguments("DW", {"7"s}), std::invalid_argument);
    EXPECT_THROW(EncodeDdeArguments("QCS", {1u}), std::invalid_argument);
    EXPECT_THROW(EncodeDdeArguments("DW,DW", {1u}), std::invalid_argument);
    EXPECT_THROW(EncodeDdeArguments("XX", {1u}), std::invalid_argument);
}

TEST(DdeArguments, ReadingArgumentNFollowsQuotesAndCommas) {
    struct Case {
        std::string list;
        int n;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {"\"a,b\",c", 1, "a,b"},
        {"\"a,b\",c", 2, "c"},
        {"\"a,b\",c", 3, std::nullopt},
        {"\"x\\\"y,z\",w", 1, "x\\\"y,z"},  // the escaped quote keeps its backslash here
        {"\"x\\\"y,z\",w", 2, "w"},
        {",,5", 1, std::nullopt},
        {",,5", 2, std::nullopt},
        {",,5", 3, "5"},
        {"5,", 2, std::nullopt},
        {"\"\",x", 1, std::nullopt},  // an empty quoted text is missing
        {"\"\",x", 2, "x"},
        {"\"ab\"x,y", 1, "ab\""},  // the last character goes, whatever it is
        {"\"ab\"x,y", 2, "y"},
        {"\"abc", 1, "ab"},  // no closing quote: runs to the end
        {"\"abc", 2, std::nullopt},
        {"\"", 1, std::nullopt},
        {"plain text,2", 1, "plain text"},
        {"a", 0, std::nullopt},
        // Backslashes after the closing quote belong to the text.
        {"\"http://intranet\"\\,\"Intranet home\"", 1, "http://intranet\\"},
        {"\"http://intranet\"\\,\"Intranet home\"", 2, "Intranet home"},
        {"\"\"\\\\,x", 1, "\\\\"},
        {"\"a\"\\b,x", 1, "a\"\\"},  // anything else there: the last character goes
        {"", 1, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list + " #" + std::to_string(c.n));
        EXPECT_EQ(DdeArgumentText(c.list, c.n), c.text);
    }
}

TEST(DdeArguments, DecodingConvertsByTypeAndFillsMissingWithDefaults) {
    EXPECT_EQ(DecodeDdeArguments("DW,QCS,CS,BL,BL,XX,DW", "42,\"t\\\"q\\x\",plain,true,FALSE,zz,"),
              (DdeValues{42u, "t\"q\\x"s, "plain"s, true, false, kMissing, 0u}));
    EXPECT_EQ(DecodeDdeArguments("DW,QCS,CS,BL", ",\"\",,"), (DdeValues{0u, ""s, ""s, false}));
    EXPECT_EQ(DecodeDdeArguments("DW,DW,DW,DW", "99999999999,12ab,abc, 8"),
              (DdeValues{4294967295u, 12u, 0u, 8u}));

    // Whatever a text holds comes back.
    for (const std::string& text :
         {"a,b"s, "\"quoted\", too"s, "\\\"\\"s + "x"s, ",,\"\","s, "caf\xE9 \x80"s,
          "http://intranet\\"s, "\\"s, "\\\\"s, "a\"\\"s, "\\\",\\"s, ",\\\\"s}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(
            DecodeDdeArguments("QCS,DW,QCS", EncodeDdeArguments("QCS,DW,QCS", {text, 5u, text})),
            (DdeValues{text, 5u, text}));
    }
}

TEST(DdeArguments, TrailingBackslashesFollowTheClosingQuoteAndLeaveTheNextArgumentWhole) {
    EXPECT_EQ(EncodeDdeArguments("QCS,QCS", {"http://intranet\\"s, "Intranet home"s}),
              "\"http://intranet\"\\,\"Intranet home\"");
    EXPECT_EQ(EncodeDdeArguments("QCS,DW", {"\\\\"s, 1u}), "\"\"\\\\,1");
    // Texts that never ended in a backslash keep their form.
    EXPECT_EQ(EncodeDdeArguments("QCS", {"a\\b\"c"s}), "\"a\\b\\\"c\"");
    const DdeValues request{"http://intranet\\"s, kMissing, 4294967295u, 0u, kMissing, kMissing,
                            "Quillox1"s};
    EXPECT_EQ(DecodeDdeArguments("QCS,QCS,DW,DW,QCS,QCS,CS",
                                 EncodeDdeArguments("QCS,QCS,DW,DW,QCS,QCS,CS", request)),
              (DdeValues{"http://intranet\\"s, ""s, 4294967295u, 0u, ""s, ""s, "Quillox1"s}));
}

TEST(DdeArguments, SingleNumberAndTruthRepliesAreBinaryOthersTextWithItsZero) {
    EXPECT_EQ(EncodeDdeReply("DW", {0x01020304u}), "\x04\x03\x02\x01"s);
    EXPECT_EQ(EncodeDdeReply("DW", {0u}), std::string(4, '\0'));
    EXPECT_EQ(EncodeDdeReply("BL", {true}), "\x01\x00"s);
    EXPECT_EQ(EncodeDdeReply("BL", {false}), "\x00\x00"s);
    EXPECT_EQ(EncodeDdeReply("QCS", {"/tmp/f"s}), "\"/tmp/f\"\0"s);
    EXPECT_EQ(EncodeDdeReply("QCS,QCS", {"u"s, "t"s}), "\"u\",\"t\"\0"s);
    EXPECT_EQ(EncodeDdeReply("DW,DW", {1u, 2u}), "1,2\0"s);
    EXPECT_EQ(EncodeDdeReply("DW", {kMissing}), std::nullopt);
    EXPECT_EQ(EncodeDdeReply("CS", {""s}), std::nullopt);

    EXPECT_EQ(DecodeDdeReply("DW", "\x04\x03\x02\x01\xFF"s), DdeValues{0x01020304u});
    EXPECT_EQ(DecodeDdeReply("DW", "\x04\x03\x02"s), DdeValues{kMissing});
    EXPECT_EQ(DecodeDdeReply("BL", "\x01\x00"s), DdeValues{true});
    EXPECT_EQ(DecodeDdeReply("BL", "\x00\x00"s), DdeValues{false});
    EXPECT_EQ(DecodeDdeReply("BL", "\x01"s), DdeValues{kMissing});
    EXPECT_EQ(DecodeDdeReply("QCS,QCS", "\"u\",\"t\"\0,\"junk\""s), (DdeValues{"u"s, "t"s}));
    EXPECT_EQ(DecodeDdeReply("QCS,QCS", ""), (DdeValues{""s, ""s}));
}

TEST(DdeTopics, TableNumbersNamesAndIgnoresCase) {
    ASSERT_EQ(kDdeTopicCount, 27);
    for (int topic = 0; topic < kDdeTopicCount; ++topic) {
        EXPECT_EQ(FindDdeTopic(DdeTopicName(static_cast<DdeTopic>(topic))), topic);
    }
    EXPECT_EQ(DdeTopicName(kWwwActivate), "WWW_Activate");
    EXPECT_EQ(DdeTopicName(kWwwGetWindowInfo), "WWW_GetWindowInfo");
    EXPECT_EQ(kWwwGetWindowInfo, 6);
    EXPECT_EQ(DdeTopicName(kWwwQueryUrlFile), "WWW_QueryURLFile");
    EXPECT_EQ(kWwwQueryUrlFile, 11);
    EXPECT_EQ(DdeTopicName(kWwwUrlEcho), "WWW_URLEcho");
    EXPECT_EQ(DdeTopicName(kWwwWindowChange), "WWW_WindowChange");
    EXPECT_EQ(kWwwWindowChange, 26);
    EXPECT_EQ(FindDdeTopic("www_openurl"), kWwwOpenUrl);
    EXPECT_EQ(FindDdeTopic("WWW_OpenURLs"), -1);
    EXPECT_EQ(FindDdeTopic(""), -1);
}

}  // namespace
}  // namespace quillox::web
