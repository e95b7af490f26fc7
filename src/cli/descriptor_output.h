#pragma once

#include <streambuf>

namespace quillox::cli {

// A stream buffer over a file descriptor such as standard output that
// remembers why a write failed (a full disk, a closed pipe), so that the
// tool can say so.
class DescriptorOutputBuffer : public std::streambuf {
  public:
    explicit DescriptorOutputBuffer(int fd);
    ~DescriptorOutputBuffer() override;
    DescriptorOutputBuffer(const DescriptorOutputBuffer&) = delete;
    DescriptorOutputBuffer& operator=(const DescriptorOutputBuffer&) = delete;

    // The errno of the first failed write; 0 while all went well.
    int Error() const { return error_; }

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    bool Drain();

    int fd_;
    int error_ = 0;
    char buffer_[1 << 16];
};

}  // namespace quillox::cli
