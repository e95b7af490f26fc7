#include "app/printed_pages.h"

#include <gtest/gtest.h>
#include <wx/print.h>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace quillox::testing {

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string CommandOutput(const std::string& command) {
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
            output += buffer;
        }
        ::pclose(pipe);
    }
    return output;
}

bool Inked(const wxImage& image, int x, int y) {
    return image.GetRed(x, y) < 128;
}

}  // namespace

std::vector<std::string> PagesOfPostScript(const std::string& path, const std::string& folder) {
    const std::string command = "gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=txtwrite -sOutputFile='" +
                                folder + "/page%d.txt' '" + path + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::vector<std::string> pages;
    for (int page = 1; std::filesystem::exists(folder + "/page" + std::to_string(page) + ".txt");
         ++page) {
        pages.push_back(ReadBytes(folder + "/page" + std::to_string(page) + ".txt"));
    }
    return pages;
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) {
            line.pop_back();
        }
        line.erase(0, std::min(line.find_first_not_of(' '), line.size()));
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

bool PrintToPostScript(const std::string& file, wxPrintOrientation orientation,
                       output::CardPrintout& printout) {
    wxPrintData data;
    data.SetFilename(file);
    data.SetPrintMode(wxPRINT_MODE_FILE);
    data.SetPaperId(wxPAPER_A4);
    data.SetOrientation(orientation);
    wxPrintDialogData dialogData(data);
    dialogData.SetFromPage(1);
    dialogData.SetToPage(9999);
    wxPostScriptPrinter printer(&dialogData);
    return printer.Print(nullptr, &printout, false);
}

std::string WithoutSpaces(const std::string& text) {
    std::string kept;
    for (const char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c))) {
            kept += c;
        }
    }
    return kept;
}

std::array<double, 4> InkBoundingBox(const std::string& file) {
    const std::string output = CommandOutput(
        "gs -q -dNOPAUSE -dBATCH -dSAFER -sPAPERSIZE=a4 -dFIXEDMEDIA -sDEVICE=bbox '" + file +
        "' 2>&1");
    std::array<double, 4> box{};
    std::istringstream in(
        output.substr(std::min(output.find("%%HiResBoundingBox:"), output.size())));
    std::string tag;
    in >> tag >> box[0] >> box[1] >> box[2] >> box[3];
    EXPECT_EQ(tag, "%%HiResBoundingBox:") << output;
    return box;
}

// The first page of a PostScript file on A4 as Ghostscript paints it, two
// pixels to the point. wx turns a landscape page by a quarter turn about the
// paper's corner, which leaves it beside the paper for Ghostscript; moved
// back by the paper's width, it lies on its side as a printer puts it.
wxImage PageImageOfPostScript(const std::string& file, const std::string& png,
                              wxPrintOrientation orientation) {
    const std::string onPaper =
        orientation == wxLANDSCAPE ? "-c '<</Install {595 0 translate}>> setpagedevice' -f " : "";
    const std::string command =
        "gs -q -dNOPAUSE -dBATCH -dSAFER -sPAPERSIZE=a4 -dFIXEDMEDIA -r144 -dFirstPage=1 "
        "-dLastPage=1 -sDEVICE=pnggray -sOutputFile='" +
        png + "' " + onPaper + "'" + file + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    wxImage image;
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) {
        wxImage::AddHandler(new wxPNGHandler);
    }
    image.LoadFile(png, wxBITMAP_TYPE_PNG);
    return orientation == wxLANDSCAPE && image.IsOk() ? image.Rotate90(true) : image;
}

std::vector<InkBand> InkBands(const wxImage& image) {
    std::vector<InkBand> bands;
    bool inBand = false;
    for (int y = 0; y < image.GetHeight(); ++y) {
        int left = -1;
        int rightStart = -1;
        for (int x = 0; x < image.GetWidth(); ++x) {
            if (Inked(image, x, y)) {
                left = left < 0 ? x : left;
                if (rightStart < 0 && x >= image.GetWidth() / 2) {
                    rightStart = x;
                }
            }
        }
        if (left < 0) {
            inBand = false;
            continue;
        }
        if (!inBand) {
            bands.push_back({y, y, left, rightStart});
            inBand = true;
        }
        InkBand& band = bands.back();
        band.bottom = y;
        band.left = std::min(band.left, left);
        if (rightStart >= 0) {
            band.rightStart =
                band.rightStart < 0 ? rightStart : std::min(band.rightStart, rightStart);
        }
    }
    return bands;
}

}  // namespace quillox::testing
