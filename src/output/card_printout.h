#pragma once

#include <wx/font.h>
#include <wx/print.h>
#include <wx/weakref.h>

#include "output/print_layout.h"

namespace quillox {

class CQuilloxNewDoc;

namespace output {

// The pages of a document's cards for the printer and the print preview: the
// cards of the category the category bar shows, or of all categories, laid
// out in the printer's own pixels with the default font at its true size.
// It only reads the document (it holds it to notice when it is closed: the
// pages it draws after that are blank).
class CardPrintout : public wxPrintout {
  public:
    explicit CardPrintout(CQuilloxNewDoc& document);

    void OnPreparePrinting() override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
    bool HasPage(int page) override;
    bool OnPrintPage(int page) override;

    // The measures the pages are laid out with; zero until printing begins.
    const PageGeometry& Geometry() const { return geometry_; }

  private:
    // What the job shows, read from the document and the main window now.
    PrintJob Job() const;
    // One logical unit of the DC becomes one printer pixel, also in the
    // preview's smaller picture, and the default font is chosen.
    void PrepareDC(wxDC& dc) const;
    wxFont PrinterFont() const;
    int Pages() const;

    wxWeakRef<CQuilloxNewDoc> document_;
    PageGeometry geometry_;
    int pages_ = 0;
};

}  // namespace output
}  // namespace quillox
