#include <wx/app.h>

#include <cstdio>
#include <cstring>

#include "app/quillox_app.h"
#include "output/xml_memory.h"
#include "store/core_dumps.h"
#include "store/file_mask.h"
#include "ui/toolkit_tweaks.h"
#include "version/version_info.h"

namespace {

// Every option the program takes: those answered here and those of the
// toolkit's parser (QuilloxApp::OnInitCmdLine).
const char kUsage[] =
    "Usage: quillox [OPTION]... [FILE]...\n"
    "\n"
    "Quillox keeps your passwords, logins, account and card numbers on cards,\n"
    "in files that can be encrypted. It needs a graphical display; without one,\n"
    "quillox-cli shows, converts and generates from the command line.\n"
    "\n"
    "Options:\n"
    "  -h, --help      print this help and exit\n"
    "  --version       print the version and exit\n"
    "  --verbose       log more messages of the toolkit\n"
    "  --embedding, --automation\n"
    "                  exit at once without a window, for programs that start\n"
    "                  Quillox as a server\n"
    "\n"
    "A FILE named on the command line is accepted but not opened: files are\n"
    "opened from the File menu.\n";

// Answered before the toolkit starts, which needs a display for anything.
bool AnswerInfoOption(const char* arg) {
    if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
        std::fputs(kUsage, stdout);
        return true;
    }
    if (std::strcmp(arg, "--version") == 0) {
        std::printf("quillox %s\n", quillox::version::kVersion);
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    quillox::DisableCoreDumps();
    quillox::MakeNewFilesOwnerOnly();
    quillox::output::WipeXmlMemoryOnFree();
    for (int i = 1; i < argc; ++i) {
        if (AnswerInfoOption(argv[i])) {
            return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
        }
    }
    if (!quillox::DisplayCanOpen()) {
        std::fputs("Quillox needs a graphical display; quillox-cli works without one.\n", stderr);
        return 1;
    }
    wxApp::SetInstance(new quillox::QuilloxApp);
    return wxEntry(argc, argv);
}
