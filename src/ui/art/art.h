#pragma once

#include <wx/bmpbndl.h>
#include <wx/iconbndl.h>

namespace quillox {

// The program's pictures, drawn from SVG files built into it.
enum class ArtId {
    FileNew,
    FileOpen,
    FileSave,
    SetPassword,
    CopyPassword,
    Print,
    WebBrowser,
    LoadWebPage,
    GetWebPage,
    AddCard,
    DeleteCard,
    UpdateCard,
    Find,
    ReadHelp,
    About,
    LockOpen,
    LockClosed,
    ShowPassword,
    EditUrl,
    DocumentPlain,
    DocumentEncrypted,
    AppIcon,
};

// The picture at defaultSize and scaled for the screen's resolution. Drawn
// for: toolbar buttons 20x20, locks, the show-password eye and the edit-URL
// pencil 16x16, documents 32x32, the program icon 48x48.
wxBitmapBundle ArtBundle(ArtId id, const wxSize& defaultSize);

// The picture as a disabled button shows it: grey and pale, so that it reads
// as unavailable at a glance, and as opaque as the picture, so that no
// toolkit loses it.
wxBitmapBundle DisabledArtBundle(ArtId id, const wxSize& defaultSize);

// The start-up picture, 400x250.
wxBitmap SplashBitmap();

// The program icon at 16, 32 and 48 pixels.
wxIconBundle AppIcons();

}  // namespace quillox
