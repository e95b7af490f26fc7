#pragma once

#include <wx/cmndata.h>
#include <wx/font.h>
#include <wx/print.h>
#include <wx/weakref.h>

#include <vector>

#include "output/print_layout.h"

namespace quillox {

class CQuilloxNewDoc;

namespace output {

// The pages of a document's cards for the printer and the print preview: the
// cards of the category the category bar shows, or of all categories, laid
// out once inside the page setup's margins in tenths of a millimetre, which
// each device maps to its own pixels, so the preview shows what prints.
// It only reads the document (it holds it to notice when it is closed: the
// pages it draws after that are blank).
class CardPrintout : public wxPrintout {
  public:
    CardPrintout(CQuilloxNewDoc& document, const wxPageSetupDialogData& pageSetup);

    void OnPreparePrinting() override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
    bool HasPage(int page) override;
    bool OnPrintPage(int page) override;

    // The measures and the pages laid out when printing began.
    const PageGeometry& Geometry() const { return geometry_; }
    const std::vector<PrintedPage>& Pages() const { return pages_; }

  private:
    // What the job shows, read from the document and the main window now.
    PrintJob Job() const;
    // The DC's logical units become tenths of a millimetre from the
    // top-left corner of the margins.
    bool MapToMargins(wxDC& dc, PageGeometry& geometry) const;
    int PageCount() const;

    wxWeakRef<CQuilloxNewDoc> document_;
    wxPoint marginTopLeft_;
    wxPoint marginBottomRight_;
    PageGeometry geometry_;
    wxFont font_;
    std::vector<PrintedPage> pages_;
};

}  // namespace output
}  // namespace quillox
