#include "app/test_environment.h"

#include <unistd.h>
#include <cstdlib>

#include "app/stand_ins.h"
#include "support/own_settings.h"

namespace fs = std::filesystem;

namespace {

fs::path& Root() {
    static fs::path root;
    return root;
}

}  // namespace

fs::path PrepareTestEnvironment(const std::string& prefix) {
    Root() = fs::temp_directory_path() / (prefix + std::to_string(::getpid()));
    const fs::path runtime = Root() / "runtime";
    fs::remove_all(Root());
    // Leave nothing behind in the temporary folder, however the tests end.
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(Root(), ignored);
    });
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    if (!quillox::testing::UseOwnSettings(Root())) {
        std::abort();
    }
    PrepareStandIns(Root(), runtime);
    return runtime;
}
