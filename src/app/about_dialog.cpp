#include "app/about_dialog.h"

#include <wx/button.h>
#include <wx/gdicmn.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <algorithm>
#include <iterator>

#include "app/about_text.h"
#include "ui/art/art.h"
#include "ui/static_link.h"
#include "version/version_info.h"

namespace quillox {

namespace {

// A sunken, read-only box of the version text, whose values line up at one
// tab stop just past the longest key; the user can select and copy it. It is
// a rich edit on Windows, where a plain one has no tab stops of our choosing,
// and it gets its size before its text: Windows' edit without a scroll bar
// refuses text that does not fit.
wxTextCtrl* VersionTextBox(wxWindow* parent, wxWindowID id) {
    auto* box = new wxTextCtrl(
        parent, id, wxEmptyString, wxDefaultPosition, wxDefaultSize,
        wxTE_MULTILINE | wxTE_READONLY | wxTE_NO_VSCROLL | wxTE_RICH2 | wxBORDER_SUNKEN);
    int keyWidth = 0;
    int valueWidth = 0;
    for (const version::RecordEntry& entry : version::kAboutEntries) {
        keyWidth = std::max(keyWidth, box->GetTextExtent(wxString::FromUTF8(entry.key) + ":").x);
        valueWidth = std::max(valueWidth, box->GetTextExtent(wxString::FromUTF8(entry.value)).x);
    }
    const int tabStop = keyWidth + box->FromDIP(12);
    // Tab stops are given in tenths of a millimetre.
    wxArrayInt tabs;
    tabs.Add(tabStop * 254 / std::max(1, wxGetDisplayPPI().x));
    wxTextAttr style;
    style.SetTabs(tabs);
    box->SetDefaultStyle(style);

    const int lines = static_cast<int>(std::size(version::kAboutEntries));
    box->SetInitialSize(box->GetSizeFromTextSize(tabStop + valueWidth + box->FromDIP(12),
                                                 lines * box->GetCharHeight()));
    box->AppendText(wxString::FromUTF8(AboutVersionText()));
    box->SetInsertionPoint(0);
    return box;
}

}  // namespace

CAboutDlg::CAboutDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, "About Quillox") {
    const int gap = FromDIP(10);
    auto* icon = new wxStaticBitmap(this, wxID_ANY, ArtBundle(ArtId::AppIcon, wxSize(32, 32)));
    wxTextCtrl* versionText = VersionTextBox(this, kVersionTextId);

    const wxString homePage = wxString::FromUTF8(version::kHomePage);
    const wxString address = wxString::FromUTF8(version::kContactAddress);
    homePage_ = new CStaticLink(this, kHomePageLinkId, homePage, homePage);
    contact_ = new CStaticLink(this, kContactLinkId, address, "MailTo:" + address);
    auto* links = new wxFlexGridSizer(2, FromDIP(4), gap);
    links->Add(new wxStaticText(this, wxID_ANY, "Quillox Home Page:"), 0, wxALIGN_CENTER_VERTICAL);
    links->Add(homePage_, 0, wxALIGN_CENTER_VERTICAL);
    links->Add(new wxStaticText(this, wxID_ANY, "Contact the author:"), 0, wxALIGN_CENTER_VERTICAL);
    links->Add(contact_, 0, wxALIGN_CENTER_VERTICAL);

    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    ok->SetFocus();

    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(icon, 0, wxLEFT | wxRIGHT | wxTOP, gap);
    layout->Add(versionText, 0, wxEXPAND | wxALL, gap);
    layout->Add(links, 0, wxLEFT | wxRIGHT, gap);
    layout->Add(ok, 0, wxALIGN_RIGHT | wxALL, gap);
    SetSizerAndFit(layout);
    CentreOnParent();
}

}  // namespace quillox
