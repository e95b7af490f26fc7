#include "ui/desktop.h"

#include <wx/log.h>
#include <wx/utils.h>

namespace quillox {

namespace {

// A scheme is a letter followed by letters, digits, "+", "-" or "."; the
// ":" after it is what tells it from the rest.
bool IsSchemeCharacter(wxUniChar c, bool first) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (first) {
        return letter;
    }
    return letter || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

class TheSystemDesktop : public Desktop {
  public:
    // The desktop finds the handler of the address's scheme: the browser for
    // web addresses, the mail program for "mailto:". On GTK the toolkit asks
    // the desktop's own scheme handlers first, which tell a refusal at once.
    bool Open(const wxString& address) override {
        // A refusal is the link's to report, with a beep; the toolkit's own
        // error box would stand in its way.
        wxLogNull quiet;
        return wxLaunchDefaultBrowser(address);
    }
    void Beep() override { wxBell(); }
};

}  // namespace

Desktop& SystemDesktop() {
    static TheSystemDesktop desktop;
    return desktop;
}

wxString AddressForDesktop(const wxString& target) {
    const size_t colon = target.find(':');
    if (colon == wxString::npos || colon == 0) {
        return target;
    }
    for (size_t i = 0; i < colon; ++i) {
        if (!IsSchemeCharacter(target[i], i == 0)) {
            return target;
        }
    }
    return target.Left(colon).Lower() + target.Mid(colon);
}

}  // namespace quillox
