#include <sys/stat.h>

#include "support/special_files.h"

namespace quillox::testing {

std::vector<std::string> MakeSpecialFiles(const std::filesystem::path& folder) {
    const std::string fifo = (folder / "fifo.qxe").string();
    const std::filesystem::path device = folder / "device.qxe";
    ::mkfifo(fifo.c_str(), 0600);
    std::filesystem::create_symlink("/dev/null", device);
    return {fifo, device.string()};
}

}  // namespace quillox::testing
