#include <iostream>

#include "cli/cli_run.h"
#include "cli/descriptor_output.h"
#include "cli/process_setup.h"
#include "output/xml_memory.h"
#include "store/core_dumps.h"
#include "store/file_mask.h"

int main(int argc, char** argv) {
    quillox::DisableCoreDumps();
    quillox::MakeNewFilesOwnerOnly();
    quillox::output::WipeXmlMemoryOnFree();
    quillox::cli::PrepareProcess();

    quillox::cli::DescriptorOutputBuffer outBuffer(1);
    std::ostream out(&outBuffer);
    quillox::cli::DescriptorPasswordSource fromStdin(0);
    quillox::cli::TerminalPasswordSource terminal;
    const std::vector<std::string> args = quillox::cli::ProgramArguments(argc, argv);
    return quillox::cli::RunCli(args, fromStdin, out, std::cerr, terminal);
}
