#include "cli/cli_run.h"

#include <cstring>
#include <new>
#include <ostream>
#include <stdexcept>

#include "cli/commands.h"
#include "cli/descriptor_output.h"
#include "store/file_messages.h"
#include "store/secure_wipe.h"
#include "version/version_info.h"

namespace quillox::cli {

namespace {

int RunCommand(const Options& options, CliContext& context) {
    switch (options.command) {
        case Command::Help:
            context.out << kUsage;
            return kExitOk;
        case Command::Version:
            context.out << "quillox-cli " << version::kVersion << '\n';
            return kExitOk;
        case Command::Show:
            return RunShow(options, context);
        case Command::Info:
            return RunInfo(options, context);
        case Command::Convert:
            return RunConvert(options, context);
        case Command::Generate:
            return RunGenerate(options, context);
        case Command::Export:
            return RunExport(options, context);
    }
    return kExitUsage;
}

// Why the output stream failed, as far as its buffer knows.
std::string OutputError(const std::ostream& out) {
    const auto* buffer = dynamic_cast<const DescriptorOutputBuffer*>(out.rdbuf());
    if (buffer != nullptr && buffer->Error() != 0) {
        return std::strerror(buffer->Error());
    }
    return "the output could not be written";
}

// False when the output could not be written. A stream that throws on
// failure says so by throwing, which must not end the program either.
bool Flush(std::ostream& out) {
    try {
        return static_cast<bool>(out.flush());
    } catch (const std::ios_base::failure&) {
        return false;
    }
}

}  // namespace

int RunCli(const std::vector<std::string>& args, PasswordSource& fromStdin, std::ostream& out,
           std::ostream& err, PasswordSource& terminal) {
    std::string error;
    const std::optional<Options> options = ParseOptions(args, error);
    if (!options) {
        err << "quillox-cli: " << error << "\n\n" << kUsage;
        return kExitUsage;
    }
    CliContext context{out, err, options->passwordFromStdin ? fromStdin : terminal};
    int status = kExitFailure;
    try {
        status = RunCommand(*options, context);
        // Commands handle passwords and card texts; writing out what is
        // left must not spill their traces.
        WipeScratchMemory();
    } catch (const std::bad_alloc&) {
        err << messages::kOutOfMemory << '\n';
    } catch (const std::length_error&) {
        err << messages::kOutOfMemory << '\n';
    }
    if (!Flush(out)) {
        err << "Error writing output: " << OutputError(out) << '\n';
        return kExitFailure;
    }
    return status;
}

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, PasswordSource& terminal) {
    StreamPasswordSource fromInput(in);
    return RunCli(args, fromInput, out, err, terminal);
}

}  // namespace quillox::cli
