#include <sys/stat.h>

#include "support/file_access.h"

namespace quillox::testing {

namespace {

unsigned ModeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 010000;
}

}  // namespace

::testing::AssertionResult OwnerOnly(const std::string& path) {
    if (ModeOf(path) == 0600) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << path << " has mode " << std::oct << ModeOf(path);
}

void OpenToEveryone(const std::string& path) {
    ::chmod(path.c_str(), 0666);
}

}  // namespace quillox::testing
