#pragma once

#include <wx/dialog.h>

namespace quillox {

class CStaticLink;

// Help > About Quillox...: the program icon, the version text, and links to
// the home page and to the author's mail address.
class CAboutDlg : public wxDialog {
  public:
    static constexpr int kVersionTextId = 1014;
    static constexpr int kHomePageLinkId = 1073;
    static constexpr int kContactLinkId = 1074;

    explicit CAboutDlg(wxWindow* parent);

    CStaticLink* HomePageLink() const { return homePage_; }
    CStaticLink* ContactLink() const { return contact_; }

  private:
    CStaticLink* homePage_;
    CStaticLink* contact_;
};

}  // namespace quillox
