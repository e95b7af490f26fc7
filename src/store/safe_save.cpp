#include "store/safe_save.h"

namespace quillox {

bool WriteFileSafely(const std::string& path, const unsigned char* data, std::size_t size,
                     std::string& error, const SafeSaveOptions& options) {
    SaveFailure failure;
    if (WriteFileSafely(path, data, size, options, failure)) {
        return true;
    }
    switch (failure.cause) {
        case FileErrorCause::NotRegularFile:
            error = path + " is not a regular file.";
            break;
        case FileErrorCause::ReadOnly:
            error = "Access to " + path + " was denied.";
            break;
        case FileErrorCause::UntrustedLink:
            error = path + " is a symbolic link that another user made in a shared folder; " +
                    "it was not followed.";
            break;
        default:
            error = "Cannot save the file " + path + ": " + failure.reason + ".";
            break;
    }
    return false;
}

}  // namespace quillox
