#pragma once

#include <string>

#include "store/encryption_form.h"

class wxDocument;
class wxPageSetupDialogData;
class wxView;
class wxWindow;

namespace quillox {

// What a document and its views need from the main window that shows them:
// the category bar, the status bar, the auto-save timer, the flag of Copy
// Card, the print settings and the windows of the documents. The main frame
// implements it and hands itself to every document it creates.
class DocumentHost {
  public:
    // The window the document's dialogs open over.
    virtual wxWindow* DialogParent() = 0;

    // The text the category bar shows (Windows-1252 bytes; empty when none).
    virtual std::string CurrentCategory() const = 0;
    // Shows name in the category bar without telling the views.
    virtual void SelectCategory(const std::string& name) = 0;
    // Shows the first entry of the category bar that begins with prefix, as
    // a remembered category is brought back.
    virtual void SelectCategoryByPrefix(const std::string& prefix) = 0;
    // The lock text and icon of the category bar; a locked file's text names
    // the form it is encrypted in.
    virtual void ShowLockStatus(bool locked, EncryptionForm form) = 0;

    // The status bar's "Items: " pane.
    virtual void ShowItemCount(long count) = 0;
    // Restarts the auto-save period from the preferences.
    virtual void ArmAutoSaveTimer() = 0;

    // Set by Copy Card in any window and cleared by Paste Card.
    virtual int GetCardCopiedFlag() const = 0;
    virtual void SetCardCopiedFlag(int flag) = 0;

    // "Print ATM" and "Print Notes" as the main window holds them.
    virtual bool PrintAtmCodes() const = 0;
    virtual bool PrintNotes() const = 0;
    // The printer, paper and margins chosen in Print Setup, kept while the
    // program runs.
    virtual wxPageSetupDialogData& PageSetup() = 0;
    // The category bar hides while a print preview runs.
    virtual void ShowCategoryBar(bool shown) = 0;

    // Makes the window in which view shows document.
    virtual wxWindow* CreateDocumentWindow(wxDocument& document, wxView& view) = 0;

  protected:
    ~DocumentHost() = default;
};

}  // namespace quillox
