#pragma once

#include <string>

#include "store/safe_save.h"

namespace quillox::output {

// Writes an export's bytes to path through the safe save, readable by the
// owner alone, then wipes them: exports hold passwords. False, with failure
// filled, when the file could not be written.
bool WriteExportFile(const std::string& path, std::string& bytes, SaveFailure& failure);

}  // namespace quillox::output
