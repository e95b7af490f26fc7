#pragma once

#include <string>

namespace quillox::web {

// Unix only: makes the missing folders above folder, each with mode 0700,
// the user's alone. False at the first that cannot be made, error saying why.
bool MakeParentFolders(const std::string& folder, std::string& error);

}  // namespace quillox::web
