// Export To Text, Export To XML, Print, Print Preview and Print Setup, driven
// through the menus, the toolbar and the keys.
#include <sys/stat.h>
#include <wx/filedlg.h>
#include <wx/generic/printps.h>
#include <wx/generic/prntdlgg.h>
#include <wx/image.h>
#include <wx/print.h>
#include <wx/printdlg.h>
#include <wx/toolbar.h>
#include <wx/uiaction.h>
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/app_fixture.h"
#include "app/category_bar.h"
#include "output/card_printout.h"
#include "output/text_export.h"
#include "prefs/settings.h"
#include "store/file_mask.h"
#include "ui/command_ids.h"

using namespace quillox;

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

unsigned PermissionsOf(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0);
    return status.st_mode & 0777u;
}

// Answers an export's Save-as dialog with name after checking what it shows.
ExpectDialog<wxFileDialog> SaveExportAs(const char* title, const char* initialName,
                                        const char* wildcard, const std::string& name) {
    return ExpectDialog<wxFileDialog>([=](wxFileDialog* dialog) {
        EXPECT_EQ(dialog->GetMessage(), title);
        EXPECT_EQ(dialog->GetFilename(), initialName);
        EXPECT_EQ(dialog->GetWildcard(), wildcard);
        EXPECT_TRUE(dialog->HasFlag(wxFD_OVERWRITE_PROMPT));
        dialog->SetPath(wxString(name));
        return wxID_OK;
    });
}

ExpectDialog<wxPrintDialogBase> CancelPrintDialog() {
    return ExpectDialog<wxPrintDialogBase>([](wxPrintDialogBase*) { return wxID_CANCEL; });
}

wxPreviewFrame* OpenPreview() {
    for (wxWindow* window : wxTopLevelWindows) {
        if (auto* preview = dynamic_cast<wxPreviewFrame*>(window);
            preview != nullptr && !wxTheApp->IsScheduledForDestruction(preview)) {
            return preview;
        }
    }
    return nullptr;
}

// "Print ATM" and "Print Notes" set as the Preferences sheet leaves them,
// and switched on again when the test ends.
class PrintFlags {
  public:
    PrintFlags(int atm, int notes) { Set(atm, notes); }
    ~PrintFlags() { Set(1, 1); }
    PrintFlags(const PrintFlags&) = delete;
    PrintFlags& operator=(const PrintFlags&) = delete;

  private:
    static void Set(int atm, int notes) {
        prefs::Write(prefs::kPrintAtm, atm);
        prefs::Write(prefs::kPrintNotes, notes);
        GetMainFrame()->ReloadPrintFlags();
    }
};

wxToolBar* Toolbar() {
    return GetMainFrame()->GetToolBar();
}

bool ToolEnabled(int id) {
    Toolbar()->UpdateWindowUI();
    return Toolbar()->GetToolEnabled(id);
}

// A click on an enabled toolbar button.
void ClickTool(int id) {
    Toolbar()->OnLeftClick(id, false);
    ProcessPendingEvents();
}

// Ctrl+P typed into the card list.
void PressCtrlP() {
    wxWindow* list = GetMainFrame()->ActiveView()->ListControl();
    list->SetFocus();
    ProcessPendingEvents();
    wxUIActionSimulator().Char('p', wxMOD_CONTROL);
    ProcessPendingEvents();
}

// The text of each page of a PostScript file, as Ghostscript reads it
// (Debian package ghostscript), one file per page in folder.
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

// The lines of a page's text that hold more than white space, without the
// margin's white space before them.
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

// Prints printout to a PostScript file on A4 paper, as Print to File does.
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

// Ghostscript's bounding box of all ink on the first page, in points from the
// bottom left: x0, y0, x1, y1.
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
    return image;
}

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
int Percent(int length) {
    return length / 100;
}

bool Inked(const wxImage& image, int x, int y) {
    return image.GetRed(x, y) < 128;
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

}  // namespace

TEST_F(AppTest, ExportToTextWritesTheCardsForTheOwnerOnly) {
    const std::string path = WriteFile("cards.qxf", {{0, "site", "secret"}, {9, "atm", "1234"}});
    CQuilloxNewDoc* document = OpenDocument(path);
    ASSERT_NE(document, nullptr);
    const std::string today = wxDateTime::Today().FormatDate().utf8_string();

    // A name typed without an extension gets ".txt".
    wxTEST_DIALOG(SendCommand(cmd::kExportText),
                  SaveExportAs("Save Data File As Text", "cards.txt", "Text File (*.txt)|*.txt",
                               Path("export")));
    const std::string exported = Path("export.txt");
    const std::string text = ReadBytes(exported);
    EXPECT_EQ(text, output::BuildTextExport(document->Cards(), "cards.qxf", today, {true, true}));
    EXPECT_EQ(text.rfind("Filename: cards.qxf\t" + today + "\r\n\r\nWWW SITES\r\n", 0), 0u);
    EXPECT_NE(text.find(" Password  secret\r\n"), std::string::npos);
    EXPECT_NE(text.find("ATM/PIN CARDS"), std::string::npos);
    EXPECT_EQ(PermissionsOf(exported), 0600u);
    EXPECT_FALSE(document->IsModified());

    // The print preferences shape the file: no ATM/PIN Cards, no notes. A
    // name typed without its extension is asked about before it is replaced.
    const PrintFlags flags(0, 0);
    const char* const replace = "export.txt already exists.\nDo you want to replace it?";
    wxTEST_DIALOG(SendCommand(cmd::kExportText),
                  SaveExportAs("Save Data File As Text", "cards.txt", "Text File (*.txt)|*.txt",
                               Path("export")),
                  ExpectMessage(replace, wxID_NO));
    EXPECT_EQ(ReadBytes(exported), text);
    wxTEST_DIALOG(SendCommand(cmd::kExportText),
                  SaveExportAs("Save Data File As Text", "cards.txt", "Text File (*.txt)|*.txt",
                               Path("export")),
                  ExpectMessage(replace, wxID_YES));
    EXPECT_EQ(ReadBytes(exported),
              output::BuildTextExport(document->Cards(), "cards.qxf", today, {false, false}));
    EXPECT_EQ(ReadBytes(exported).find("ATM/PIN CARDS"), std::string::npos);

    // A folder where the file belongs is refused with the cause; the data
    // file itself is never replaced by an export.
    std::filesystem::create_directory(Path("folder.txt"));
    wxTEST_DIALOG(SendCommand(cmd::kExportText),
                  SaveExportAs("Save Data File As Text", "cards.txt", "Text File (*.txt)|*.txt",
                               Path("folder.txt")),
                  ExpectMessage("Access to " + Path("folder.txt") + " was denied."));
    const std::string before = ReadBytes(path);
    wxTEST_DIALOG(
        SendCommand(cmd::kExportText),
        SaveExportAs("Save Data File As Text", "cards.txt", "Text File (*.txt)|*.txt", path),
        ExpectMessage("The export was not written: " + path +
                      " is the data file of this document."));
    EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(AppTest, ExportToXmlWarnsFirstAndWritesUtf16) {
    const std::string path = WriteFile("my cards.qxf", {{0, "site <1>", "pw"}, {4, "bank", "x"}});
    CQuilloxNewDoc* document = OpenDocument(path);
    ASSERT_NE(document, nullptr);
    const char* const warning =
        "Be aware,the exported file will be plain text and not encrypted! Are you sure you want "
        "to continue? ";

    // No asks for no file.
    wxTEST_DIALOG(SendCommand(cmd::kExportXml), ExpectMessage(warning, wxID_NO));

    const std::string exported = Path("cards.xml");
    wxTEST_DIALOG(
        SendCommand(cmd::kExportXml), ExpectMessage(warning, wxID_YES),
        SaveExportAs("Save Data File As XML File", "my cards.xml", "XML (*.xml)|*.xml", exported));
    const std::string bytes = ReadBytes(exported);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    const std::string xml =
        wxString(bytes.data() + 2, wxMBConvUTF16LE(), bytes.size() - 2).utf8_string();
    EXPECT_NE(xml.find("<my_cards.qxf><Card Name=\"site &lt;1&gt;\" Category=\"WWW Sites\">"
                       "<Field_1 Name=\"URL\"/><Field_2 Name=\"User ID\"/>"
                       "<Field_3 Name=\"Password\">pw</Field_3><Note/><Date"),
              std::string::npos)
        << xml;
    EXPECT_NE(xml.find("<Card Name=\"bank\" Category=\"Online Banking\">"), std::string::npos);
    EXPECT_EQ(PermissionsOf(exported), 0600u);

    // A failed export says so and leaves the previous file as it was.
    std::filesystem::create_directory(Path("folder.xml"));
    wxTEST_DIALOG(SendCommand(cmd::kExportXml), ExpectMessage(warning, wxID_YES),
                  SaveExportAs("Save Data File As XML File", "my cards.xml", "XML (*.xml)|*.xml",
                               Path("folder.xml")),
                  ExpectDialog<wxMessageDialog>([&](wxMessageDialog* dialog) {
                      EXPECT_EQ(
                          dialog->GetMessage().utf8_string().rfind(
                              "The XML file " + Path("folder.xml") + " could not be written: ", 0),
                          0u)
                          << dialog->GetMessage();
                      return wxID_OK;
                  }));
    EXPECT_TRUE(std::filesystem::is_directory(Path("folder.xml")));
}

TEST_F(AppTest, PrintAndPreviewWaitForACardOnEveryRoute) {
    SendCommand(wxID_NEW);
    CQuilloxNewDoc* document = ActiveDoc();
    ASSERT_NE(document, nullptr);
    EXPECT_FALSE(IsEnabled(wxID_PRINT));
    EXPECT_FALSE(IsEnabled(wxID_PREVIEW));
    EXPECT_FALSE(ToolEnabled(wxID_PRINT));
    {
        // Whatever still arrives does nothing: no dialog, no preview.
        GTestModalHook noDialog(__FILE__, __LINE__, __func__);
        SendCommand(wxID_PRINT);
        SendCommand(wxID_PREVIEW);
        ClickTool(wxID_PRINT);
        PressCtrlP();
    }
    EXPECT_EQ(OpenPreview(), nullptr);

    // A deleted card is a card.
    auto card = std::make_unique<CardRecord>();
    card->SetDeleted(true);
    document->AddToDeleted(std::move(card));
    EXPECT_TRUE(IsEnabled(wxID_PRINT));
    EXPECT_TRUE(IsEnabled(wxID_PREVIEW));
    EXPECT_TRUE(ToolEnabled(wxID_PRINT));
    wxTEST_DIALOG(SendCommand(wxID_PRINT), CancelPrintDialog());
    wxTEST_DIALOG(ClickTool(wxID_PRINT), CancelPrintDialog());
    wxTEST_DIALOG(PressCtrlP(), CancelPrintDialog());
}

TEST_F(AppTest, PrintPreviewShowsThePagesWhileTheCategoryBarHides) {
    std::vector<CardSpec> cards;
    for (int i = 1; i <= 13; ++i) {
        cards.push_back({5, "host " + std::to_string(i)});
    }
    ASSERT_NE(OpenDocument(WriteFile("hosts.qxf", cards)), nullptr);
    ChooseCategory("Login Accounts");
    CategoryBar* bar = Frame()->GetCategoryBar();

    SendCommand(wxID_PREVIEW);
    wxPreviewFrame* frame = OpenPreview();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->IsShown());
    EXPECT_FALSE(bar->IsShown());
    // The main window waits for the preview.
    EXPECT_FALSE(Frame()->IsEnabled());
    wxPrintPreviewBase* preview = frame->GetControlBar()->GetPrintPreview();
    const auto* printout = dynamic_cast<const output::CardPrintout*>(preview->GetPrintout());
    ASSERT_NE(printout, nullptr);
    const output::PageGeometry& page = printout->Geometry();
    EXPECT_GT(page.charHeight, 0);
    EXPECT_GT(page.charWidth, 0);
    EXPECT_GT(printout->Pages().size(), 1u);
    EXPECT_EQ(preview->GetMaxPage(), static_cast<int>(printout->Pages().size()));
    EXPECT_TRUE(preview->SetCurrentPage(preview->GetMaxPage()));

    frame->Close();
    ProcessPendingEvents();
    EXPECT_EQ(OpenPreview(), nullptr);
    EXPECT_TRUE(bar->IsShown());
    EXPECT_TRUE(Frame()->IsEnabled());
}

TEST_F(AppTest, PrintingToAPostScriptFileShowsHeaderCardsAndPageNumbers) {
    // Two-digit numbers, so that no name is part of another.
    const auto name = [](int i) {
        return "host" + std::string(i < 10 ? "0" : "") + std::to_string(i);
    };
    std::vector<CardSpec> cards;
    for (int i = 1; i <= 20; ++i) {
        cards.push_back({5, name(i), "pass" + name(i).substr(4)});
    }
    CQuilloxNewDoc* document = OpenDocument(WriteFile("hosts.qxf", cards));
    ASSERT_NE(document, nullptr);
    ChooseCategory("Login Accounts");

    // As at the program's start, new files are the owner's only.
    MakeNewFilesOwnerOnly();
    const std::string file = Path("cards.ps");
    output::CardPrintout printout(*document, Frame()->PageSetup());
    ASSERT_TRUE(PrintToPostScript(file, wxPORTRAIT, printout));
    // The umask set at start keeps the paper copy of the secrets to the owner.
    EXPECT_EQ(PermissionsOf(file), 0600u);

    const int pageCount = static_cast<int>(printout.Pages().size());
    ASSERT_GE(pageCount, 2);
    const std::vector<std::string> pages = PagesOfPostScript(file, Path(""));
    ASSERT_EQ(pages.size(), static_cast<std::size_t>(pageCount));
    const std::string today = wxDateTime::Today().FormatDate().utf8_string();
    for (int page = 1; page <= pageCount; ++page) {
        const std::vector<std::string> lines = LinesOf(pages[static_cast<std::size_t>(page - 1)]);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines.front().rfind("hosts.qxf ", 0), 0u) << lines.front();
        EXPECT_EQ(lines.front().substr(lines.front().size() - 8), " Quillox") << lines.front();
        const std::string footer = lines.back();
        EXPECT_EQ(footer.rfind(today + " ", 0), 0u) << footer;
        const std::string number = footer.substr(std::min(today.size(), footer.size()));
        EXPECT_EQ(number.substr(std::min(number.find_first_not_of(' '), number.size())),
                  std::to_string(page))
            << footer;
    }
    // Every card with its password on its own page, and on no other.
    for (int i = 1; i <= 20; ++i) {
        std::vector<int> shownOn;
        for (int page = 1; page <= pageCount; ++page) {
            const std::string& text = pages[static_cast<std::size_t>(page - 1)];
            if (text.find(name(i)) != std::string::npos &&
                text.find("pass" + name(i).substr(4)) != std::string::npos) {
                shownOn.push_back(page);
            }
        }
        std::vector<int> laidOutOn;
        for (int page = 1; page <= pageCount; ++page) {
            for (const output::TextDraw& draw :
                 printout.Pages()[static_cast<std::size_t>(page - 1)]) {
                if (draw.text == name(i)) {
                    laidOutOn.push_back(page);
                }
            }
        }
        EXPECT_EQ(shownOn, laidOutOn) << name(i);
        EXPECT_EQ(shownOn.size(), 1u) << name(i);
    }
}

TEST_F(AppTest, PrintedLongValuesHoldEveryCharacterInsideTheMargins) {
    std::string url = "https://example.com/recover?";
    for (int i = 0; url.size() < 300; ++i) {
        url += "k" + std::to_string(i) + "=v" + std::to_string(i * 7) + "&";
    }
    url.resize(300);
    std::string note = "Recovery codes:";
    for (int i = 0; note.size() < 250; ++i) {
        note += " " + std::to_string(4000 + i * 37) + "/" + std::to_string(9100 - i * 13);
    }
    note.resize(250);
    CQuilloxNewDoc* document =
        OpenDocument(WriteFile("long.qxf", {{0, "bank", "pw", false, 0, "me", note, 0, url}}));
    ASSERT_NE(document, nullptr);
    ChooseCategory("WWW Sites");

    const std::string file = Path("long.ps");
    output::CardPrintout printout(*document, Frame()->PageSetup());
    ASSERT_TRUE(PrintToPostScript(file, wxPORTRAIT, printout));
    const std::vector<std::string> pages = PagesOfPostScript(file, Path(""));
    ASSERT_EQ(pages.size(), 1u);
    // Continuation lines stand alone under their value: without the white
    // space, both values read on unbroken.
    const std::string text = WithoutSpaces(pages[0]);
    EXPECT_NE(text.find("URL" + url), std::string::npos) << pages[0];
    EXPECT_NE(text.find("Notes" + WithoutSpaces(note)), std::string::npos) << pages[0];

    // All ink inside the 15 mm margins of an A4 page (595 x 842 points).
    const std::array<double, 4> box = InkBoundingBox(file);
    const double margin = 15 / 25.4 * 72;
    EXPECT_GE(box[0], margin - 1);
    EXPECT_GE(box[1], margin - 1);
    EXPECT_LE(box[2], 595 - margin + 1);
    EXPECT_LE(box[3], 842 - margin + 1);
    // The header and the long lines reach across the page.
    EXPECT_GE(box[2], 595 - margin - 30);
    EXPECT_LE(box[0], margin + 1);
}

TEST_F(AppTest, PreviewAndPrintShowOnePicture) {
    std::vector<CardSpec> cards;
    for (int i = 1; i <= 6; ++i) {
        const std::string n = std::to_string(i);
        cards.push_back(
            {0, "SITE " + n, "PW" + n, false, 0, "ID" + n, "NOTE " + n, 0, "HTTP://" + n});
    }
    CQuilloxNewDoc* document = OpenDocument(WriteFile("cmp.qxf", cards));
    ASSERT_NE(document, nullptr);
    ChooseCategory("WWW Sites");

    for (const wxPrintOrientation orientation : {wxPORTRAIT, wxLANDSCAPE}) {
        SCOPED_TRACE(orientation == wxPORTRAIT ? "portrait" : "landscape");
        const std::string file = Path("cmp.ps");
        output::CardPrintout printed(*document, Frame()->PageSetup());
        ASSERT_TRUE(PrintToPostScript(file, orientation, printed));
        wxImage paper = PageImageOfPostScript(file, Path("cmp.png"), orientation);
        ASSERT_TRUE(paper.IsOk());
        if (orientation == wxLANDSCAPE) {
            paper = paper.Rotate90(true);
        }

        wxPrintData data;
        data.SetPaperId(wxPAPER_A4);
        data.SetOrientation(orientation);
        wxPrintDialogData dialogData(data);
        auto* shown = new output::CardPrintout(*document, Frame()->PageSetup());
        BitmapPreview preview(shown, &dialogData);
        const wxImage screen = preview.Page(1, paper.GetSize());
        ASSERT_TRUE(screen.IsOk());
        const std::vector<InkBand> onPaper = InkBands(paper);
        const std::vector<InkBand> onScreen = InkBands(screen);
        ASSERT_GE(onPaper.size(), 5u);
        ASSERT_EQ(onPaper.size(), onScreen.size());
        for (std::size_t i = 0; i < onPaper.size(); ++i) {
            EXPECT_NEAR(onPaper[i].top, onScreen[i].top, Percent(paper.GetHeight())) << "row " << i;
            EXPECT_NEAR(onPaper[i].left, onScreen[i].left, Percent(paper.GetWidth()))
                << "row " << i;
            EXPECT_NEAR(onPaper[i].rightStart, onScreen[i].rightStart, Percent(paper.GetWidth()))
                << "row " << i;
        }
        // The header's product name is at the right margin; labels are
        // indented; the last card ends above the footer.
        EXPECT_GT(onPaper.front().rightStart, paper.GetWidth() * 3 / 4);
        EXPECT_GT(onPaper[2].left, onPaper[1].left + Percent(paper.GetWidth()));
        EXPECT_LT(onPaper[onPaper.size() - 2].bottom, onPaper.back().top);
    }
}

TEST_F(AppTest, PrintSetupKeepsItsChoiceWithAndWithoutADocument) {
    EXPECT_TRUE(IsEnabled(wxID_PRINT_SETUP));
    wxTEST_DIALOG(SendCommand(wxID_PRINT_SETUP),
                  ExpectDialog<wxPageSetupDialogBase>([](wxPageSetupDialogBase* dialog) {
                      dialog->GetPageSetupDialogData().GetPrintData().SetOrientation(wxLANDSCAPE);
                      return wxID_OK;
                  }));
    EXPECT_EQ(Frame()->PrintData().GetOrientation(), wxLANDSCAPE);

    // With a document open it waits for a card, as Print does.
    SendCommand(wxID_NEW);
    ASSERT_NE(ActiveDoc(), nullptr);
    EXPECT_FALSE(IsEnabled(wxID_PRINT_SETUP));
    ASSERT_TRUE(ActiveDoc()->AddCard(0, std::make_unique<CardRecord>()));
    EXPECT_TRUE(IsEnabled(wxID_PRINT_SETUP));
    wxTEST_DIALOG(SendCommand(wxID_PRINT_SETUP),
                  ExpectDialog<wxPageSetupDialogBase>([](wxPageSetupDialogBase* dialog) {
                      EXPECT_EQ(dialog->GetPageSetupDialogData().GetPrintData().GetOrientation(),
                                wxLANDSCAPE);
                      return wxID_CANCEL;
                  }));
    EXPECT_EQ(Frame()->PrintData().GetOrientation(), wxLANDSCAPE);
    Frame()->PrintData().SetOrientation(wxPORTRAIT);
}

TEST_F(AppTest, PrintSetupChangesTheMarginsThePagesKeepTo) {
    const wxPageSetupDialogData before = Frame()->PageSetup();
    EXPECT_EQ(before.GetMarginTopLeft(), wxPoint(15, 15));
    EXPECT_EQ(before.GetMarginBottomRight(), wxPoint(15, 15));
    // The dialog shows the four margins, and what is typed there is kept.
    wxTEST_DIALOG(SendCommand(wxID_PRINT_SETUP),
                  ExpectDialog<wxPageSetupDialogBase>([](wxPageSetupDialogBase* base) {
                      auto* dialog = dynamic_cast<wxGenericPageSetupDialog*>(base);
                      EXPECT_NE(dialog, nullptr);
                      if (dialog == nullptr) {
                          return wxID_CANCEL;
                      }
                      EXPECT_TRUE(dialog->m_marginLeftText->IsShown());
                      EXPECT_EQ(dialog->m_marginLeftText->GetValue(), "15");
                      dialog->m_marginLeftText->SetValue("40");
                      dialog->m_marginTopText->SetValue("30");
                      dialog->TransferDataFromWindow();
                      return wxID_OK;
                  }));
    EXPECT_EQ(Frame()->PageSetup().GetMarginTopLeft(), wxPoint(40, 30));
    EXPECT_EQ(Frame()->PageSetup().GetMarginBottomRight(), wxPoint(15, 15));

    CQuilloxNewDoc* document = OpenDocument(WriteFile("m.qxf", {{0, "site"}}));
    ASSERT_NE(document, nullptr);
    ChooseCategory("WWW Sites");
    const std::string file = Path("m.ps");
    output::CardPrintout printout(*document, Frame()->PageSetup());
    ASSERT_TRUE(PrintToPostScript(file, wxPORTRAIT, printout));
    Frame()->PageSetup() = before;
    // Ink starts at the new margins: 40 mm from the left, 30 mm from the top.
    const std::array<double, 4> box = InkBoundingBox(file);
    EXPECT_NEAR(box[0], 40 / 25.4 * 72, 3);
    EXPECT_LE(box[3], 842 - 30 / 25.4 * 72 + 1);
    EXPECT_GE(box[3], 842 - 30 / 25.4 * 72 - 6);
    // The layout's page is the paper less the margins.
    EXPECT_EQ(printout.Geometry().width, 2100 - 550);
    EXPECT_EQ(printout.Geometry().height, 2970 - 450);

    // Margins wider than the paper narrow together to leave 40 mm of it.
    wxPageSetupDialogData huge = before;
    huge.SetMarginTopLeft(wxPoint(300, 100));
    huge.SetMarginBottomRight(wxPoint(100, 300));
    output::CardPrintout narrowed(*document, huge);
    ASSERT_TRUE(PrintToPostScript(file, wxPORTRAIT, narrowed));
    EXPECT_EQ(narrowed.Geometry().width, 400);
    EXPECT_EQ(narrowed.Geometry().height, 400);
    EXPECT_FALSE(narrowed.Pages().empty());
}
