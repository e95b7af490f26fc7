#include <csignal>

#include "cli/process_setup.h"
#include "store/safe_save.h"

namespace quillox::cli {

namespace {

// Stopped while saving: the temporary file goes, then the signal does what
// it would have done.
void StopOnSignal(int signal) {
    RemovePendingTemporaryFile();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

void PrepareProcess() {
    std::signal(SIGINT, StopOnSignal);
    std::signal(SIGTERM, StopOnSignal);
    std::signal(SIGHUP, StopOnSignal);
    // A closed pipe is a write error to report, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace quillox::cli
