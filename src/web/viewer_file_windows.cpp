#include <windows.h>

#include "store/wide_text_windows.h"
#include "web/viewer_file.h"

namespace quillox::web {

// GetTempFileName creates the file itself, so the name is ours once it
// returns. The wide form, so that a folder such as "C:\Users\Zoë\..." works.
std::optional<std::string> CreateViewerFile(const std::string& folder) {
    wchar_t name[MAX_PATH + 1] = {};
    if (GetTempFileNameW(WidenUtf8(folder).c_str(), L"nst", 0, name) == 0) {
        return std::nullopt;
    }
    return NarrowToUtf8(std::wstring(name));
}

}  // namespace quillox::web
