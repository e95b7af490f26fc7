#include "web/ipc_wire.h"

namespace quillox::web::ipc {

namespace {

// Reads the parts of one message in turn, stopping at the first that has
// not fully arrived or breaks the cap.
class Reader {
  public:
    explicit Reader(std::string_view buffer) : buffer_(buffer) {}

    bool Byte(std::uint8_t& value) {
        if (!Have(1)) {
            return false;
        }
        value = static_cast<std::uint8_t>(buffer_[pos_++]);
        return true;
    }

    bool Part(std::string& out) {
        if (!Have(4)) {
            return false;
        }
        std::uint32_t length = 0;
        for (int i = 3; i >= 0; --i) {
            length = length << 8 | static_cast<std::uint8_t>(buffer_[pos_ + i]);
        }
        if (length > kMaxPart) {
            tooLarge_ = true;
            return false;
        }
        if (!Have(4 + length)) {
            return false;
        }
        out.assign(buffer_.substr(pos_ + 4, length));
        pos_ += 4 + length;
        return true;
    }

    bool TooLarge() const { return tooLarge_; }
    std::size_t Position() const { return pos_; }

  private:
    bool Have(std::size_t count) const { return buffer_.size() - pos_ >= count; }

    std::string_view buffer_;
    std::size_t pos_ = 0;
    bool tooLarge_ = false;
};

std::string WithLength(std::string_view part) {
    std::string out;
    const auto length = static_cast<std::uint32_t>(part.size());
    for (int i = 0; i < 4; ++i) {
        out += static_cast<char>((length >> (8 * i)) & 0xFF);
    }
    out += part;
    return out;
}

}  // namespace

Parsed Parse(std::string_view buffer, bool fromClient, Message& message, std::size_t& consumed) {
    Reader reader(buffer);
    std::uint8_t code = 0;
    if (!reader.Byte(code)) {
        return Parsed::kIncomplete;
    }
    message = Message();
    message.code = static_cast<Code>(code);
    std::uint8_t format = 0;
    bool complete = false;
    switch (code) {
        case kExecute:
            complete = reader.Byte(format) && reader.Part(message.data);
            break;
        case kRequest:
            complete = reader.Part(message.text) && reader.Byte(format);
            break;
        case kPoke:
        case kAdvise:
            complete =
                reader.Part(message.text) && reader.Byte(format) && reader.Part(message.data);
            break;
        case kAdviseStart:
        case kAdviseStop:
            complete = reader.Part(message.text);
            break;
        case kRequestReply:
            complete = reader.Part(message.data);
            break;
        case kConnect:
            complete = !fromClient || reader.Part(message.text);
            break;
        case kFail:
        case kDisconnect:
            complete = true;
            break;
        default:
            return Parsed::kRefused;
    }
    if (reader.TooLarge()) {
        return Parsed::kRefused;
    }
    if (!complete) {
        return Parsed::kIncomplete;
    }
    consumed = reader.Position();
    return Parsed::kComplete;
}

std::string ConnectMessage(std::string_view topic) {
    return CodeMessage(kConnect) + WithLength(topic);
}

std::string RequestMessage(std::string_view item) {
    return CodeMessage(kRequest) + WithLength(item) + static_cast<char>(kTextFormat);
}

std::string ReplyMessage(std::string_view data) {
    return CodeMessage(kRequestReply) + WithLength(data);
}

std::string CodeMessage(Code code) {
    return std::string(1, static_cast<char>(code));
}

}  // namespace quillox::web::ipc
