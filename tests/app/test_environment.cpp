#include "app/test_environment.h"

#include <unistd.h>
#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;

namespace {

fs::path& Root() {
    static fs::path root;
    return root;
}

}  // namespace

fs::path PrepareTestEnvironment(const std::string& prefix) {
    Root() = fs::temp_directory_path() / (prefix + std::to_string(::getpid()));
    const fs::path config = Root() / "config";
    const fs::path runtime = Root() / "runtime";
    fs::remove_all(Root());
    // Leave nothing behind in the temporary folder, however the tests end.
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(Root(), ignored);
    });
    fs::create_directories(config);
    fs::create_directories(runtime);
    fs::create_directories(TestProgramsFolder());
    fs::permissions(runtime, fs::perms::owner_all);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    const char* path = std::getenv("PATH");
    setenv("PATH", (TestProgramsFolder().string() + ":" + (path != nullptr ? path : "")).c_str(),
           1);
    WriteTestProgram("firefox", "exit 0\n");
    return runtime;
}

fs::path TestProgramsFolder() {
    return Root() / "programs";
}

void WriteTestProgram(const std::string& name, const std::string& body) {
    const fs::path path = TestProgramsFolder() / name;
    fs::remove(path);
    std::ofstream(path) << "#!/bin/sh\n" << body;
    fs::permissions(path, fs::perms::owner_all);
}
