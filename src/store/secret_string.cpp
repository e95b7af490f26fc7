#include "store/secret_string.h"

#include <cstring>
#include <utility>

namespace quillox {

SecretString::SecretString(const char* data, std::size_t size) : size_(size) {
    if (size > 0) {
        bytes_ = AllocateGuarded(size);
        std::memcpy(bytes_.get(), data, size);
    }
}

SecretString::~SecretString() {
    Release();
}

SecretString::SecretString(const SecretString& other) : SecretString(other.data(), other.size()) {}

SecretString& SecretString::operator=(const SecretString& other) {
    if (this != &other) {
        SecretString copy(other);
        *this = std::move(copy);
    }
    return *this;
}

SecretString::SecretString(SecretString&& other) noexcept
    : bytes_(std::move(other.bytes_)), size_(std::exchange(other.size_, 0)) {}

SecretString& SecretString::operator=(SecretString&& other) noexcept {
    if (this != &other) {
        Release();
        bytes_ = std::move(other.bytes_);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

void SecretString::clear() {
    Release();
}

bool SecretString::operator==(const SecretString& other) const {
    return size_ == other.size_ && std::memcmp(data(), other.data(), size_) == 0;
}

void SecretString::Release() {
    bytes_.reset();  // guarded memory is wiped as it is freed
    size_ = 0;
}

}  // namespace quillox
