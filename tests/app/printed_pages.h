#pragma once

// The pages the printing code makes, read back: the text and the ink of a
// PostScript file through Ghostscript (Debian package ghostscript), and the
// print preview's picture of a page.
#include <wx/cmndata.h>
#include <wx/generic/printps.h>
#include <wx/image.h>
#include <array>
#include <string>
#include <vector>

#include "output/card_printout.h"

namespace quillox::testing {

// The text of each page of a PostScript file, one file per page in folder.
std::vector<std::string> PagesOfPostScript(const std::string& path, const std::string& folder);

// The lines of a page's text that hold more than white space, without the
// margin's white space before them.
std::vector<std::string> LinesOf(const std::string& text);

// Prints printout to a PostScript file on A4 paper, as Print to File does.
bool PrintToPostScript(const std::string& file, wxPrintOrientation orientation,
                       output::CardPrintout& printout);

std::string WithoutSpaces(const std::string& text);

// Ghostscript's bounding box of all ink on the first page, in points from the
// bottom left: x0, y0, x1, y1.
std::array<double, 4> InkBoundingBox(const std::string& file);

// The first page of a PostScript file on A4 as Ghostscript paints it, two
// pixels to the point, turned upright when it is landscape.
wxImage PageImageOfPostScript(const std::string& file, const std::string& png,
                              wxPrintOrientation orientation);

// The preview's rendering of a page into a bitmap of the size asked for.
class BitmapPreview : public wxPostScriptPrintPreview {
  public:
    BitmapPreview(wxPrintout* printout, wxPrintDialogData* data)
        : wxPostScriptPrintPreview(printout, nullptr, data) {}

    wxImage Page(int page, wxSize size) {
        wxBitmap bitmap(size);
        if (!RenderPageIntoBitmap(bitmap, page)) {
            return wxImage();
        }
        return bitmap.ConvertToImage();
    }
};

// A row of text on a page image: the pixel rows that hold ink, the first
// inked column, and where the ink after the page's middle starts.
struct InkBand {
    int top = 0;
    int bottom = 0;
    int left = 0;
    int rightStart = 0;
};

// Fonts differ a little between screen and paper: a percent of the page.
inline int Percent(int length) {
    return length / 100;
}

std::vector<InkBand> InkBands(const wxImage& image);

}  // namespace quillox::testing
