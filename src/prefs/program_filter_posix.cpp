#include "prefs/program_filter.h"

namespace quillox::prefs {

ProgramFilter StartingProgramFilter() {
    return ProgramFilter::kAllFiles;
}

}  // namespace quillox::prefs
