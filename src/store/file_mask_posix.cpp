#include "store/file_mask.h"

#include <sys/stat.h>

namespace quillox {

void MakeNewFilesOwnerOnly() {
    ::umask(077);
}

}  // namespace quillox
