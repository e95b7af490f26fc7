#include "web/silenced_errors.h"

namespace quillox::web {

// A program started on Windows gets no console of ours: nothing to silence.
ErrorOutputSilenced::ErrorOutputSilenced() = default;
ErrorOutputSilenced::~ErrorOutputSilenced() = default;

}  // namespace quillox::web
