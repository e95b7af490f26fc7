// Help > About Quillox...: every route to it, what it shows, and its links.
#include <wx/menu.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/toolbar.h>

#include "app/about_dialog.h"
#include "app/about_text.h"
#include "app/app_fixture.h"
#include "ui/link_clicks.h"
#include "ui/static_link.h"
#include "version/version_info.h"

using namespace quillox;

namespace {

// Checks everything the box shows, then lets check do more while the box is
// on the screen.
ExpectDialog<CAboutDlg> AboutBox(int* shown, std::function<void(CAboutDlg&)> check = {}) {
    return ExpectDialog<CAboutDlg>([shown, check](CAboutDlg* dialog) {
        ++*shown;
        EXPECT_EQ(dialog->GetTitle(), "About Quillox");
        EXPECT_EQ(Control<wxTextCtrl>(*dialog, CAboutDlg::kVersionTextId).GetValue().utf8_string(),
                  AboutVersionText());
        bool hasIcon = false;
        for (wxWindow* child : dialog->GetChildren()) {
            auto* bitmap = dynamic_cast<wxStaticBitmap*>(child);
            hasIcon = hasIcon || (bitmap != nullptr && bitmap->GetBitmap().IsOk());
        }
        EXPECT_TRUE(hasIcon);
        EXPECT_EQ(dialog->GetDefaultItem(), dialog->FindWindow(wxID_OK));

        const wxString home = wxString::FromUTF8(version::kHomePage);
        const wxString address = wxString::FromUTF8(version::kContactAddress);
        EXPECT_EQ(dialog->HomePageLink()->GetLabel(), home);
        EXPECT_EQ(dialog->HomePageLink()->GetTarget(), home);
        EXPECT_EQ(dialog->ContactLink()->GetLabel(), address);
        EXPECT_EQ(dialog->ContactLink()->GetTarget(), "MailTo:" + address);
        EXPECT_FALSE(dialog->HomePageLink()->GetVisited());
        EXPECT_FALSE(dialog->ContactLink()->GetVisited());
        if (check) {
            dialog->Show();
            check(*dialog);
            dialog->Hide();
        }
        return wxID_OK;
    });
}

// The Help menu's About item of the menu bar shown now.
wxMenuItem* AboutItem(wxMenuBar* bar) {
    const int help = bar->FindMenu("Help");
    if (help == wxNOT_FOUND) {
        return nullptr;
    }
    wxMenuItem* item = bar->GetMenu(help)->FindItem(wxID_ABOUT);
    return item != nullptr && item->GetItemLabel() == "&About Quillox..." ? item : nullptr;
}

}  // namespace

TEST_F(AppTest, ANewUserOpensTheAboutBoxFromTheHelpMenuWithTheKeyboard) {
    Frame()->Raise();
    Frame()->SetFocus();
    ASSERT_TRUE(WaitFor([] { return Frame()->IsActive(); }));
    int shown = 0;
    // The A goes from a timer: on Windows the open menu runs a loop of its own
    // until it is answered, so the test's own code does not run meanwhile.
    wxUIActionSimulator keys;
    wxTimer second;
    second.Bind(wxEVT_TIMER, [&keys](wxTimerEvent&) { keys.Char('a'); });
    wxTEST_DIALOG(
        {
            second.StartOnce(300);
            keys.Char('h', wxMOD_ALT);
            EXPECT_TRUE(WaitFor([&shown] { return shown == 1; }));
        },
        AboutBox(&shown));
}

TEST_F(AppTest, TheMenusAndTheToolbarOpenTheAboutBoxWithAndWithoutADocument) {
    const std::string path = WriteFile("about.qxf", {{0, "site"}});
    for (const bool withDocument : {false, true}) {
        SCOPED_TRACE(withDocument ? "with a document" : "without a document");
        if (withDocument) {
            ASSERT_NE(OpenDocument(path), nullptr);
        }
        wxFrame* menuFrame = withDocument ? static_cast<wxFrame*>(Frame()->GetActiveChild())
                                          : static_cast<wxFrame*>(Frame());
        ASSERT_NE(menuFrame, nullptr);
        EXPECT_NE(AboutItem(menuFrame->GetMenuBar()), nullptr);
        EXPECT_TRUE(IsEnabled(wxID_ABOUT));
        int shown = 0;
        wxTEST_DIALOG(SendCommand(wxID_ABOUT), AboutBox(&shown));

        wxToolBar* toolbar = Frame()->GetToolBar();
        ASSERT_NE(toolbar->FindById(wxID_ABOUT), nullptr);
        EXPECT_TRUE(toolbar->GetToolEnabled(wxID_ABOUT));
        wxTEST_DIALOG(
            {
                wxCommandEvent click(wxEVT_TOOL, wxID_ABOUT);
                click.SetEventObject(toolbar);
                toolbar->ProcessWindowEvent(click);
            },
            AboutBox(&shown));
        EXPECT_EQ(shown, 2);
    }
}

TEST_F(AppTest, AboutLinksOpenThroughTheDesktopAndTurnVisitedOnlyWhenOpened) {
    StandInDesktop refusing(false);
    StandInDesktop opening(true);
    int shown = 0;
    wxTEST_DIALOG(SendCommand(wxID_ABOUT), AboutBox(&shown, [&](CAboutDlg& dialog) {
                      CStaticLink& home = *dialog.HomePageLink();
                      CStaticLink& contact = *dialog.ContactLink();
                      home.UseDesktop(refusing);
                      contact.UseDesktop(opening);

                      ASSERT_TRUE(ClickAndWait(home, refusing));
                      EXPECT_EQ(refusing.opened,
                                std::vector<wxString>{wxString::FromUTF8(version::kHomePage)});
                      EXPECT_EQ(refusing.beeps, 1);
                      EXPECT_FALSE(home.GetVisited());

                      ASSERT_TRUE(ClickAndWait(contact, opening));
                      EXPECT_EQ(opening.opened,
                                std::vector<wxString>{
                                    "mailto:" + wxString::FromUTF8(version::kContactAddress)});
                      EXPECT_EQ(opening.beeps, 0);
                      EXPECT_TRUE(contact.GetVisited());
                      EXPECT_FALSE(home.GetVisited());
                  }));
    EXPECT_EQ(shown, 1);
    // A new box starts with both links unvisited, as checked on opening.
    wxTEST_DIALOG(SendCommand(wxID_ABOUT), AboutBox(&shown));
}
