#include "web/program_start.h"

#include <wx/log.h>
#include <optional>

#include "web/program_start_platform.h"
#include "web/silenced_errors.h"

namespace quillox::web {

bool StartProgram(const ArgumentVector& arguments, wxProcess* watcher, ProgramErrors errors) {
    if (arguments.empty()) {
        return false;
    }
    const std::string program = ProgramToStart(arguments.front());
    if (program.empty()) {
        return false;
    }
    // A program that cannot start is reported by the caller, or not at all.
    wxLogNull quiet;
    // The child takes the error output it has at its start.
    std::optional<ErrorOutputSilenced> silenced;
    if (errors == ProgramErrors::kDropped) {
        silenced.emplace();
    }
    // The arguments go to the program as they are: no shell, no splitting.
    return ExecuteProgram(program, arguments, watcher) != 0;
}

}  // namespace quillox::web
