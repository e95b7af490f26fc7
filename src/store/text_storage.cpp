#include "store/text_storage.h"

#include "store/secure_wipe.h"

namespace quillox {

// Left uninitialised: whoever creates the storage fills every byte.
TextStorage::TextStorage(std::size_t size) : bytes_(new char[size > 0 ? size : 1]), size_(size) {}

TextStorage::~TextStorage() {
    SecureWipe(bytes_.get(), size_);
}

}  // namespace quillox
