#include "output/export_file.h"

#include "store/secure_wipe.h"

namespace quillox::output {

bool WriteExportFile(const std::string& path, std::string& bytes, SaveFailure& failure) {
    const bool written = WriteFileSafely(
        path, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
        SafeSaveOptions{false, SavedFileMode::OwnerOnly, SavedContent::Clear}, failure);
    SecureWipe(bytes);
    return written;
}

}  // namespace quillox::output
