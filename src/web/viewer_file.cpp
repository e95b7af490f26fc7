#include "web/viewer_file.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#include <cstdlib>
#include <vector>
#endif

namespace quillox::web {

#if defined(_WIN32)

std::optional<std::string> CreateViewerFile(const std::string& folder) {
    // GetTempFileName creates the file itself, so the name is ours once it returns.
    char name[MAX_PATH + 1] = {};
    if (GetTempFileNameA(folder.c_str(), "nst", 0, name) == 0) {
        return std::nullopt;
    }
    return std::string(name);
}

#else

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

#endif

}  // namespace quillox::web
