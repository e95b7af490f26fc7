#include "cli/descriptor_output.h"

#include <cerrno>

#include "cli/descriptor_io.h"

namespace quillox::cli {

DescriptorOutputBuffer::DescriptorOutputBuffer(int fd) : fd_(fd) {
    setp(buffer_, buffer_ + sizeof buffer_);
}

DescriptorOutputBuffer::~DescriptorOutputBuffer() {
    Drain();
}

bool DescriptorOutputBuffer::Drain() {
    const char* data = pbase();
    std::size_t left = static_cast<std::size_t>(pptr() - pbase());
    // After a failure nothing more is written: the output is broken already.
    while (left > 0 && error_ == 0) {
        const long written = WriteSome(fd_, data, left);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            error_ = written < 0 ? errno : EIO;
            break;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    setp(buffer_, buffer_ + sizeof buffer_);
    return error_ == 0;
}

DescriptorOutputBuffer::int_type DescriptorOutputBuffer::overflow(int_type c) {
    if (!Drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int DescriptorOutputBuffer::sync() {
    return Drain() ? 0 : -1;
}

}  // namespace quillox::cli
