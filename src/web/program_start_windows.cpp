#include <wx/filename.h>
#include <wx/utils.h>
#include <vector>

#include "web/program_start_platform.h"

namespace quillox::web {

std::string ProgramToStart(const std::string& path) {
    return wxFileName::IsFileExecutable(wxString::FromUTF8(path)) ? path : std::string();
}

// wx quotes each argument for CreateProcessW's command line.
long ExecuteProgram(const std::string& program, const ArgumentVector& arguments,
                    wxProcess* watcher) {
    std::vector<wxString> texts;
    texts.push_back(wxString::FromUTF8(program));
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        texts.push_back(wxString::FromUTF8(arguments[i]));
    }
    std::vector<const wchar_t*> argv;
    for (const wxString& text : texts) {
        argv.push_back(text.wc_str());
    }
    argv.push_back(nullptr);
    return wxExecute(argv.data(), wxEXEC_ASYNC, watcher);
}

}  // namespace quillox::web
