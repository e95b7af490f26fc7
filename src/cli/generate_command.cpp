#include <exception>

#include "cli/commands.h"
#include "store/secure_wipe.h"

namespace quillox::cli {

int RunGenerate(const Options& options, CliContext& context) {
    const PasswordClasses classes = options.classes.value_or(PasswordClasses{});
    try {
        for (unsigned long i = 0; i < options.count && context.out; ++i) {
            std::string password = GeneratePassword(classes, options.length);
            context.out << password << '\n';
            SecureWipe(password);
        }
    } catch (const std::exception& failure) {
        context.err << "quillox-cli: no random source: " << failure.what() << '\n';
        return kExitFailure;
    }
    return context.out ? kExitOk : kExitFailure;
}

}  // namespace quillox::cli
