#include <gtest/gtest.h>

#include "web/ipc_wire.h"

namespace quillox::web::ipc {
namespace {

using namespace std::string_literals;

std::string Length(std::uint32_t length) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) {
        bytes += static_cast<char>((length >> (8 * i)) & 0xFF);
    }
    return bytes;
}

TEST(IpcWire, MessagesReadWholeWaitForTheirRestAndRefuseWhatBreaksTheCap) {
    struct Case {
        std::string bytes;
        bool fromClient;
        Parsed parsed;
        Code code;
        std::string text;
        std::string data;
    };
    const std::string item = "\"http://a/\",,4294967295";
    const Case cases[] = {
        {ConnectMessage("WWW_OpenURL"), true, Parsed::kComplete, kConnect, "WWW_OpenURL", ""},
        {"\x0A"s, false, Parsed::kComplete, kConnect, "", ""},
        {RequestMessage(item), true, Parsed::kComplete, kRequest, item, ""},
        {ReplyMessage("\7\0\0\0"s), false, Parsed::kComplete, kRequestReply, "", "\7\0\0\0"s},
        {"\x03"s + Length(3) + "1,2\x01"s + Length(4) + "data", true, Parsed::kComplete, kPoke,
         "1,2", "data"},
        {"\x01\x01"s + Length(1) + "x", true, Parsed::kComplete, kExecute, "", "x"},
        {"\x04"s + Length(1) + "i", true, Parsed::kComplete, kAdviseStart, "i", ""},
        {CodeMessage(kDisconnect), true, Parsed::kComplete, kDisconnect, "", ""},
        {CodeMessage(kFail), false, Parsed::kComplete, kFail, "", ""},
        // Parts still on their way.
        {"", true, Parsed::kIncomplete, kFail, "", ""},
        {"\x0A\x05\x00"s, true, Parsed::kIncomplete, kFail, "", ""},
        {RequestMessage(item).substr(0, 10), true, Parsed::kIncomplete, kFail, "", ""},
        {"\x03"s + Length(3) + "1,2\x01"s + Length(4) + "da", true, Parsed::kIncomplete, kFail, "",
         ""},
        // Lengths over the cap are refused before their bytes come: 11 bytes
        // announcing 4 GiB, a topic of 512 MiB, a reply one byte too long.
        {"\x03"s + Length(3) + "1,2\x01"s + Length(0xFFFFFFFF), true, Parsed::kRefused, kFail, "",
         ""},
        {"\x0A"s + Length(512u << 20), true, Parsed::kRefused, kFail, "", ""},
        {"\x08"s + Length(kMaxPart + 1), false, Parsed::kRefused, kFail, "", ""},
        {"\x02"s + Length(kMaxPart) + std::string(kMaxPart, 'i') + "\x01", true, Parsed::kComplete,
         kRequest, std::string(kMaxPart, 'i'), ""},
        {"\x0C"s, true, Parsed::kRefused, kFail, "", ""},
        {"\x00"s, true, Parsed::kRefused, kFail, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes.substr(0, 40)));
        Message message;
        std::size_t consumed = 0;
        const Parsed parsed = Parse(c.bytes, c.fromClient, message, consumed);
        EXPECT_EQ(parsed, c.parsed);
        if (parsed == Parsed::kComplete) {
            // What follows is the next message's.
            EXPECT_EQ(Parse(c.bytes + "\x0B", c.fromClient, message, consumed), parsed);
            EXPECT_EQ(consumed, c.bytes.size());
            EXPECT_EQ(message.code, c.code);
            EXPECT_EQ(message.text, c.text);
            EXPECT_EQ(message.data, c.data);
        }
    }
}

}  // namespace
}  // namespace quillox::web::ipc
