#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <stdexcept>
#include <string>

#include <wx/app.h>
#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/config.h>
#include <wx/filedlg.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/spinbutt.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#if defined(__WXGTK__)
#include <gtk/gtk.h>
#elif defined(__WXMSW__)
#include <windows.h>
// commctrl.h needs the types windows.h declares.
#include <commctrl.h>
#endif

#include "prefs/at_start_up_page.h"
#include "prefs/general_settings_page.h"
#include "prefs/path_settings_page.h"
#include "prefs/preferences_sheet.h"
#include "prefs/print_xml_page.h"
#include "prefs/settings.h"
#include "support/own_settings.h"
#include "ui/gui_test_support.h"

namespace {

// Keeps the tests' settings out of the user's own, in a folder removed at exit.
class PreferencesTestApp : public wxApp {
  public:
    bool OnInit() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("quillox-preferences-" + std::to_string(::getpid()));
        if (!quillox::testing::UseOwnSettings(folder_)) {
            return false;
        }
        quillox::prefs::InstallSettingsStore();
        return true;
    }
    int OnExit() override {
        delete wxConfigBase::Set(nullptr);
        std::filesystem::remove_all(folder_);
        return wxApp::OnExit();
    }

  private:
    std::filesystem::path folder_;
};

}  // namespace

wxApp* CreateTestApp() {
    return new PreferencesTestApp;
}

namespace quillox::prefs {
namespace {

using General = CGeneralSettingsPref;
using StartUp = CAtStartUpPref;
using Paths = CPathSettingsRef;
using Print = CPrintXMLSupportRef;

enum Page { kGeneralPage, kStartUpPage, kPathsPage, kPrintPage };

template <class T>
T& Control(CPrefPropertySheet& sheet, Page page, int id) {
    // Pages reuse ids, so each is searched on its own.
    T* control = dynamic_cast<T*>(sheet.GetBookCtrl()->GetPage(page)->FindWindow(id));
    if (control == nullptr) {
        throw std::runtime_error("no control " + std::to_string(id));
    }
    return *control;
}

void Send(wxWindow& control, wxEventType type, int selection = 0) {
    wxCommandEvent event(type, control.GetId());
    event.SetEventObject(&control);
    event.SetInt(selection);
    control.ProcessWindowEvent(event);
}

void Choose(wxRadioButton& radio) {
    radio.SetValue(true);
    Send(radio, wxEVT_RADIOBUTTON, 1);
}

void Select(wxListBox& list, int index) {
    list.SetSelection(index);
    Send(list, wxEVT_LISTBOX, index);
}

class PreferencesSheet : public ::testing::Test {
  protected:
    // Every test starts from a store holding nothing.
    void SetUp() override { wxConfigBase::Get()->DeleteAll(); }
};

TEST_F(PreferencesSheet, ShowsItsFourPagesInOrderFromTheFirst) {
    CPrefPropertySheet sheet(nullptr, LoadPreferenceValues());
    EXPECT_EQ(sheet.GetTitle(), "Preferences");
    wxBookCtrlBase* book = sheet.GetBookCtrl();
    ASSERT_EQ(book->GetPageCount(), 4u);
    EXPECT_EQ(book->GetPageText(0), "General");
    EXPECT_EQ(book->GetPageText(1), "At Start Up");
    EXPECT_EQ(book->GetPageText(2), "Path Settings");
    EXPECT_EQ(book->GetPageText(3), "Print/XML Preferences");
    EXPECT_NE(dynamic_cast<General*>(book->GetPage(0)), nullptr);
    EXPECT_NE(dynamic_cast<StartUp*>(book->GetPage(1)), nullptr);
    EXPECT_NE(dynamic_cast<Paths*>(book->GetPage(2)), nullptr);
    EXPECT_NE(dynamic_cast<Print*>(book->GetPage(3)), nullptr);
    EXPECT_EQ(book->GetSelection(), 0);
    EXPECT_NE(sheet.FindWindow(wxID_OK), nullptr);
    EXPECT_NE(sheet.FindWindow(wxID_CANCEL), nullptr);
}

#if defined(__WXGTK__)
TEST_F(PreferencesSheet, ShowsAllFourTabsWithoutScrolling) {
    CPrefPropertySheet sheet(nullptr, LoadPreferenceValues());
    sheet.Show();
    ProcessPendingEvents();
    GtkNotebook* notebook = GTK_NOTEBOOK(sheet.GetBookCtrl()->GetHandle());
    for (int page = 0; page < 4; ++page) {
        GtkWidget* tab =
            gtk_notebook_get_tab_label(notebook, gtk_notebook_get_nth_page(notebook, page));
        // A tab scrolled out of the strip is no longer drawn.
        EXPECT_TRUE(gtk_widget_get_child_visible(tab) && gtk_widget_get_mapped(tab)) << page;
    }
}
#elif defined(__WXMSW__)
TEST_F(PreferencesSheet, ShowsAllFourTabsWithoutScrolling) {
    CPrefPropertySheet sheet(nullptr, LoadPreferenceValues());
    sheet.Show();
    ProcessPendingEvents();
    const auto tabs = static_cast<HWND>(sheet.GetBookCtrl()->GetHandle());
    ASSERT_EQ(TabCtrl_GetItemCount(tabs), 4);
    RECT strip{};
    RECT last{};
    GetClientRect(tabs, &strip);
    ASSERT_TRUE(TabCtrl_GetItemRect(tabs, 3, &last));
    EXPECT_LE(last.right, strip.right);
}
#endif

TEST_F(PreferencesSheet, AFreshStoreShowsTheDefaults) {
    CPrefPropertySheet sheet(nullptr, LoadPreferenceValues());
    EXPECT_TRUE(Control<wxRadioButton>(sheet, kGeneralPage, General::kExplorerId).GetValue());
    EXPECT_FALSE(Control<wxRadioButton>(sheet, kGeneralPage, General::kNetscapeId).GetValue());
    EXPECT_FALSE(Control<wxCheckBox>(sheet, kGeneralPage, General::kAutomaticSaveId).GetValue());
    auto& minutes = Control<wxTextCtrl>(sheet, kGeneralPage, General::kMinutesId);
    auto& spin = Control<wxSpinButton>(sheet, kGeneralPage, General::kMinutesSpinId);
    EXPECT_EQ(minutes.GetValue(), "10");
    EXPECT_FALSE(minutes.IsEnabled());
    EXPECT_EQ(spin.GetValue(), 10);
    EXPECT_FALSE(spin.IsEnabled());
    EXPECT_FALSE(Control<wxCheckBox>(sheet, kGeneralPage, General::kShowPasswordId).GetValue());
    auto& dates = Control<wxListBox>(sheet, kGeneralPage, General::kDateFormatsId);
    EXPECT_EQ(dates.GetCount(), 12u);
    EXPECT_EQ(dates.GetSelection(), 0);
    EXPECT_EQ(Control<wxSpinCtrl>(sheet, kGeneralPage, General::kClearClipboardId).GetValue(), 10);
    EXPECT_EQ(Control<wxSpinCtrl>(sheet, kGeneralPage, General::kLockIdleMinutesId).GetValue(), 0);
    EXPECT_TRUE(Control<wxCheckBox>(sheet, kGeneralPage, General::kLockWithScreenId).GetValue());
    EXPECT_EQ(
        Control<wxChoice>(sheet, kGeneralPage, General::kEncryptNewFilesId).GetStringSelection(),
        "Strong");

    for (int id :
         {StartUp::kOpenRecentFileId, StartUp::kLaunchWebBrowserId, StartUp::kLaunchFtpId,
          StartUp::kLaunchEmailId, StartUp::kLaunchTelnetId, StartUp::kLaunchNewsReaderId}) {
        EXPECT_FALSE(Control<wxCheckBox>(sheet, kStartUpPage, id).GetValue()) << id;
    }
    for (int id : {Paths::kNavigatorId, Paths::kMailAppId, Paths::kFtpAppId, Paths::kNewsReaderId,
                   Paths::kAcrobatReaderId, Paths::kTelnetId}) {
        EXPECT_FALSE(Control<wxRadioButton>(sheet, kPathsPage, id).GetValue()) << id;
    }
    EXPECT_TRUE(Control<wxCheckBox>(sheet, kPrintPage, Print::kPrintAtmId).GetValue());
    EXPECT_TRUE(Control<wxCheckBox>(sheet, kPrintPage, Print::kPrintNotesId).GetValue());
}

TEST_F(PreferencesSheet, TheMinutesFollowTheSpinAndAreEditableOnlyWhenOpenedTicked) {
    PreferenceValues values = LoadPreferenceValues();
    values.automaticSaveCheck = 1;
    values.automaticSaveMinutes = "often";
    values.dateFormat = 12;
    values.encryptNewFilesAs = 2;  // shown as strong, and kept unless changed
    CPrefPropertySheet sheet(nullptr, values);
    auto& minutes = Control<wxTextCtrl>(sheet, kGeneralPage, General::kMinutesId);
    auto& spin = Control<wxSpinButton>(sheet, kGeneralPage, General::kMinutesSpinId);
    EXPECT_TRUE(minutes.IsEnabled());
    EXPECT_TRUE(spin.IsEnabled());
    EXPECT_EQ(spin.GetValue(), 0);
    EXPECT_EQ(minutes.GetValue(), "often");
    EXPECT_EQ(Control<wxListBox>(sheet, kGeneralPage, General::kDateFormatsId).GetSelection(),
              wxNOT_FOUND);

    spin.SetValue(7);
    wxSpinEvent spun(wxEVT_SPIN, spin.GetId());
    spun.SetEventObject(&spin);
    spun.SetPosition(7);
    spin.ProcessWindowEvent(spun);
    EXPECT_EQ(minutes.GetValue(), "7");
    ASSERT_TRUE(sheet.TransferDataFromWindow());
    EXPECT_EQ(sheet.Values().automaticSaveMinutes, "7");
    EXPECT_EQ(sheet.Values().dateFormat, -1);
    EXPECT_EQ(sheet.Values().encryptNewFilesAs, 2);

    values.automaticSaveCheck = 0;
    CPrefPropertySheet unticked(nullptr, values);
    auto& box = Control<wxCheckBox>(unticked, kGeneralPage, General::kAutomaticSaveId);
    box.SetValue(true);
    Send(box, wxEVT_CHECKBOX, 1);
    EXPECT_FALSE(Control<wxTextCtrl>(unticked, kGeneralPage, General::kMinutesId).IsEnabled());
    EXPECT_FALSE(
        Control<wxSpinButton>(unticked, kGeneralPage, General::kMinutesSpinId).IsEnabled());
}

// Changes a value on every page, as a user would before pressing a button.
int ChangeEveryPage(CPrefPropertySheet* sheet, int answer) {
    Choose(Control<wxRadioButton>(*sheet, kGeneralPage, General::kNetscapeId));
    Control<wxCheckBox>(*sheet, kGeneralPage, General::kAutomaticSaveId).SetValue(true);
    Control<wxTextCtrl>(*sheet, kGeneralPage, General::kMinutesId).ChangeValue("45");
    Select(Control<wxListBox>(*sheet, kGeneralPage, General::kDateFormatsId), 4);
    Control<wxSpinCtrl>(*sheet, kGeneralPage, General::kClearClipboardId).SetValue(0);
    Control<wxSpinCtrl>(*sheet, kGeneralPage, General::kLockIdleMinutesId).SetValue(15);
    Control<wxCheckBox>(*sheet, kGeneralPage, General::kLockWithScreenId).SetValue(false);
    Control<wxChoice>(*sheet, kGeneralPage, General::kEncryptNewFilesId)
        .SetStringSelection("Compatible");
    Control<wxCheckBox>(*sheet, kStartUpPage, StartUp::kLaunchEmailId).SetValue(true);
    Control<wxTextCtrl>(*sheet, kPathsPage, Paths::kTelnetPathId).ChangeValue("/usr/bin/telnet");
    Control<wxCheckBox>(*sheet, kPrintPage, Print::kPrintNotesId).SetValue(false);
    return answer;
}

TEST_F(PreferencesSheet, OkStoresWhatTheSheetShowsAndCancelStoresNothing) {
    bool confirmed = false;
    wxTEST_DIALOG(confirmed = RunPreferencesSheet(nullptr),
                  ExpectDialog<CPrefPropertySheet>([](CPrefPropertySheet* sheet) {
                      return ChangeEveryPage(sheet, wxID_CANCEL);
                  }));
    EXPECT_FALSE(confirmed);
    for (const char* entry :
         {"/General Preferences/Clear Clipboard Seconds",
          "/General Preferences/Lock After Idle Minutes",
          "/General Preferences/Lock When Screen Locks",
          "/General Preferences/Encrypt New Files As", "/Internet Preferences/Choose Web Browser",
          "/Internet Preferences/Automatic Save", "/Internet Preferences/Date Format",
          "/Internet Preferences/Telnet File Path", "/Start Up Preferences/Print Notes",
          "/Print Preferences/Print Notes", "/Print Preferences/Print ATM"}) {
        EXPECT_FALSE(wxConfigBase::Get()->HasEntry(entry)) << entry;
    }

    wxTEST_DIALOG(confirmed = RunPreferencesSheet(nullptr),
                  ExpectDialog<CPrefPropertySheet>(
                      [](CPrefPropertySheet* sheet) { return ChangeEveryPage(sheet, wxID_OK); }));
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(Read(kChooseWebBrowser), 0);
    EXPECT_EQ(Read(kAutomaticSaveCheck), 1);
    EXPECT_EQ(Read(kAutomaticSave), "45");
    EXPECT_EQ(Read(kDateFormat), 4);
    EXPECT_EQ(Read(kClearClipboardSeconds), 0);
    EXPECT_EQ(Read(kLockAfterIdleMinutes), 15);
    EXPECT_EQ(Read(kLockWhenScreenLocks), 0);
    EXPECT_EQ(Read(kEncryptNewFilesAs), 1);
    EXPECT_EQ(Read(kLaunchEmail), 1);
    EXPECT_EQ(Read(kTelnetFilePath), "/usr/bin/telnet");
    EXPECT_EQ(Read(kPrintNotes), 0);
    // Unchanged values are stored as shown: the print box read ticked.
    EXPECT_EQ(Read(kPrintAtm), 1);
    EXPECT_EQ(Read(kShowPasswordAlways), 0);
    EXPECT_EQ(Read(kNetscapeFilePath), "");
}

// Answers the Find Path dialog with a file, checking how it is offered.
ExpectDialog<wxFileDialog> PickFile(const wxString& path) {
    return ExpectDialog<wxFileDialog>([path](wxFileDialog* dialog) {
        EXPECT_EQ(dialog->GetMessage(), "Find Internet Applications Paths");
        EXPECT_EQ(dialog->GetWildcard(), "Executable Files (*.exe)|*.exe|All Files|*.*");
        // Programs have ".exe" on Windows alone; elsewhere all files show.
        EXPECT_EQ(dialog->GetFilterIndex(), wxGetOsVersion() & wxOS_WINDOWS ? 0 : 1);
        dialog->SetPath(path);
        return wxID_OK;
    });
}

TEST_F(PreferencesSheet, FindPathFillsOnlyTheEditOfTheChosenProgram) {
    const int pathIds[] = {Paths::kNavigatorPathId,     Paths::kMailAppPathId,
                           Paths::kFtpAppPathId,        Paths::kNewsReaderPathId,
                           Paths::kAcrobatReaderPathId, Paths::kTelnetPathId};
    CPrefPropertySheet sheet(nullptr, LoadPreferenceValues());
    auto& findPath = Control<wxButton>(sheet, kPathsPage, Paths::kFindPathId);

    // With no program chosen the file goes nowhere.
    wxTEST_DIALOG(Send(findPath, wxEVT_BUTTON), PickFile("/usr/bin/telnet"));
    for (int id : pathIds) {
        EXPECT_TRUE(Control<wxTextCtrl>(sheet, kPathsPage, id).IsEmpty()) << id;
    }

    Choose(Control<wxRadioButton>(sheet, kPathsPage, Paths::kTelnetId));
    wxTEST_DIALOG(Send(findPath, wxEVT_BUTTON), PickFile("/usr/bin/telnet"));
    for (int id : pathIds) {
        const wxString expected = id == Paths::kTelnetPathId ? "/usr/bin/telnet" : "";
        EXPECT_EQ(Control<wxTextCtrl>(sheet, kPathsPage, id).GetValue(), expected) << id;
    }
    EXPECT_EQ(Read(kTelnetFilePath), "");
}

}  // namespace
}  // namespace quillox::prefs
