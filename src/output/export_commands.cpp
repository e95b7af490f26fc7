#include "output/export_commands.h"

#include <wx/datetime.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/stdpaths.h>
#include <filesystem>
#include <string>
#include <system_error>

#include "document/quillox_doc.h"
#include "output/export_messages.h"
#include "output/export_name.h"
#include "output/text_export.h"
#include "output/xml_export.h"
#include "ui/chosen_path_dialog.h"
#include "ui/message_box.h"

namespace quillox::output {

namespace {

struct ExportKind {
    const char* dialogTitle;
    const char* wildcard;
    const char* extension;
};

const ExportKind kText = {"Save Data File As Text", "Text File (*.txt)|*.txt", "txt"};
const ExportKind kXml = {"Save Data File As XML File", "XML (*.xml)|*.xml", "xml"};

const char* const kXmlWarning =
    "Be aware,the exported file will be plain text and not encrypted! Are you sure you want to "
    "continue? ";

// The document's title as exports write it.
std::string TitleOf(const CQuilloxNewDoc& document) {
    return document.GetUserReadableName().utf8_string();
}

PrintPreferences PreferencesOf(const CQuilloxNewDoc& document) {
    return PrintPreferences{document.Host().PrintNotes(), document.Host().PrintAtmCodes()};
}

// Paths in messages are the file system's bytes, as the exports got them.
void ShowFailure(const std::string& message) {
    ShowError(wxString(message.c_str(), *wxConvFileName));
}

// Exports go beside the data file; a document never saved has no folder of
// its own, and the working folder is seldom where the user looks for files.
wxString ExportFolder(const CQuilloxNewDoc& document) {
    if (document.HasFile()) {
        return wxFileName(document.GetFilename()).GetPath();
    }
    return wxStandardPaths::Get().GetDocumentsDir();
}

// The dialog asked before replacing the name as it was typed; a name that
// gets its extension only afterwards may still be an existing file.
bool MayReplace(const wxFileName& path, wxWindow* parent) {
    if (!path.FileExists()) {
        return true;
    }
    const wxString question = path.GetFullName() + " already exists.\nDo you want to replace it?";
    return wxMessageBox(question, "Quillox", wxYES_NO | wxICON_EXCLAMATION, parent) == wxYES;
}

// The file the user chooses for an export, or an empty text when none. The
// dialog starts with the document's title and the export's extension; a name
// typed without an extension gets it.
wxString AskExportPath(const CQuilloxNewDoc& document, wxWindow* parent, const ExportKind& kind) {
    const std::string name = SuggestedExportName(TitleOf(document), kind.extension);
    ChosenPathDialog dialog(parent, kind.dialogTitle, ExportFolder(document),
                            wxString::FromUTF8(name), kind.wildcard,
                            wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) {
        return wxString();
    }
    wxFileName chosen(dialog.ChosenPath());
    if (!chosen.HasExt()) {
        chosen.SetExt(kind.extension);
        if (!MayReplace(chosen, parent)) {
            return wxString();
        }
    }
    return chosen.GetFullPath();
}

// An export never replaces the document's own data file: the cards of an
// encrypted file would lie on disk in the clear, and the file could no
// longer be opened.
bool IsDataFileOf(const CQuilloxNewDoc& document, const std::string& path) {
    if (!document.HasFile()) {
        return false;
    }
    std::error_code error;
    const bool same =
        std::filesystem::equivalent(std::filesystem::u8path(ToStorePath(document.GetFilename())),
                                    std::filesystem::u8path(path), error);
    if (same && !error) {
        ShowFailure(ExportFailureMessage(path, "it is the data file of this document"));
        return true;
    }
    return false;
}

// The file the user chose to export into; empty when they cancelled or chose
// the document's own data file.
std::string ChooseExportTarget(const CQuilloxNewDoc& document, wxWindow* parent,
                               const ExportKind& kind) {
    const wxString chosen = AskExportPath(document, parent, kind);
    if (chosen.empty()) {
        return std::string();
    }
    const std::string path = ToStorePath(chosen);
    return IsDataFileOf(document, path) ? std::string() : path;
}

}  // namespace

void ExportToText(const CQuilloxNewDoc& document, wxWindow* parent) {
    const std::string path = ChooseExportTarget(document, parent, kText);
    if (path.empty()) {
        return;
    }
    const std::string date = wxDateTime::Today().FormatDate().utf8_string();
    std::string message;
    if (!ExportText(path, document.Cards(), TitleOf(document), date, PreferencesOf(document),
                    message)) {
        ShowFailure(message);
    }
}

void ExportToXml(const CQuilloxNewDoc& document, wxWindow* parent) {
    if (wxMessageBox(kXmlWarning, "Quillox", wxYES_NO | wxICON_EXCLAMATION, parent) != wxYES) {
        return;
    }
    const std::string path = ChooseExportTarget(document, parent, kXml);
    if (path.empty()) {
        return;
    }
    // The export checks first that libxml2 can write UTF-16.
    std::string message;
    if (!ExportXml(path, document.Cards(), TitleOf(document), PreferencesOf(document), message)) {
        ShowFailure(message);
    }
}

}  // namespace quillox::output
