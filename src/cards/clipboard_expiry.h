#pragma once

#include <chrono>
#include <optional>
#include <string_view>

#include "store/sha1.h"

namespace quillox {

// Decides when text the program put on the clipboard, mostly passwords,
// comes off it again: once its time is up or the program ends, and only
// while the clipboard still holds that very text, so that whatever the user
// copied since stays. Only a digest of the text is kept.
class ClipboardExpiry {
  public:
    // The longest a text waits; a longer setting counts as this.
    static constexpr std::chrono::seconds kLongest{24 * 60 * 60};

    // Text (as the clipboard holds it) was put on the clipboard, to stay
    // seconds long; 0 or less keeps it there for ever. Replaces any text
    // placed before.
    void Placed(std::string_view text, long seconds);

    // How long the text last placed may stay; nothing when no text waits.
    std::optional<std::chrono::seconds> Delay() const { return delay_; }

    // The time is up or the program ends, and the clipboard holds current:
    // whether to empty it. The placed text is forgotten either way.
    bool TakeBack(std::string_view current);
    // The clipboard holds no text any more: nothing is left to take back.
    void Forget();

  private:
    static Sha1Value DigestOf(std::string_view text);

    std::optional<std::chrono::seconds> delay_;
    Sha1Value digest_{};
};

}  // namespace quillox
