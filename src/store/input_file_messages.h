#pragma once

#include <string>

namespace quillox {

// What the user is told when a data file cannot be read.
inline std::string NotARegularFile(const std::string& path) {
    return path + " is not a regular file.";
}

inline std::string CannotOpen(const std::string& path, const std::string& reason) {
    return "Cannot open the file " + path + ": " + reason + ".";
}

}  // namespace quillox
