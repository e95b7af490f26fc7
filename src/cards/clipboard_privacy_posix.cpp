#include "cards/clipboard_privacy.h"

namespace quillox {

std::vector<ClipboardPrivacyMark> ClipboardPrivacyMarks() {
    return {{"x-kde-passwordManagerHint", "secret"}};
}

}  // namespace quillox
