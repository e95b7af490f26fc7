#include "app/web_test_support.h"

#include <wx/toolbar.h>
#include <fstream>
#include <iterator>
#include <sstream>

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

void ClickTool(int id) {
    wxToolBar* bar = quillox::GetMainFrame()->GetToolBar();
    wxCommandEvent event(wxEVT_TOOL, id);
    event.SetEventObject(bar);
    bar->ProcessWindowEvent(event);
    ProcessPendingEvents();
}
