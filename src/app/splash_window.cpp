#include "app/splash_window.h"

#include <wx/splash.h>

#include "ui/art/art.h"

namespace quillox::splash {

namespace {

constexpr int kShowMilliseconds = 750;

bool enabled = true;
wxSplashScreen* current = nullptr;

// Forgets the splash when it goes, whoever closes it.
class QuilloxSplash : public wxSplashScreen {
  public:
    QuilloxSplash(const wxBitmap& bitmap, wxWindow* parent)
        : wxSplashScreen(bitmap, wxSPLASH_CENTRE_ON_SCREEN | wxSPLASH_TIMEOUT, kShowMilliseconds,
                         parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                         wxFRAME_NO_TASKBAR | wxSTAY_ON_TOP | wxBORDER_NONE) {}
    ~QuilloxSplash() override {
        if (current == this) {
            current = nullptr;
        }
    }
};

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
    current = new QuilloxSplash(bitmap, parent);
    current->Update();
}

void Hide() {
    if (current != nullptr) {
        wxSplashScreen* closing = current;
        current = nullptr;
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
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_KEY_DOWN || type == wxEVT_LEFT_DOWN || type == wxEVT_RIGHT_DOWN ||
        type == wxEVT_MIDDLE_DOWN) {
        Hide();
        return true;
    }
    return false;
}

}  // namespace quillox::splash
