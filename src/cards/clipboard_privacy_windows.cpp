#include "cards/clipboard_privacy.h"

namespace quillox {

// Both history formats hold a DWORD, 0 for "no"; the monitors' format
// counts by its presence, whatever it holds.
std::vector<ClipboardPrivacyMark> ClipboardPrivacyMarks() {
    const std::string no(4, '\0');
    return {{"ExcludeClipboardContentFromMonitorProcessing", no},
            {"CanIncludeInClipboardHistory", no},
            {"CanUploadToCloudClipboard", no}};
}

}  // namespace quillox
