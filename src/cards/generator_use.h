#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace quillox {

// Whether the password generator may put its password into the current card.
// In these categories the fourth field holds a PIN, key or number rather than
// a password; the test is on the category shown, so under "Show All" any
// current card may take it.
inline bool GeneratorUseAllowed(bool hasCurrentCard, const std::string& categoryShown) {
    static constexpr std::array<std::string_view, 7> kNoPasswordCategories = {
        "Bank Accounts", "Credit Cards",   "ATM/PIN Cards",     "Personal Data",
        "Software Keys", "Serial Numbers", "Membership Numbers"};
    return hasCurrentCard && std::find(kNoPasswordCategories.begin(), kNoPasswordCategories.end(),
                                       categoryShown) == kNoPasswordCategories.end();
}

}  // namespace quillox
