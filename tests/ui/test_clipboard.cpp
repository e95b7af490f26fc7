#include "ui/test_clipboard.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>

std::string ClipboardText() {
    std::string text;
    if (wxTheClipboard->Open()) {
        wxTextDataObject data;
        if (wxTheClipboard->GetData(data)) {
            text = data.GetText().utf8_string();
        }
        wxTheClipboard->Close();
    }
    return text;
}

void PutOnClipboard(const wxString& text) {
    if (wxTheClipboard->Open()) {
        wxTheClipboard->SetData(new wxTextDataObject(text));
        wxTheClipboard->Close();
    }
}
