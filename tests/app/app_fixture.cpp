#include "app/app_fixture.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/config.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <fstream>

#include "app/category_bar.h"
#include "store/card_file.h"
#include "store/test_folder.h"

using namespace quillox;

namespace fs = std::filesystem;

wxApp* CreateTestApp() {
    PrepareTestEnvironment("quillox-app-tests-");
    auto* app = new QuilloxApp;
    app->DisableSplash();
    return app;
}

void AppTest::SetUp() {
    folder_ = quillox::testing::FreshTestFolder("quillox-app-");
    wxConfigBase::Get()->DeleteAll();
    // The frame caches some settings, as at start-up; each test starts from
    // the defaults, whatever the one before chose.
    Frame()->LoadHelperPathCache();
    ProcessPendingEvents();
}

void AppTest::TearDown() {
    CloseAllQuietly();
    fs::remove_all(folder_);
}

CMainFrame* AppTest::Frame() {
    return GetMainFrame();
}

wxDocManager* AppTest::Manager() {
    return Frame()->GetDocumentManager();
}

CQuilloxNewDoc* AppTest::ActiveDoc() {
    return Frame()->ActiveDocument();
}

CQuilloxNewView* AppTest::ActiveView() {
    return Frame()->ActiveView();
}

std::string AppTest::Path(const std::string& name) const {
    return (folder_ / std::filesystem::u8path(name)).u8string();
}

std::string AppTest::WriteFile(const std::string& name, const std::vector<CardSpec>& cards,
                               const std::string& password) const {
    CardCollection collection;
    for (const CardSpec& spec : cards) {
        auto card = std::make_unique<CardRecord>();
        card->SetField1(spec.name);
        card->SetField4(spec.password);
        card->SetCategoryId(static_cast<CategoryId>(spec.category));
        card->SetModified(spec.modified);
        card->SetField2(spec.field2);
        card->SetField3(spec.field3);
        card->SetNote(spec.note);
        card->SetAttributeFlags(spec.attributes);
        if (spec.deleted) {
            card->SetDeleted(true);
            collection.AddToDeleted(std::move(card));
        } else {
            collection.AddCard(spec.category, std::move(card));
        }
    }
    if (!password.empty()) {
        collection.SetEncryptOnSave(true);
        collection.SetFilePassword(SecretString(password));
        // The least key cost: the window tests open such files many times.
        collection.SetKdfCost(KdfCost{1, 8192});
    }
    const std::string path = Path(name);
    EXPECT_TRUE(SaveCardFileToPath(collection, path, nullptr));
    return path;
}

CQuilloxNewDoc* AppTest::OpenDocument(const std::string& path) {
    wxDocument* document = Manager()->CreateDocument(wxString(path), wxDOC_SILENT);
    ProcessPendingEvents();
    return dynamic_cast<CQuilloxNewDoc*>(document);
}

namespace {

// Menu commands arrive at the window whose menu bar is shown: the active
// document window, or the main frame when there is none.
wxWindow* CommandTarget() {
    wxWindow* child = GetMainFrame()->GetActiveChild();
    return child != nullptr ? child : GetMainFrame();
}

}  // namespace

void AppTest::SendCommand(int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(CommandTarget());
    CommandTarget()->ProcessWindowEvent(event);
    ProcessPendingEvents();
}

bool AppTest::IsEnabled(int id) {
    wxUpdateUIEvent event(id);
    event.SetEventObject(CommandTarget());
    CommandTarget()->ProcessWindowEvent(event);
    return !event.GetSetEnabled() || event.GetEnabled();
}

void AppTest::ChooseCategory(const std::string& name) {
    wxChoice* selector = Frame()->GetCategoryBar()->Selector();
    selector->SetStringSelection(wxString(name));
    wxCommandEvent event(wxEVT_CHOICE, selector->GetId());
    event.SetEventObject(selector);
    event.SetInt(selector->GetSelection());
    selector->ProcessWindowEvent(event);
    ProcessPendingEvents();
}

std::vector<std::string> AppTest::Column(int column) {
    std::vector<std::string> texts;
    CQuilloxNewView* view = ActiveView();
    if (view == nullptr) {
        return texts;
    }
    wxDataViewModel* model = view->ListControl()->GetModel();
    const auto* list = dynamic_cast<wxDataViewVirtualListModel*>(model);
    for (unsigned row = 0; row < list->GetCount(); ++row) {
        wxVariant value;
        list->GetValueByRow(value, row, static_cast<unsigned>(column));
        texts.push_back(value.GetString().utf8_string());
    }
    return texts;
}

void AppTest::CloseAllQuietly() {
    for (wxDocument* document : Manager()->GetDocumentsVector()) {
        document->Modify(false);
    }
    Manager()->CloseDocuments(true);
    ProcessPendingEvents();
}

wxString AppTest::LockText() {
    return Frame()->GetCategoryBar()->LockText()->GetLabel();
}

ExpectDialog<FileEncryptionDialog> ChooseEncryption(bool ticked, const wxString& first,
                                                    const wxString& second,
                                                    std::optional<EncryptionForm> form) {
    return ExpectDialog<FileEncryptionDialog>([=](FileEncryptionDialog* dialog) {
        Control<wxCheckBox>(*dialog, FileEncryptionDialog::kEncryptId).SetValue(ticked);
        Control<wxTextCtrl>(*dialog, FileEncryptionDialog::kFirstEntryId).SetValue(first);
        Control<wxTextCtrl>(*dialog, FileEncryptionDialog::kSecondEntryId).SetValue(second);
        if (form) {
            Control<wxRadioButton>(*dialog, *form == EncryptionForm::Strong
                                                ? FileEncryptionDialog::kStrongId
                                                : FileEncryptionDialog::kCompatibleId)
                .SetValue(true);
        }
        return wxID_OK;
    });
}
