#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>

#include "cli/process_setup.h"
#include "store/safe_save.h"
#include "store/wide_text_windows.h"

namespace quillox::cli {

namespace {

// Ctrl+C, Ctrl+Break, a closed console or the end of the session while
// saving: the temporary file goes, then the default handler ends the program.
BOOL WINAPI StopOnConsoleEvent(DWORD) {
    RemovePendingTemporaryFile();
    return FALSE;
}

}  // namespace

void PrepareProcess() {
    SetConsoleCtrlHandler(StopOnConsoleEvent, TRUE);
    // Card texts reach the console as the UTF-8 they are written in, and a
    // file or pipe gets the same bytes as on any other system: no CR is
    // added to a line end, none is taken from piped input.
    SetConsoleOutputCP(CP_UTF8);
    _setmode(0, _O_BINARY);
    _setmode(1, _O_BINARY);
}

// The ANSI arguments main receives lose every character outside the code
// page (a folder named "Café €" on a Greek system): read the wide ones.
std::vector<std::string> ProgramArguments(int, char**) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide != nullptr && i < count; ++i) {
        arguments.push_back(NarrowToUtf8(wide[i], wcslen(wide[i])));
    }
    LocalFree(wide);
    return arguments;
}

}  // namespace quillox::cli
