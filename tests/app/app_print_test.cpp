// Print, Print Preview and Print Setup, driven through the menus, the
// toolbar and the keys; the pages read back from PostScript files.
#include <wx/generic/printps.h>
#include <wx/generic/prntdlgg.h>
#include <wx/print.h>
#include <wx/printdlg.h>
#include <wx/toolbar.h>
#include <wx/uiaction.h>
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "app/app_fixture.h"
#include "app/category_bar.h"
#include "app/printed_pages.h"
#include "output/card_printout.h"
#include "store/file_mask.h"
#include "support/file_access.h"
#include "ui/command_ids.h"

using namespace quillox;
using namespace quillox::testing;

namespace {

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

}  // namespace

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
    EXPECT_TRUE(quillox::testing::OwnerOnly(file));

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
        const wxImage paper = PageImageOfPostScript(file, Path("cmp.png"), orientation);
        ASSERT_TRUE(paper.IsOk());

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
