#include <unistd.h>
#include <cstdlib>
#include <vector>

#include "web/viewer_file.h"

namespace quillox::web {

std::optional<std::string> CreateViewerFile(const std::string& folder) {
    const std::string pattern = folder + "/nstestXXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        return std::nullopt;
    }
    close(fd);
    return std::string(name.data());
}

}  // namespace quillox::web
