#include "output/print_commands.h"

#include <wx/print.h>

#include "document/quillox_doc.h"
#include "output/card_printout.h"
#include "ui/message_box.h"

namespace quillox::output {

void PrintCards(CQuilloxNewDoc& document) {
    DocumentHost& host = document.Host();
    wxPrintDialogData dialogData(host.PageSetup().GetPrintData());
    wxPrinter printer(&dialogData);
    CardPrintout printout(document, host.PageSetup());
    if (printer.Print(host.DialogParent(), &printout, true)) {
        host.PageSetup().GetPrintData() = printer.GetPrintDialogData().GetPrintData();
    }
}

bool PreviewCards(CQuilloxNewDoc& document) {
    DocumentHost& host = document.Host();
    host.ShowCategoryBar(false);
    const wxPageSetupDialogData& setup = host.PageSetup();
    wxPrintDialogData dialogData(setup.GetPrintData());
    auto* preview = new wxPrintPreview(new CardPrintout(document, setup),
                                       new CardPrintout(document, setup), &dialogData);
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
