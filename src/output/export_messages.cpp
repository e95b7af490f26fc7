#include "output/export_messages.h"

#include <filesystem>
#include <system_error>

namespace quillox::output {

std::string FullPath(const std::string& path) {
    std::error_code error;
    // UTF-8 both ways, whatever the system's code page.
    const std::filesystem::path full =
        std::filesystem::absolute(std::filesystem::u8path(path), error);
    return error ? path : full.u8string();
}

std::string ExportFailureMessage(const std::string& path, const std::string& reason) {
    return "The file " + FullPath(path) + " could not be written: " + reason + ".";
}

}  // namespace quillox::output
