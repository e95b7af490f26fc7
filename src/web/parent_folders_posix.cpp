#include "web/parent_folders.h"

#include <sys/stat.h>
#include <cerrno>
#include <cstring>

namespace quillox::web {

bool MakeParentFolders(const std::string& folder, std::string& error) {
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        const std::string parent = folder.substr(0, slash);
        if (mkdir(parent.c_str(), 0700) != 0 && errno != EEXIST) {
            error = "Cannot make the folder " + parent + ": " + std::strerror(errno) + ".";
            return false;
        }
    }
    return true;
}

}  // namespace quillox::web
