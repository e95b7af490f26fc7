#include <wx/utils.h>
#include <cstdlib>
#include <vector>

#include "web/browser_detection.h"
#include "web/program_start_platform.h"

namespace quillox::web {

std::string ProgramToStart(const std::string& path) {
    const char* searchPath = std::getenv("PATH");
    return FindProgram(path, searchPath != nullptr ? searchPath : "", IsExecutableFile);
}

long ExecuteProgram(const std::string& program, const ArgumentVector& arguments,
                    wxProcess* watcher) {
    std::vector<const char*> argv;
    argv.push_back(program.c_str());
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        argv.push_back(arguments[i].c_str());
    }
    argv.push_back(nullptr);
    return wxExecute(argv.data(), wxEXEC_ASYNC, watcher);
}

}  // namespace quillox::web
