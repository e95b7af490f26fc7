#include "store/local_time.h"

namespace quillox {

bool LocalTime(std::time_t t, std::tm& out) {
    return localtime_s(&out, &t) == 0;
}

}  // namespace quillox
