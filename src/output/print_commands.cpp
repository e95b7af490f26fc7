#include "output/print_commands.h"

#include <wx/print.h>

#include "document/quillox_doc.h"
#include "output/card_printout.h"
#include "ui/message_box.h"

namespace quillox::output {

void PrintCards(CQuilloxNewDoc& document) {
    DocumentHost& host = document.Host();
    wxPrintDialogData dialogData(host.PrintData());
    wxPrinter printer(&dialogData);
    CardPrintout printout(document);
    if (printer.Print(host.DialogParent(), &printout, true)) {
        host.PrintData() = printer.GetPrintDialogData().GetPrintData();
    }
}

bool PreviewCards(CQuilloxNewDoc& document) {
    DocumentHost& host = document.Host();
    host.ShowCategoryBar(false);
    wxPrintDialogData dialogData(host.PrintData());
    auto* preview =
        new wxPrintPreview(new CardPrintout(document), new CardPrintout(document), &dialogData);
    if (!preview->IsOk()) {
        delete preview;
        host.ShowCategoryBar(true);
        ShowMessage("The print preview could not be shown.");
        return false;
    }
    wxWindow* parent = host.DialogParent();
    auto* frame = new wxPreviewFrame(preview, parent, "Print Preview", parent->GetPosition(),
                                     parent->GetSize());
    // Closing by its button, its window frame or Escape all end here.
    frame->Bind(wxEVT_CLOSE_WINDOW, [&host](wxCloseEvent& event) {
        host.ShowCategoryBar(true);
        event.Skip();
    });
    frame->Initialize();
    frame->Show();
    return true;
}

}  // namespace quillox::output
