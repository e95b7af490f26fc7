#include <iostream>

#include "cli/cli_run.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    quillox::cli::TerminalPasswordSource terminal;
    const std::vector<std::string> args(argv + 1, argv + argc);
    return quillox::cli::RunCli(args, std::cin, std::cout, std::cerr, terminal);
}
