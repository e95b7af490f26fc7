#include "cards/clipboard_text.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/module.h>
#include <wx/timer.h>
#include <chrono>
#include <memory>
#include <string>

#include "cards/clipboard_expiry.h"
#include "cards/clipboard_privacy.h"
#include "prefs/settings.h"
#include "store/secure_wipe.h"
#include "store/text_codec.h"

namespace quillox {

namespace {

// Tried again this much later when the clipboard could not be opened.
constexpr int kRetryMilliseconds = 1000;

class TakeBackTimer : public wxTimer {
  public:
    void Notify() override { TakeBackClipboardText(); }
};

struct Keeper {
    ClipboardExpiry expiry;
    // Made at the first copy: a timer needs the running program.
    std::unique_ptr<TakeBackTimer> timer;
};

Keeper& TheKeeper() {
    static Keeper keeper;
    return keeper;
}

// The timer goes with wxWidgets, not with the program's statics after it: on
// Windows a timer outliving the toolkit kept the process from ending.
class ClipboardTimerModule : public wxModule {
  public:
    bool OnInit() override { return true; }
    void OnExit() override { TheKeeper().timer.reset(); }

  private:
    wxDECLARE_DYNAMIC_CLASS(ClipboardTimerModule);
};

wxIMPLEMENT_DYNAMIC_CLASS(ClipboardTimerModule, wxModule);

void StartTimer(Keeper& keeper, int milliseconds) {
    if (!keeper.timer) {
        keeper.timer = std::make_unique<TakeBackTimer>();
    }
    keeper.timer->StartOnce(milliseconds);
}

// The text with the marks that clipboard histories honour: they keep no copy
// of what carries them.
wxDataObject* SecretTextData(const wxString& text) {
    auto* data = new wxDataObjectComposite;
    data->Add(new wxTextDataObject(text), true);
    for (const ClipboardPrivacyMark& mark : ClipboardPrivacyMarks()) {
        auto* hint = new wxCustomDataObject(wxDataFormat(mark.format));
        hint->SetData(mark.data.size(), mark.data.data());
        data->Add(hint);
    }
    return data;
}

// Taking the clipboard with an empty text and letting it go again leaves it
// empty, also where a clipboard manager holds a copy of what we put there.
void EmptyOpenClipboard() {
    wxTheClipboard->SetData(new wxTextDataObject(wxString()));
    wxTheClipboard->Clear();
}

}  // namespace

ClipboardResult PutTextOnClipboard(std::string_view text) {
    if (!wxTheClipboard->Open()) {
        return ClipboardResult::NotOpened;
    }
    std::string utf8 = Cp1252ToUtf8(text);
    const bool set = wxTheClipboard->SetData(SecretTextData(wxString::FromUTF8(utf8)));
    wxTheClipboard->Close();
    if (set) {
        Keeper& keeper = TheKeeper();
        keeper.expiry.Placed(utf8, prefs::Read(prefs::kClearClipboardSeconds));
        if (const auto delay = keeper.expiry.Delay()) {
            StartTimer(keeper,
                       static_cast<int>(
                           std::chrono::duration_cast<std::chrono::milliseconds>(*delay).count()));
        } else if (keeper.timer) {
            keeper.timer->Stop();
        }
    }
    // Often a password: leave no copy of our own behind.
    SecureWipe(utf8);
    return set ? ClipboardResult::Placed : ClipboardResult::NotSet;
}

void TakeBackClipboardText() {
    Keeper& keeper = TheKeeper();
    if (keeper.timer) {
        keeper.timer->Stop();
    }
    if (!keeper.expiry.Delay()) {
        return;
    }
    if (!wxTheClipboard->Open()) {
        StartTimer(keeper, kRetryMilliseconds);
        return;
    }
    wxTextDataObject data;
    if (wxTheClipboard->IsSupported(wxDF_UNICODETEXT) && wxTheClipboard->GetData(data)) {
        std::string current = data.GetText().utf8_string();
        if (keeper.expiry.TakeBack(current)) {
            EmptyOpenClipboard();
        }
        SecureWipe(current);
    } else {
        keeper.expiry.Forget();
    }
    wxTheClipboard->Close();
}

}  // namespace quillox
