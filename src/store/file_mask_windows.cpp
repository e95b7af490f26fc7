#include "store/file_mask.h"

namespace quillox {

// A new file takes the access rights of its folder, which under the user's
// profile are the user's own; there is no mask to set.
void MakeNewFilesOwnerOnly() {}

}  // namespace quillox
