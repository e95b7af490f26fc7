#include <windows.h>

#include "store/core_dumps.h"

namespace quillox {

namespace {

using ExcludeApplication = HRESULT(WINAPI*)(PCWSTR, BOOL);

// Windows Error Reporting would send a crashed process's memory away, or
// keep it in a report on disk: this program is excluded for the user. The
// call lives in wer.dll, which not every edition has.
void ExcludeFromErrorReporting() {
    HMODULE wer = LoadLibraryExW(L"wer.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (wer == nullptr) {
        return;
    }
    const auto exclude = reinterpret_cast<ExcludeApplication>(
        reinterpret_cast<void*>(GetProcAddress(wer, "WerAddExcludedApplication")));
    wchar_t program[32768];
    const DWORD length = GetModuleFileNameW(nullptr, program, 32768);
    if (exclude != nullptr && length > 0 && length < 32768) {
        exclude(program, FALSE);
    }
    FreeLibrary(wer);
}

}  // namespace

void DisableCoreDumps() {
    // No crash dialog that offers to debug or report the process.
    SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    ExcludeFromErrorReporting();
}

}  // namespace quillox
