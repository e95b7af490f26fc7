#include "cards/clipboard_expiry.h"

#include <algorithm>

namespace quillox {

void ClipboardExpiry::Placed(std::string_view text, long seconds) {
    if (seconds <= 0) {
        Forget();
        return;
    }
    delay_ = std::min(std::chrono::seconds(seconds), kLongest);
    digest_ = DigestOf(text);
}

bool ClipboardExpiry::TakeBack(std::string_view current) {
    const bool ours = delay_.has_value() && DigestOf(current) == digest_;
    Forget();
    return ours;
}

void ClipboardExpiry::Forget() {
    delay_.reset();
    digest_.fill(0);
}

Sha1Value ClipboardExpiry::DigestOf(std::string_view text) {
    return Sha1Digest::Of(text.data(), text.size());
}

}  // namespace quillox
