#include "cli/cli_run.h"

#include <ostream>

#include "cli/commands.h"
#include "version/version_info.h"

namespace quillox::cli {

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, PasswordSource& terminal) {
    std::string error;
    const std::optional<Options> options = ParseOptions(args, error);
    if (!options) {
        err << "quillox-cli: " << error << "\n\n" << kUsage;
        return kExitUsage;
    }
    StreamPasswordSource fromInput(in);
    CliContext context{
        out, err, options->passwordFromStdin ? static_cast<PasswordSource&>(fromInput) : terminal};
    switch (options->command) {
        case Command::Help:
            out << kUsage;
            return kExitOk;
        case Command::Version:
            out << "quillox-cli " << version::kVersion << '\n';
            return kExitOk;
        case Command::Show:
            return RunShow(*options, context);
        case Command::Convert:
            return RunConvert(*options, context);
        case Command::Generate:
            return RunGenerate(*options, context);
        case Command::Export:
            return RunExport(*options, context);
    }
    return kExitUsage;
}

}  // namespace quillox::cli
