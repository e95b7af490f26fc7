#pragma once

#include <string>

#include "store/safe_save.h"

namespace quillox::output {

// path made absolute against the working folder, as messages name files.
std::string FullPath(const std::string& path);

// The text export's message for a file that could not be written.
std::string TextExportFailureMessage(FileErrorCause cause, const std::string& path);

// The XML export's message: the file and why it was not written.
std::string XmlExportFailureMessage(const std::string& path, const std::string& reason);

}  // namespace quillox::output
