#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "web/desktop_entry.h"

// Unix only. The one-time look for installed browsers at the first start: the default
// browser's program becomes "Explorer File Path", another browser found on
// PATH "Netscape File Path".
namespace quillox::web {

// Whether path names a file the user may run.
using ExecutableTest = std::function<bool(const std::string& path)>;

// The real test: a regular file (after symbolic links) with execute permission.
bool IsExecutableFile(const std::string& path);

// The full path of program: itself when it is an absolute path, else the first
// folder of pathVariable holding it. Only absolute folders of PATH count, so
// that a program in the current folder is never taken. Empty when not found.
std::string FindProgram(std::string_view program, std::string_view pathVariable,
                        const ExecutableTest& isExecutable);

// The program a command starts: its first argument, or for a command that
// starts with env, the first argument after env's options and variables.
std::string_view CommandProgram(const ArgumentVector& command);

struct DetectedBrowsers {
    std::string explorerPath;
    std::string netscapePath;
    // False when no browser was found: the user is told "No Web Browsers are
    // installed, please do so.".
    bool Found() const { return !explorerPath.empty() || !netscapePath.empty(); }
};

// defaultBrowserCommand is the Exec command of the default browser's desktop
// entry, empty when there is none. The explorer path is its program, found
// on PATH, else the first usual browser on PATH; the netscape path is the
// first usual browser on PATH other than that.
DetectedBrowsers DetectBrowsers(const ArgumentVector& defaultBrowserCommand,
                                std::string_view pathVariable, const ExecutableTest& isExecutable);

}  // namespace quillox::web
