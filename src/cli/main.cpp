#include <csignal>
#include <iostream>

#include "cli/cli_run.h"
#include "cli/descriptor_output.h"
#include "output/xml_memory.h"
#include "store/core_dumps.h"
#include "store/file_mask.h"
#include "store/safe_save.h"

namespace {

// Stopped while saving: the temporary file goes, then the signal does what
// it would have done.
void StopOnSignal(int signal) {
    quillox::RemovePendingTemporaryFile();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

int main(int argc, char** argv) {
    quillox::DisableCoreDumps();
    quillox::MakeNewFilesOwnerOnly();
    quillox::output::WipeXmlMemoryOnFree();
    std::signal(SIGINT, StopOnSignal);
    std::signal(SIGTERM, StopOnSignal);
#if !defined(_WIN32)
    std::signal(SIGHUP, StopOnSignal);
    // A closed pipe is a write error to report, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
#endif

    quillox::cli::DescriptorOutputBuffer outBuffer(1);
    std::ostream out(&outBuffer);
    quillox::cli::DescriptorPasswordSource fromStdin(0);
    quillox::cli::TerminalPasswordSource terminal;
    const std::vector<std::string> args(argv + 1, argv + argc);
    return quillox::cli::RunCli(args, fromStdin, out, std::cerr, terminal);
}
