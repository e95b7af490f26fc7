#include "app/splash_window.h"

#include <wx/modalhook.h>
#include <wx/splash.h>

#include "ui/art/art.h"

namespace quillox::splash {

namespace {

constexpr int kShowMilliseconds = 750;

bool enabled = true;
wxSplashScreen* current = nullptr;

// A dialog that opens while the splash shows (a password asked at start-up,
// a message) takes the keyboard: the splash goes first, or it would take the
// first key typed into the dialog.
class HideBeforeDialogs : public wxModalDialogHook {
  public:
    using wxModalDialogHook::Register;
    using wxModalDialogHook::Unregister;

  protected:
    int Enter(wxDialog*) override {
        Hide();
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}
};

HideBeforeDialogs dialogHook;

void SetCurrent(wxSplashScreen* splash) {
    if (current == nullptr && splash != nullptr) {
        dialogHook.Register();
    } else if (current != nullptr && splash == nullptr) {
        dialogHook.Unregister();
    }
    current = splash;
}

// Forgets the splash when it goes, whoever closes it.
class QuilloxSplash : public wxSplashScreen {
  public:
    QuilloxSplash(const wxBitmap& bitmap, wxWindow* parent)
        : wxSplashScreen(bitmap, wxSPLASH_CENTRE_ON_SCREEN | wxSPLASH_TIMEOUT, kShowMilliseconds,
                         parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                         wxFRAME_NO_TASKBAR | wxSTAY_ON_TOP | wxBORDER_NONE) {}
    ~QuilloxSplash() override {
        if (current == this) {
            SetCurrent(nullptr);
        }
    }
};

// Every kind of input the first key or click arrives as: the key table and
// the menus' own keys act on the key before the program sees it pressed.
bool IsKeyOrClick(wxEventType type) {
    return type == wxEVT_CHAR_HOOK || type == wxEVT_KEY_DOWN || type == wxEVT_MENU ||
           type == wxEVT_LEFT_DOWN || type == wxEVT_RIGHT_DOWN || type == wxEVT_MIDDLE_DOWN ||
           type == wxEVT_AUX1_DOWN || type == wxEVT_AUX2_DOWN;
}

// Ctrl, Alt or Shift held down on their own: the first key is the one
// pressed with them, as in Ctrl+O, and all of it goes to the splash.
bool IsModifierAlone(const wxEvent& event) {
    const auto* key = dynamic_cast<const wxKeyEvent*>(&event);
    if (key == nullptr) {
        return false;
    }
    switch (key->GetKeyCode()) {
        case WXK_SHIFT:
        case WXK_ALT:
        case WXK_CONTROL:
        case WXK_WINDOWS_LEFT:
        case WXK_WINDOWS_RIGHT:
            return true;
        default:
            return false;
    }
}

}  // namespace

void SetEnabled(bool on) {
    enabled = on;
}

void Show(wxWindow* parent) {
    if (!enabled || current != nullptr) {
        return;
    }
    const wxBitmap bitmap = SplashBitmap();
    if (!bitmap.IsOk()) {
        return;
    }
    SetCurrent(new QuilloxSplash(bitmap, parent));
    current->Update();
}

void Hide() {
    if (current != nullptr) {
        wxSplashScreen* closing = current;
        SetCurrent(nullptr);
        // Off the screen at once: its window goes only when the program is idle.
        closing->Hide();
        closing->Destroy();
        if (wxWindow* parent = closing->GetParent()) {
            parent->Refresh();
            parent->Update();
        }
    }
}

bool IsShowing() {
    return current != nullptr;
}

bool TakesEvent(const wxEvent& event) {
    if (current == nullptr) {
        return false;
    }
    if (!IsKeyOrClick(event.GetEventType())) {
        return false;
    }
    if (!IsModifierAlone(event)) {
        Hide();
    }
    return true;
}

}  // namespace quillox::splash
