#pragma once

#include <wx/docmdi.h>

namespace quillox {

// The window of one document: always maximised, and it keeps the category
// bar's lock status and its own icon in line with its document.
class CChildFrame : public wxDocMDIChildFrame {
  public:
    CChildFrame(wxDocument* document, wxView* view, wxMDIParentFrame* parent);
    ~CChildFrame() override;

  protected:
    // Commands that their update rule disables do nothing from any route.
    bool TryBefore(wxEvent& event) override;

  private:
    void ShowDocumentState();
    void OnActivate(wxActivateEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnFocus(wxFocusEvent& event);

    wxDECLARE_EVENT_TABLE();
};

}  // namespace quillox
