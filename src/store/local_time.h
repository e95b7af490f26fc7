#pragma once

#include <ctime>

namespace quillox {

// t broken down in the local time zone, thread-safely; false when the system
// cannot convert it.
bool LocalTime(std::time_t t, std::tm& out);

}  // namespace quillox
