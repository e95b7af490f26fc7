#pragma once

#include "store/safe_save.h"

namespace quillox {

// Records why a save was refused before anything was written.
inline bool Refuse(FileErrorCause cause, const char* reason, SaveFailure& failure) {
    failure.cause = cause;
    failure.reason = reason;
    return false;
}

}  // namespace quillox
