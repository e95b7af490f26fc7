// The main toolbar and the status bar.
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "app/main_frame.h"
#include "ui/art/art.h"
#include "ui/command_ids.h"

namespace quillox {

namespace {

struct Tool {
    int id;
    ArtId art;
    const char* help;  // status text, then the tooltip after the line break
    bool separatorAfter;
};

const Tool kTools[] = {
    {wxID_NEW, ArtId::FileNew, "Create a new document\nNew", false},
    {wxID_OPEN, ArtId::FileOpen, "Open an existing document\nOpen", false},
    {wxID_SAVE, ArtId::FileSave, "Save the active document\nSave", false},
    {cmd::kSetPassword, ArtId::SetPassword, "Set the password for File Encryption\nSet Password",
     true},
    {cmd::kCopyPasswordTool, ArtId::CopyPassword, "Copy Password to Clipboard\nCopy Password",
     true},
    {wxID_PRINT, ArtId::Print, "Print the active document\nPrint", true},
    {cmd::kLaunchBrowserTool, ArtId::WebBrowser, "", true},  // no tooltip, as it always had
    {cmd::kLoadWebPageTool, ArtId::LoadWebPage, "Load Web page into Browser\nLoad Web Page", false},
    {cmd::kGetWebPageTool, ArtId::GetWebPage, "Get Web page from Browser\nGet Web Page", true},
    {cmd::kAddCardTool, ArtId::AddCard, "Add a New Card To a Category\nAdd Card", true},
    {cmd::kDeleteCardTool, ArtId::DeleteCard, "Delete a Card From a Category\nDelete Card", false},
    {cmd::kUpdateCardTool, ArtId::UpdateCard, "Update a Card\nUpdate Card", true},
    {cmd::kFindTool, ArtId::Find, "Find string\nFind", true},
    {cmd::kOnlineDocumentation, ArtId::ReadHelp, "Read Help File\nRead Help", false},
    {wxID_ABOUT, ArtId::About, "Display program information, version number and copyright\nAbout",
     false},
};

}  // namespace

void CMainFrame::CreateMainToolBar() {
    wxToolBar* bar = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT);
    bar->SetToolBitmapSize(wxSize(20, 20));
    for (const Tool& tool : kTools) {
        const wxString help = wxString::FromUTF8(tool.help);
        const wxString status = help.BeforeFirst('\n');
        const wxString tip = help.AfterFirst('\n');
        // The label is what screen readers announce; the browser button, which
        // has no tooltip, still gets a name.
        const wxString label = tool.id == cmd::kLaunchBrowserTool ? wxString("Web Browser") : tip;
        bar->AddTool(tool.id, label, ArtBundle(tool.art, wxSize(20, 20)),
                     DisabledArtBundle(tool.art, wxSize(20, 20)), wxITEM_NORMAL, tip, status);
        if (tool.separatorAfter) {
            bar->AddSeparator();
        }
    }
    bar->Realize();
}

void CMainFrame::CreateMainStatusBar() {
    wxStatusBar* status = CreateStatusBar(5);
    // Room for "Items: 1000000" in the status bar's font, its margins and the
    // size grip, which takes the end of the last pane.
    const int countWidth = status->GetTextExtent("Items: 1000000").GetWidth() +
                           status->GetSize().GetHeight() + FromDIP(12);
    const int widths[] = {-1, 40, 40, 40, countWidth};
    const int styles[] = {wxSB_NORMAL, wxSB_SUNKEN, wxSB_SUNKEN, wxSB_SUNKEN, wxSB_NORMAL};
    status->SetStatusWidths(5, widths);
    status->SetStatusStyles(5, styles);
    status->SetStatusText("Items:", cmd::kItemCountPane);
}

}  // namespace quillox
