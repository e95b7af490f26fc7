#include "ui/art/art.h"

#include <wx/icon.h>
#include <wx/image.h>
#include <wx/vector.h>

#include "ui/art/embedded_files.h"

namespace quillox {

namespace {

const char* FileOf(ArtId id) {
    switch (id) {
        case ArtId::FileNew:
            return "file_new.svg";
        case ArtId::FileOpen:
            return "file_open.svg";
        case ArtId::FileSave:
            return "file_save.svg";
        case ArtId::SetPassword:
            return "set_password.svg";
        case ArtId::CopyPassword:
            return "copy_password.svg";
        case ArtId::Print:
            return "print.svg";
        case ArtId::WebBrowser:
            return "web_browser.svg";
        case ArtId::LoadWebPage:
            return "load_web_page.svg";
        case ArtId::GetWebPage:
            return "get_web_page.svg";
        case ArtId::AddCard:
            return "add_card.svg";
        case ArtId::DeleteCard:
            return "delete_card.svg";
        case ArtId::UpdateCard:
            return "update_card.svg";
        case ArtId::Find:
            return "find.svg";
        case ArtId::ReadHelp:
            return "read_help.svg";
        case ArtId::About:
            return "about.svg";
        case ArtId::LockOpen:
            return "lock_open.svg";
        case ArtId::LockClosed:
            return "lock_closed.svg";
        case ArtId::ShowPassword:
            return "show_password.svg";
        case ArtId::EditUrl:
            return "edit_url.svg";
        case ArtId::DocumentPlain:
            return "document_plain.svg";
        case ArtId::DocumentEncrypted:
            return "document_encrypted.svg";
        case ArtId::AppIcon:
            return "app_icon.svg";
    }
    return "";
}

wxBitmapBundle FromEmbeddedSvg(const char* name, const wxSize& defaultSize) {
    const EmbeddedFile* file = FindEmbeddedFile(name);
    if (file == nullptr) {
        return {};
    }
    return wxBitmapBundle::FromSVG(file->data, file->size, defaultSize);
}

// Grey and pale, as the toolkit draws a disabled picture itself, but with the
// picture's own opacity: a toolkit that turns opacity into a mask (the
// Windows toolbar's image lists do) would drop a faint picture entirely.
wxBitmap Faded(const wxBitmap& bitmap) {
    return wxBitmap(bitmap.ConvertToImage().ConvertToGreyscale().ConvertToDisabled());
}

}  // namespace

const EmbeddedFile* FindEmbeddedFile(std::string_view name) {
    for (std::size_t i = 0; i < kEmbeddedFileCount; ++i) {
        if (name == kEmbeddedFiles[i].name) {
            return &kEmbeddedFiles[i];
        }
    }
    return nullptr;
}

wxBitmapBundle ArtBundle(ArtId id, const wxSize& defaultSize) {
    return FromEmbeddedSvg(FileOf(id), defaultSize);
}

wxBitmapBundle DisabledArtBundle(ArtId id, const wxSize& defaultSize) {
    const wxBitmapBundle normal = ArtBundle(id, defaultSize);
    // Drawn for ordinary and doubled screens alike.
    wxVector<wxBitmap> bitmaps;
    for (int scale : {1, 2}) {
        bitmaps.push_back(Faded(normal.GetBitmap(defaultSize * scale)));
    }
    return wxBitmapBundle::FromBitmaps(bitmaps);
}

wxBitmap SplashBitmap() {
    return FromEmbeddedSvg("splash.svg", wxSize(400, 250)).GetBitmap(wxDefaultSize);
}

wxIconBundle AppIcons() {
    wxIconBundle icons;
    // Each drawn at its own default size, so that none carries a scale factor.
    for (int side : {16, 32, 48}) {
        icons.AddIcon(ArtBundle(ArtId::AppIcon, wxSize(side, side)).GetIcon(wxDefaultSize));
    }
    return icons;
}

}  // namespace quillox
