#include "support/special_files.h"

namespace quillox::testing {

// The null device answers to its name in every folder.
std::vector<std::string> MakeSpecialFiles(const std::filesystem::path&) {
    return {"NUL"};
}

}  // namespace quillox::testing
