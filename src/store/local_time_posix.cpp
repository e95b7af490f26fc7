#include "store/local_time.h"

namespace quillox {

bool LocalTime(std::time_t t, std::tm& out) {
    return localtime_r(&t, &out) != nullptr;
}

}  // namespace quillox
