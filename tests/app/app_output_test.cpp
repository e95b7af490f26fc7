// Export To Text and Export To XML, driven through the menus.
#include <wx/filedlg.h>
#include <wx/stdpaths.h>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/app_fixture.h"
#include "output/text_export.h"
#include "prefs/settings.h"
#include "support/file_access.h"
#include "ui/command_ids.h"

using namespace quillox;

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Answers an export's Save-as dialog with name after checking what it shows;
// it starts in folder, by default the one of the test's files.
ExpectDialog<wxFileDialog> SaveExportAs(const char* title, const char* initialName,
                                        const char* wildcard, const std::string& name,
                                        const wxString& folder = wxString()) {
    return ExpectDialog<wxFileDialog>([=](wxFileDialog* dialog) {
        EXPECT_EQ(dialog->GetMessage(), title);
        EXPECT_EQ(
            dialog->GetDirectory(),
            folder.empty() ? wxString(std::filesystem::path(name).parent_path().string()) : folder);
        EXPECT_EQ(dialog->GetFilename(), initialName);
        EXPECT_EQ(dialog->GetWildcard(), wildcard);
        EXPECT_TRUE(dialog->HasFlag(wxFD_OVERWRITE_PROMPT));
        dialog->SetPath(wxString(name));
        return wxID_OK;
    });
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

}  // namespace

// Names outside ASCII, and on Windows outside the ANSI code page, reach the
// file system as they are.
TEST_F(AppTest, AFolderAndFileOfAnyNameOpenSaveAndExport) {
    const std::string folder = Path("Caf\xC3\xA9 \xE2\x82\xAC");
    std::filesystem::create_directory(std::filesystem::u8path(folder));
    const std::string path =
        WriteFile("Caf\xC3\xA9 \xE2\x82\xAC/cartes \xD0\x9A.qxf", {{0, "site", "secret"}});
    auto* document = dynamic_cast<CQuilloxNewDoc*>(
        Manager()->CreateDocument(wxString::FromUTF8(path), wxDOC_SILENT));
    ProcessPendingEvents();
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->GetFilename(), wxString::FromUTF8(path));
    EXPECT_EQ(document->GetUserReadableName(), wxString::FromUTF8("cartes \xD0\x9A.qxf"));

    const std::string saved = ReadBytes(path);
    document->Modify(true);
    SendCommand(wxID_SAVE);
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(ReadBytes(path), saved);

    const std::string exported = folder + "/export \xD0\x9A.txt";
    wxTEST_DIALOG(SendCommand(cmd::kExportText),
                  wxExpectModal<wxFileDialog>(wxString::FromUTF8(exported)));
    EXPECT_NE(ReadBytes(exported).find(" Password  secret\r\n"), std::string::npos);
    const auto entries =
        std::distance(std::filesystem::directory_iterator(std::filesystem::u8path(folder)),
                      std::filesystem::directory_iterator());
    EXPECT_EQ(entries, 2);
}

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
    EXPECT_TRUE(quillox::testing::OwnerOnly(exported));
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
    wxTEST_DIALOG(
        SendCommand(cmd::kExportText),
        SaveExportAs("Save Data File As Text", "cards.txt", "Text File (*.txt)|*.txt",
                     Path("folder.txt")),
        ExpectError("The file " + Path("folder.txt") + " could not be written: Is a directory."));
    const std::string before = ReadBytes(path);
    wxTEST_DIALOG(
        SendCommand(cmd::kExportText),
        SaveExportAs("Save Data File As Text", "cards.txt", "Text File (*.txt)|*.txt", path),
        ExpectError("The file " + path +
                    " could not be written: it is the data file of this document."));
    EXPECT_EQ(ReadBytes(path), before);

    // A document never saved exports to the documents folder to begin with.
    SendCommand(wxID_NEW);
    wxTEST_DIALOG(SendCommand(cmd::kExportText),
                  SaveExportAs("Save Data File As Text", "Untitled1.txt", "Text File (*.txt)|*.txt",
                               Path("new.txt"), wxStandardPaths::Get().GetDocumentsDir()));
    EXPECT_TRUE(std::filesystem::exists(Path("new.txt")));
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
    EXPECT_TRUE(quillox::testing::OwnerOnly(exported));

    // A failed export says so and leaves the previous file as it was.
    std::filesystem::create_directory(Path("folder.xml"));
    wxTEST_DIALOG(
        SendCommand(cmd::kExportXml), ExpectMessage(warning, wxID_YES),
        SaveExportAs("Save Data File As XML File", "my cards.xml", "XML (*.xml)|*.xml",
                     Path("folder.xml")),
        ExpectError("The file " + Path("folder.xml") + " could not be written: Is a directory."));
    EXPECT_TRUE(std::filesystem::is_directory(Path("folder.xml")));
}
