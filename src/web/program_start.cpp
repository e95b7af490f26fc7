#include "web/program_start.h"

#include <wx/filename.h>
#include <wx/log.h>
#include <wx/process.h>
#include <wx/utils.h>
#include <cstdlib>
#include <optional>
#include <vector>

#include "web/silenced_errors.h"

#if !defined(_WIN32)
#include "web/browser_detection.h"
#endif

namespace quillox::web {

std::string ProgramToStart(const std::string& path) {
#if defined(_WIN32)
    return wxFileName::IsFileExecutable(wxString::FromUTF8(path)) ? path : std::string();
#else
    const char* searchPath = std::getenv("PATH");
    return FindProgram(path, searchPath != nullptr ? searchPath : "", IsExecutableFile);
#endif
}

bool StartProgram(const ArgumentVector& arguments, wxProcess* watcher, ProgramErrors errors) {
    if (arguments.empty()) {
        return false;
    }
    const std::string program = ProgramToStart(arguments.front());
    if (program.empty()) {
        return false;
    }
    // The arguments go to the program as they are: no shell, no splitting.
#if defined(_WIN32)
    std::vector<wxString> texts;
    texts.push_back(wxString::FromUTF8(program));
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        texts.push_back(wxString::FromUTF8(arguments[i]));
    }
    std::vector<const wchar_t*> argv;
    for (const wxString& text : texts) {
        argv.push_back(text.wc_str());
    }
#else
    std::vector<const char*> argv;
    argv.push_back(program.c_str());
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        argv.push_back(arguments[i].c_str());
    }
#endif
    argv.push_back(nullptr);
    // A program that cannot start is reported by the caller, or not at all.
    wxLogNull quiet;
    // The child takes the error output it has at its start.
    std::optional<ErrorOutputSilenced> silenced;
    if (errors == ProgramErrors::kDropped) {
        silenced.emplace();
    }
    return wxExecute(argv.data(), wxEXEC_ASYNC, watcher) != 0;
}

}  // namespace quillox::web
