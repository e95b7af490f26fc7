// What the main window shows: the category bar, the item count, the title
// and which commands are offered.
#include <wx/choice.h>
#include <wx/image.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <memory>
#include <vector>

#if defined(__WXGTK__)
#include <gtk/gtk.h>
#endif

#include "app/app_fixture.h"
#include "app/category_bar.h"
#include "app/real_input.h"
#include "cards/card_dialog.h"
#include "ui/command_ids.h"

using namespace quillox;

namespace {

std::string ItemCount() {
    return GetMainFrame()->GetStatusBar()->GetStatusText(cmd::kItemCountPane).utf8_string();
}

// The frame as the program starts: no category chosen, no count shown.
void AsAtFirstStart() {
    GetMainFrame()->GetCategoryBar()->Selector()->SetSelection(wxNOT_FOUND);
    GetMainFrame()->GetStatusBar()->SetStatusText("Items:", cmd::kItemCountPane);
}

}  // namespace

TEST_F(AppTest, ANewDocumentShowsItsOwnCountUnderTheCategoryTheBarNames) {
    AsAtFirstStart();
    SendCommand(wxID_NEW);
    ASSERT_NE(ActiveDoc(), nullptr);
    EXPECT_EQ(ItemCount(), "Items: 0");
    EXPECT_EQ(Frame()->CurrentCategory(), "WWW Sites");
    EXPECT_EQ(ActiveView()->ShownCategory(), "WWW Sites");
    // So New Card knows where the card goes.
    bool asked = false;
    wxTEST_DIALOG(SendCommand(cmd::kNewCard), ExpectDialog<CCardDlg>([&asked](CCardDlg* dialog) {
                      asked = true;
                      EXPECT_EQ(dialog->Result().categoryName, "WWW Sites");
                      return wxID_CANCEL;
                  }));
    EXPECT_TRUE(asked);

    ASSERT_NE(OpenDocument(WriteFile("three.qxf", {{2, "a"}, {2, "b"}, {2, "c"}})), nullptr);
    ChooseCategory("FTP Servers");
    EXPECT_EQ(ItemCount(), "Items: 3");
    SendCommand(wxID_NEW);
    EXPECT_EQ(ItemCount(), "Items: 0");
    EXPECT_EQ(Frame()->CurrentCategory(), ActiveView()->ShownCategory());
}

// Windows names the maximised document window in brackets itself, and a
// moment later.
TEST_F(AppTest, TheTitleNamesTheActiveDocument) {
#if defined(__WXMSW__)
    const auto titled = [](const char* name) { return wxString("Quillox - [") + name + "]"; };
#else
    const auto titled = [](const char* name) { return wxString("Quillox - ") + name; };
#endif
    const auto titleIs = [](const wxString& title) {
        return WaitFor([&title] { return Frame()->GetTitle() == title; }, 3000)
                   ? ::testing::AssertionSuccess()
                   : ::testing::AssertionFailure() << Frame()->GetTitle();
    };
    EXPECT_TRUE(titleIs("Quillox"));
    CQuilloxNewDoc* one = OpenDocument(WriteFile("one.qxf", {{0, "a"}}));
    ASSERT_NE(one, nullptr);
    EXPECT_TRUE(titleIs(titled("one.qxf")));
    ASSERT_NE(OpenDocument(WriteFile("two.qxe", {{0, "b"}})), nullptr);
    EXPECT_TRUE(titleIs(titled("two.qxe")));
    auto* first = dynamic_cast<wxMDIChildFrame*>(one->GetDocumentWindow());
    first->Activate();
    EXPECT_TRUE(titleIs(titled("one.qxf")));
    // A document window the user restores is named by the frame's own title.
    first->Restore();
    EXPECT_TRUE(titleIs("Quillox - one.qxf"));
    CloseAllQuietly();
    EXPECT_TRUE(titleIs("Quillox"));
}

// Every button carries its own disabled picture, so that no toolkit makes one
// (or drops it): set, drawn at the toolbar's size, unlike the enabled one, and
// kept by a toolkit that masks pictures by their opacity.
TEST_F(AppTest, DisabledToolbarButtonsShowAFadedPicture) {
    wxToolBar* bar = Frame()->GetToolBar();
    const wxSize size = bar->GetToolBitmapSize();
    int tools = 0;
    for (size_t position = 0; position < bar->GetToolsCount(); ++position) {
        const wxToolBarToolBase* tool = bar->GetToolByPos(static_cast<int>(position));
        if (tool->IsSeparator()) {
            continue;
        }
        ++tools;
        const wxString name = tool->GetLabel();
        ASSERT_TRUE(tool->GetDisabledBitmapBundle().IsOk()) << name;
        const wxImage normal = tool->GetNormalBitmapBundle().GetBitmap(size).ConvertToImage();
        const wxImage disabled = tool->GetDisabledBitmapBundle().GetBitmap(size).ConvertToImage();
        ASSERT_EQ(disabled.GetSize(), size) << name;
        EXPECT_NE(
            std::vector<unsigned char>(disabled.GetData(),
                                       disabled.GetData() + size.x * size.y * 3),
            std::vector<unsigned char>(normal.GetData(), normal.GetData() + size.x * size.y * 3))
            << name;
        wxImage masked = disabled.Copy();
        masked.ConvertAlphaToMask();
        bool seen = false;
        for (int y = 0; y < size.y && !seen; ++y) {
            for (int x = 0; x < size.x && !seen; ++x) {
                seen = !masked.IsTransparent(x, y);
            }
        }
        EXPECT_TRUE(seen) << name;
    }
    EXPECT_EQ(tools, 15);
}

TEST_F(AppTest, SetPasswordIsOfferedOnlyWhereItsDocumentAllows) {
    ProcessPendingEvents();
    EXPECT_FALSE(IsEnabled(cmd::kSetPassword));
    EXPECT_FALSE(Frame()->GetToolBar()->GetToolEnabled(cmd::kSetPassword));
    SendCommand(wxID_NEW);
    EXPECT_FALSE(Frame()->GetToolBar()->GetToolEnabled(cmd::kSetPassword));
    ActiveDoc()->AddCard(0, std::make_unique<CardRecord>());
    ProcessPendingEvents();
    EXPECT_TRUE(Frame()->GetToolBar()->GetToolEnabled(cmd::kSetPassword));
}

#if defined(__WXGTK__)
namespace {

// Whether the heading of column is drawn whole: its label has at least the
// width it asks for.
bool HeadingShownWhole(wxDataViewColumn* column) {
    GtkWidget* header =
        gtk_tree_view_column_get_widget(GTK_TREE_VIEW_COLUMN(column->GetGtkHandle()));
    GList* children = gtk_container_get_children(GTK_CONTAINER(header));
    bool whole = false;
    for (GList* child = children; child != nullptr; child = child->next) {
        if (GTK_IS_LABEL(child->data)) {
            int minimum = 0;
            int natural = 0;
            gtk_widget_get_preferred_width(GTK_WIDGET(child->data), &minimum, &natural);
            whole = gtk_widget_get_allocated_width(GTK_WIDGET(child->data)) >= natural;
        }
    }
    g_list_free(children);
    return whole;
}

}  // namespace

TEST_F(AppTest, HeadingsColumnsAndTheCountAreShownWhole) {
    ASSERT_NE(OpenDocument(WriteFile("whole.qxf", {{7, "acct"}})), nullptr);
    ChooseCategory("WWW Sites");
    wxDataViewCtrl* list = ActiveView()->ListControl();
    // The frame as it first opens shows the six columns without scrolling sideways.
    GtkAdjustment* sideways =
        gtk_scrolled_window_get_hadjustment(GTK_SCROLLED_WINDOW(list->GetHandle()));
    EXPECT_LE(gtk_adjustment_get_upper(sideways), gtk_adjustment_get_page_size(sideways));
    for (const char* category : {"WWW Sites", "Bank Accounts", "Credit Cards", "ATM/PIN Cards",
                                 "Personal Data", "Software Keys", "Membership Numbers"}) {
        ChooseCategory(category);
        // GTK lays the headings out again at its next frame.
        const auto allWhole = [list] {
            for (unsigned column = 0; column < list->GetColumnCount(); ++column) {
                if (!HeadingShownWhole(list->GetColumn(column))) {
                    return false;
                }
            }
            return true;
        };
        EXPECT_TRUE(WaitUntil(allWhole, 1000)) << category;
    }

    // The status bar cuts a text that does not fit between the pane's
    // margins and the size grip at its end.
    wxStatusBar* status = Frame()->GetStatusBar();
    wxRect pane;
    ASSERT_TRUE(status->GetFieldRect(cmd::kItemCountPane, pane));
    const int room = pane.GetWidth() - 2 * 2 - (status->GetClientSize().GetHeight() - 2);
    EXPECT_GE(room, status->GetTextExtent("Items: 1000000").GetWidth());
}
#endif

namespace {

// The items of menu and its submenus with Ctrl+W in their labels.
void CollectCtrlW(const wxMenu& menu, std::vector<int>& ids) {
    for (const wxMenuItem* item : menu.GetMenuItems()) {
        if (item->IsSubMenu()) {
            CollectCtrlW(*item->GetSubMenu(), ids);
        }
        const std::unique_ptr<wxAcceleratorEntry> accel(item->GetAccel());
        if (accel && accel->GetFlags() == wxACCEL_CTRL && accel->GetKeyCode() == 'W') {
            ids.push_back(item->GetId());
        }
    }
}

#if defined(__WXGTK__)
// Whether GTK shows a key beside the item, be it from the label or the
// toolkit's own for a standard command.
bool ShowsToolkitKey(wxMenuItem* item) {
    GList* closures = gtk_widget_list_accel_closures(item->GetMenuItem());
    const bool shows = closures != nullptr;
    g_list_free(closures);
    return shows;
}
#endif

}  // namespace

TEST_F(AppTest, CtrlWIsLoadWebPageAloneAndClosingTheLastDocumentClearsTheStatus) {
    EXPECT_FALSE(IsEnabled(cmd::kCloseFile));
    ASSERT_NE(OpenDocument(WriteFile("close.qxf", {{0, "a"}})), nullptr);
    EXPECT_EQ(LockText(), "Unlocked");
    auto* child = dynamic_cast<wxFrame*>(ActiveDoc()->GetDocumentWindow());
    ASSERT_NE(child, nullptr);
    for (wxMenuBar* bar : {Frame()->GetMenuBar(), child->GetMenuBar()}) {
        std::vector<int> ctrlW;
        for (std::size_t i = 0; i < bar->GetMenuCount(); ++i) {
            CollectCtrlW(*bar->GetMenu(i), ctrlW);
        }
        EXPECT_EQ(ctrlW, bar == child->GetMenuBar() ? std::vector<int>{cmd::kLoadWebPageMenu}
                                                    : std::vector<int>{});
    }
    wxMenuItem* close = child->GetMenuBar()->FindItem(cmd::kCloseFile);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->GetItemLabelText(), "Close");
    EXPECT_EQ(std::unique_ptr<wxAcceleratorEntry>(close->GetAccel()), nullptr);
#if defined(__WXGTK__)
    EXPECT_FALSE(ShowsToolkitKey(close));
    EXPECT_TRUE(ShowsToolkitKey(child->GetMenuBar()->FindItem(cmd::kLoadWebPageMenu)));
#endif

    // File > Close closes the document; with none left the frame shows no
    // lock status and no count.
    EXPECT_TRUE(IsEnabled(cmd::kCloseFile));
    SendCommand(cmd::kCloseFile);
    ProcessPendingEvents();
    EXPECT_TRUE(Manager()->GetDocumentsVector().empty());
    EXPECT_EQ(LockText(), "");
    EXPECT_EQ(ItemCount(), "Items:");
    EXPECT_FALSE(IsEnabled(cmd::kCloseFile));

    // The next document shows its status again; closing one of two keeps it.
    ASSERT_NE(OpenDocument(WriteFile("one.qxf", {{0, "a"}})), nullptr);
    ASSERT_NE(OpenDocument(WriteFile("two.qxf", {{0, "a"}, {0, "b"}})), nullptr);
    EXPECT_EQ(LockText(), "Unlocked");
    SendCommand(cmd::kCloseFile);
    ProcessPendingEvents();
    EXPECT_EQ(Manager()->GetDocumentsVector().size(), 1u);
    EXPECT_EQ(LockText(), "Unlocked");
}
