#pragma once

#include <wx/string.h>

namespace quillox {

// The desktop as links see it: something that opens an address with the
// handler the user chose for its scheme, and the default beep. Links use the
// system's desktop; tests give them a stand-in.
class Desktop {
  public:
    virtual ~Desktop() = default;
    // Hands address to the desktop; false when it cannot open it.
    virtual bool Open(const wxString& address) = 0;
    virtual void Beep() = 0;
};

// The running system's desktop.
Desktop& SystemDesktop();

// target as the desktop should get it: its scheme in lower case, as URI
// schemes are compared (handlers are registered as "mailto", not "MailTo").
// A target without a scheme comes back unchanged.
wxString AddressForDesktop(const wxString& target);

}  // namespace quillox
