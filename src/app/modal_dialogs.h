#pragma once

#include <wx/dialog.h>
#include <wx/modalhook.h>
#include <set>

namespace quillox {

// The modal dialogs open now, as the program's own windows show them.
class ModalDialogs : public wxModalDialogHook {
  public:
    ModalDialogs() { Register(); }
    ~ModalDialogs() override { Unregister(); }
    ModalDialogs(const ModalDialogs&) = delete;
    ModalDialogs& operator=(const ModalDialogs&) = delete;

    bool AnyOpen() const { return !open_.empty(); }

  protected:
    int Enter(wxDialog* dialog) override {
        open_.insert(dialog);
        return wxID_NONE;
    }
    void Exit(wxDialog* dialog) override { open_.erase(dialog); }

  private:
    std::set<wxDialog*> open_;
};

}  // namespace quillox
