#include "output/card_printout.h"

#include <wx/datetime.h>
#include <wx/dc.h>
#include <wx/settings.h>
#include <algorithm>

#include "document/quillox_doc.h"

namespace quillox::output {

namespace {

// The printable ASCII characters, of which the widest sets the column width.
int WidestCharacter(wxDC& dc) {
    int widest = 0;
    for (char c = ' '; c <= '~'; ++c) {
        widest = std::max(widest, dc.GetTextExtent(wxString(c)).GetWidth());
    }
    return widest;
}

}  // namespace

CardPrintout::CardPrintout(CQuilloxNewDoc& document)
    : wxPrintout(document.GetUserReadableName()), document_(&document) {}

PrintJob CardPrintout::Job() const {
    PrintJob job;
    if (const CQuilloxNewDoc* document = document_.get()) {
        const DocumentHost& host = document->Host();
        job.selection = host.CurrentCategory();
        job.preferences = PrintPreferences{host.PrintNotes(), host.PrintAtmCodes()};
        job.title = document->GetUserReadableName().utf8_string();
    }
    job.date = wxDateTime::Today().FormatDate().utf8_string();
    return job;
}

// wx gives a font on a printer the size in printer pixels that it has in
// screen pixels, which makes it a few points high; scaled by the printer's
// resolution against the screen's it prints at its true size.
wxFont CardPrintout::PrinterFont() const {
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    int printerX = 0;
    int printerY = 0;
    int screenX = 0;
    int screenY = 0;
    GetPPIPrinter(&printerX, &printerY);
    GetPPIScreen(&screenX, &screenY);
    if (printerY > 0 && screenY > 0) {
        font.SetFractionalPointSize(font.GetFractionalPointSize() * printerY / screenY);
    }
    return font;
}

void CardPrintout::PrepareDC(wxDC& dc) const {
    int pageWidth = 0;
    int pageHeight = 0;
    GetPageSizePixels(&pageWidth, &pageHeight);
    const wxSize size = dc.GetSize();
    if (pageWidth > 0 && pageHeight > 0) {
        dc.SetUserScale(static_cast<double>(size.GetWidth()) / pageWidth,
                        static_cast<double>(size.GetHeight()) / pageHeight);
    }
    dc.SetFont(PrinterFont());
    dc.SetTextForeground(*wxBLACK);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
}

// Measures once per job, so that the page count the dialog and the preview
// show holds for every page.
void CardPrintout::OnPreparePrinting() {
    wxDC* dc = GetDC();
    if (dc == nullptr) {
        return;
    }
    PrepareDC(*dc);
    geometry_.charHeight = dc->GetCharHeight();
    geometry_.charWidth = WidestCharacter(*dc);
    GetPageSizePixels(&geometry_.width, &geometry_.height);
    const CQuilloxNewDoc* document = document_.get();
    pages_ = document != nullptr ? PageCount(document->Cards(), Job(), geometry_) : 0;
}

// A selection without cards still prints one page, with header and footer.
int CardPrintout::Pages() const {
    return std::max(pages_, 1);
}

void CardPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
    *minPage = 1;
    *maxPage = Pages();
    *pageFrom = 1;
    *pageTo = *maxPage;
}

bool CardPrintout::HasPage(int page) {
    return page >= 1 && page <= Pages();
}

bool CardPrintout::OnPrintPage(int page) {
    wxDC* dc = GetDC();
    const CQuilloxNewDoc* document = document_.get();
    if (dc == nullptr || document == nullptr) {
        return true;
    }
    PrepareDC(*dc);
    for (const TextDraw& draw : LayoutPage(document->Cards(), Job(), geometry_, page)) {
        dc->DrawText(wxString::FromUTF8(draw.text), draw.x, draw.y);
    }
    return true;
}

}  // namespace quillox::output
