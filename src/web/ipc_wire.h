#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The messages of the local-socket conversation, in the wire format of
// wxWidgets' IPC that browser-side helpers speak: a code byte, then texts and
// data, each as a 32-bit little-endian length and its bytes, and format
// bytes. Every text and data part is capped, so that a peer cannot make the
// program hold more than a few KiB for one message.
namespace quillox::web::ipc {

enum Code : std::uint8_t {
    kExecute = 1,
    kRequest = 2,
    kPoke = 3,
    kAdviseStart = 4,
    kAdviseRequest = 5,
    kAdvise = 6,
    kAdviseStop = 7,
    kRequestReply = 8,
    kFail = 9,
    kConnect = 10,
    kDisconnect = 11,
};

// The most bytes one text or data part may hold: topics, argument lists and
// replies of the browser verbs are far shorter.
inline constexpr std::uint32_t kMaxPart = 4096;
// The format byte of text, which requests name.
inline constexpr std::uint8_t kTextFormat = 1;

struct Message {
    Code code = kFail;
    std::string text;  // the topic of a connect, the item of the others
    std::string data;
};

enum class Parsed {
    kIncomplete,  // more bytes must come
    kComplete,    // message holds the message, consumed its length
    kRefused,     // an unknown code or a part over the cap: drop the peer
};

// Reads the message at the front of buffer. A connect carries its topic
// when it comes from a client (fromClient); a server's answer is the code alone.
Parsed Parse(std::string_view buffer, bool fromClient, Message& message, std::size_t& consumed);

// The messages this side sends.
std::string ConnectMessage(std::string_view topic);
std::string RequestMessage(std::string_view item);
std::string ReplyMessage(std::string_view data);
std::string CodeMessage(Code code);

}  // namespace quillox::web::ipc
