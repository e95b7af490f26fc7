#include "output/card_printout.h"

#include <wx/bitmap.h>
#include <wx/datetime.h>
#include <wx/dcmemory.h>
#include <wx/settings.h>
#include <algorithm>

#include "document/quillox_doc.h"

namespace quillox::output {

namespace {

constexpr double kUnitsPerMm = 10;
// A row of text is 4.2 mm high: a font of about 10 points.
constexpr int kRowHeight = 42;
// The margins leave at least this much of the paper, in millimetres.
constexpr int kLeastPrintedMm = 40;

// The default font, sized so that a row of text is height pixels high on dc.
void SetRowFont(wxDC& dc, int height) {
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    for (int round = 0; round < 3; ++round) {
        dc.SetFont(font);
        const int measured = dc.GetCharHeight();
        if (measured <= 0 || measured == height) {
            return;
        }
        font.SetFractionalPointSize(font.GetFractionalPointSize() * height / measured);
    }
    dc.SetFont(font);
}

// Widths measured once, on a DC of its own at one pixel to the unit, so that
// the preview's small picture and the printer break lines at the same places.
// Its font serves every DC: wx sizes a font in logical units alike on the
// screen, a printer and PostScript (whose own text metrics are estimates), so
// under the same mapping it takes the same room on all.
class ReferenceMeasure : public TextMeasure {
  public:
    ReferenceMeasure() : bitmap_(1, 1) {
        dc_.SelectObject(bitmap_);
        SetRowFont(dc_, kRowHeight);
    }
    ReferenceMeasure(const ReferenceMeasure&) = delete;
    ReferenceMeasure& operator=(const ReferenceMeasure&) = delete;
    ~ReferenceMeasure() { dc_.SelectObject(wxNullBitmap); }

    wxFont Font() const { return dc_.GetFont(); }

    int Width(std::string_view utf8) const override {
        return dc_.GetTextExtent(wxString::FromUTF8(utf8.data(), utf8.size())).GetWidth();
    }

    // The widest printable ASCII character.
    int WidestCharacter() const {
        int widest = 0;
        for (char c = ' '; c <= '~'; ++c) {
            widest = std::max(widest, Width(std::string_view(&c, 1)));
        }
        return widest;
    }

  private:
    wxBitmap bitmap_;
    wxMemoryDC dc_;
};

// Margins of the page setup, narrowed together when they leave less than
// kLeastPrintedMm of the paper.
void FitMargins(int paperMm, int& before, int& after) {
    before = std::max(before, 0);
    after = std::max(after, 0);
    const int room = paperMm - kLeastPrintedMm;
    if (before + after > room) {
        const int sum = before + after;
        before = room > 0 ? before * room / sum : 0;
        after = room > 0 ? room - before : 0;
    }
}

}  // namespace

CardPrintout::CardPrintout(CQuilloxNewDoc& document, const wxPageSetupDialogData& pageSetup)
    : wxPrintout(document.GetUserReadableName()),
      document_(&document),
      marginTopLeft_(pageSetup.GetMarginTopLeft()),
      marginBottomRight_(pageSetup.GetMarginBottomRight()) {}

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

bool CardPrintout::MapToMargins(wxDC& dc, PageGeometry& geometry) const {
    int pageWidth = 0;
    int pageHeight = 0;
    int pageWidthMm = 0;
    int pageHeightMm = 0;
    GetPageSizePixels(&pageWidth, &pageHeight);
    GetPageSizeMM(&pageWidthMm, &pageHeightMm);
    const wxSize size = dc.GetSize();
    if (pageWidth <= 0 || pageHeight <= 0 || pageWidthMm <= 0 || pageHeightMm <= 0 ||
        size.GetWidth() <= 0 || size.GetHeight() <= 0) {
        return false;
    }
    // Printer pixels per millimetre, and the DC's pixels per printer pixel
    // (fewer in the preview).
    const double perMmX = static_cast<double>(pageWidth) / pageWidthMm;
    const double perMmY = static_cast<double>(pageHeight) / pageHeightMm;
    const double shrinkX = static_cast<double>(size.GetWidth()) / pageWidth;
    const double shrinkY = static_cast<double>(size.GetHeight()) / pageHeight;
    // The paper may reach beyond the printable area; margins count from its edge.
    const wxRect paper = GetPaperRectPixels();
    const int paperWidthMm = wxRound(paper.GetWidth() / perMmX);
    const int paperHeightMm = wxRound(paper.GetHeight() / perMmY);
    int left = marginTopLeft_.x;
    int right = marginBottomRight_.x;
    int top = marginTopLeft_.y;
    int bottom = marginBottomRight_.y;
    FitMargins(paperWidthMm, left, right);
    FitMargins(paperHeightMm, top, bottom);

    dc.SetMapMode(wxMM_TEXT);
    dc.SetUserScale(shrinkX * perMmX / kUnitsPerMm, shrinkY * perMmY / kUnitsPerMm);
    dc.SetLogicalOrigin(0, 0);
    dc.SetDeviceOrigin(wxRound((paper.GetX() + left * perMmX) * shrinkX),
                       wxRound((paper.GetY() + top * perMmY) * shrinkY));
    dc.SetTextForeground(*wxBLACK);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    geometry.width = static_cast<int>((paperWidthMm - left - right) * kUnitsPerMm);
    geometry.height = static_cast<int>((paperHeightMm - top - bottom) * kUnitsPerMm);
    return true;
}

// Lays out once per job, so that the page count the dialog and the preview
// show holds for every page.
void CardPrintout::OnPreparePrinting() {
    pages_.clear();
    wxDC* dc = GetDC();
    if (dc == nullptr || !MapToMargins(*dc, geometry_)) {
        return;
    }
    const ReferenceMeasure measure;
    geometry_.charHeight = kRowHeight;
    geometry_.charWidth = measure.WidestCharacter();
    font_ = measure.Font();
    if (const CQuilloxNewDoc* document = document_.get()) {
        pages_ = LayoutPages(document->Cards(), Job(), geometry_, measure);
    }
}

// A selection without cards still prints one page, with header and footer.
int CardPrintout::PageCount() const {
    return std::max(static_cast<int>(pages_.size()), 1);
}

void CardPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
    *minPage = 1;
    *maxPage = PageCount();
    *pageFrom = 1;
    *pageTo = *maxPage;
}

bool CardPrintout::HasPage(int page) {
    return page >= 1 && page <= PageCount();
}

bool CardPrintout::OnPrintPage(int page) {
    // The pages hold the cards' texts: once the document is closed, they go too.
    if (document_.get() == nullptr) {
        pages_.clear();
    }
    wxDC* dc = GetDC();
    PageGeometry geometry;
    if (dc == nullptr || page < 1 || page > static_cast<int>(pages_.size()) ||
        !MapToMargins(*dc, geometry)) {
        return true;
    }
    dc->SetFont(font_);
    for (const TextDraw& draw : pages_[static_cast<std::size_t>(page - 1)]) {
        dc->DrawText(wxString::FromUTF8(draw.text), draw.x, draw.y);
    }
    return true;
}

}  // namespace quillox::output
