#include "document/about_keys_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace quillox {

namespace {

constexpr const char* kParagraphs[] = {
    "The security of your encrypted data is determined by the key length (the number of "
    "characters). Do not only use lowercase letters. Please use upper- and lowercase letters, "
    "numbers (0..9) and characters like *, + etc.",
    "You may also use an entire phrase instead of a word/key. Your phrase can be 56 characters "
    "long. Below a table with time estimates for a hardware brute-force attack with a computer "
    "that can test a million keys per second. ",
    "Such a computer would cost around a million dollars.",
};

constexpr const char* kTable[] = {
    "Key Length - Time Estimate",
    "8 characters - 37 days",
    "10 characters - 7000 years",
    "14 characters - 10 exp 13 years",
};

constexpr const char* kSource =
    "Source: Bruce Schneier, Applied Cryptography, 2nd edition, page 153, table 7.1";

}  // namespace

AboutKeysDialog::AboutKeysDialog(wxWindow* parent) : wxDialog(parent, wxID_ANY, "About Keys") {
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, "About Keys Information");
    wxStaticBox* box = group->GetStaticBox();
    const int wrapWidth = FromDIP(380);
    for (const char* paragraph : kParagraphs) {
        auto* text = new wxStaticText(box, wxID_ANY, paragraph);
        text->Wrap(wrapWidth);
        group->Add(text, 0, wxALL, FromDIP(5));
    }
    auto* table = new wxBoxSizer(wxVERTICAL);
    for (const char* line : kTable) {
        table->Add(new wxStaticText(box, wxID_ANY, line));
    }
    group->Add(table, 0, wxALL, FromDIP(5));
    auto* source = new wxStaticText(box, wxID_ANY, kSource);
    source->Wrap(wrapWidth);
    group->Add(source, 0, wxALL, FromDIP(5));

    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();

    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(group, 1, wxEXPAND | wxALL, FromDIP(10));
    layout->Add(ok, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, FromDIP(10));
    SetSizerAndFit(layout);
    CentreOnParent();
}

}  // namespace quillox
