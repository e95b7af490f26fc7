#include "output/export_messages.h"

#include <filesystem>
#include <system_error>

namespace quillox::output {

std::string FullPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? path : full.string();
}

std::string ExportFailureMessage(const std::string& path, const std::string& reason) {
    return "The file " + FullPath(path) + " could not be written: " + reason + ".";
}

}  // namespace quillox::output
