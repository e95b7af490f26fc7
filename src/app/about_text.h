#pragma once

#include <cstddef>
#include <string>

#include "version/version_info.h"

namespace quillox {

// The About box's version text: one "key:\tvalue\n" line per entry, in order;
// an empty value leaves the line with its key alone.
std::string VersionText(const version::RecordEntry* entries, std::size_t count);

// The version text of this program's version record.
std::string AboutVersionText();

}  // namespace quillox
