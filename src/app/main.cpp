#include <wx/app.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/quillox_app.h"
#include "store/core_dumps.h"

namespace {

const char kUsage[] =
    "Usage: quillox [--help] [--version]\n"
    "\n"
    "Quillox keeps your passwords, logins, account and card numbers on cards,\n"
    "in files that can be encrypted. It needs a graphical display; without one,\n"
    "quillox-cli shows, converts and generates from the command line.\n";

// Answered before the toolkit starts, which needs a display for anything.
bool AnswerInfoOption(const char* arg) {
    if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
        std::fputs(kUsage, stdout);
        return true;
    }
    if (std::strcmp(arg, "--version") == 0) {
        std::printf("quillox %s\n", QUILLOX_VERSION);
        return true;
    }
    return false;
}

bool HasDisplay() {
#if defined(__WXGTK__)
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
#else
    return true;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    quillox::DisableCoreDumps();
    for (int i = 1; i < argc; ++i) {
        if (AnswerInfoOption(argv[i])) {
            return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
        }
    }
    if (!HasDisplay()) {
        std::fputs("Quillox needs a graphical display; quillox-cli works without one.\n", stderr);
        return 1;
    }
    wxApp::SetInstance(new quillox::QuilloxApp);
    return wxEntry(argc, argv);
}
