#pragma once

#include <string>

namespace quillox::output {

// path made absolute against the working folder, as messages name files.
std::string FullPath(const std::string& path);

// What both exports say when their file was not written: the file and the
// reason, so that the user can mend it and try again.
std::string ExportFailureMessage(const std::string& path, const std::string& reason);

}  // namespace quillox::output
