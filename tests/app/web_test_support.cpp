#include "app/web_test_support.h"

#include <unistd.h>
#include <wx/time.h>
#include <wx/toolbar.h>
#include <wx/utils.h>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "web/service_folder.h"

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

std::vector<std::string> ReadLines(const fs::path& path) {
    std::vector<std::string> lines;
    std::istringstream text(ReadText(path));
    for (std::string line; std::getline(text, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string RecordingProgram(const fs::path& record, int status) {
    return "{ echo \"${0##*/} $#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } >> '" +
           record.string() + "'\nexit " + std::to_string(status) + "\n";
}

void ClickTool(int id) {
    wxToolBar* bar = quillox::GetMainFrame()->GetToolBar();
    wxCommandEvent event(wxEVT_TOOL, id);
    event.SetEventObject(bar);
    bar->ProcessWindowEvent(event);
    ProcessPendingEvents();
}

std::string ServiceFolder() {
    return quillox::web::ServiceFolderPath(std::getenv("XDG_RUNTIME_DIR"), geteuid());
}
