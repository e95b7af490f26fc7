// The list's output commands: Export To Text, Export To XML, Print and Print
// Preview. They read the document's cards and write nothing back.
#include "cards/quillox_view.h"
#include "document/quillox_doc.h"
#include "output/export_commands.h"
#include "output/print_commands.h"
#include "ui/command_ids.h"

namespace quillox {

// The document manager answers Print and Print Preview itself, with an empty
// page, unless the view takes them first.
void CQuilloxNewView::BindOutputCommands() {
    Bind(wxEVT_MENU, &CQuilloxNewView::OnExportText, this, cmd::kExportText);
    Bind(wxEVT_MENU, &CQuilloxNewView::OnExportXml, this, cmd::kExportXml);
    Bind(wxEVT_MENU, &CQuilloxNewView::OnPrint, this, wxID_PRINT);
    Bind(wxEVT_MENU, &CQuilloxNewView::OnPrintPreview, this, wxID_PREVIEW);
    Bind(wxEVT_UPDATE_UI, &CQuilloxNewView::OnUpdateAlways, this, cmd::kExportText);
    Bind(wxEVT_UPDATE_UI, &CQuilloxNewView::OnUpdateAlways, this, cmd::kExportXml);
    Bind(wxEVT_UPDATE_UI, &CQuilloxNewView::OnUpdatePrint, this, wxID_PRINT);
    Bind(wxEVT_UPDATE_UI, &CQuilloxNewView::OnUpdatePrint, this, wxID_PREVIEW);
    Bind(wxEVT_UPDATE_UI, &CQuilloxNewView::OnUpdatePrint, this, wxID_PRINT_SETUP);
}

void CQuilloxNewView::OnExportText(wxCommandEvent&) {
    if (const CQuilloxNewDoc* document = Document()) {
        output::ExportToText(*document, GetFrame());
    }
}

void CQuilloxNewView::OnExportXml(wxCommandEvent&) {
    if (const CQuilloxNewDoc* document = Document()) {
        output::ExportToXml(*document, GetFrame());
    }
}

// Ctrl+P arrives even while the command is disabled; then it does nothing.
void CQuilloxNewView::OnPrint(wxCommandEvent&) {
    if (CQuilloxNewDoc* document = Document(); document != nullptr && document->HasCards()) {
        output::PrintCards(*document);
    }
}

void CQuilloxNewView::OnPrintPreview(wxCommandEvent&) {
    if (CQuilloxNewDoc* document = Document(); document != nullptr && document->HasCards()) {
        output::PreviewCards(*document);
    }
}

// Print, Print Preview and, while a document is open, Print Setup need at
// least one card, deleted ones included.
void CQuilloxNewView::OnUpdatePrint(wxUpdateUIEvent& event) {
    event.Enable(Document() != nullptr && Document()->HasCards());
}

}  // namespace quillox
