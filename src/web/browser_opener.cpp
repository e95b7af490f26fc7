#include "web/browser_opener.h"

#include <wx/log.h>
#include <wx/process.h>
#include <wx/time.h>
#include <wx/utils.h>
#include <algorithm>

#include "store/text_codec.h"
#include "web/browser_dde.h"
#include "web/launch_arguments.h"
#include "web/program_start.h"

namespace quillox::web {

// An xdg-open on its way: falls back to DDE when it fails soon after its start.
class BrowserOpener::Watch : public wxProcess {
  public:
    Watch(BrowserOpener& opener, std::string address, bool newWindow)
        : opener_(&opener),
          address_(std::move(address)),
          newWindow_(newWindow),
          started_(wxGetLocalTimeMillis()) {}

    const std::string& Address() const { return address_; }
    bool NewWindow() const { return newWindow_; }
    // The opener is gone; the program may still end later.
    void Forget() { opener_ = nullptr; }

    void OnTerminate(int, int status) override {
        if (opener_ != nullptr) {
            const bool failed =
                status != 0 && (wxGetLocalTimeMillis() - started_).ToLong() <= kFallbackWindowMs;
            opener_->WatchEnded(*this, failed);
        }
        delete this;
    }

  private:
    BrowserOpener* opener_;
    std::string address_;
    bool newWindow_;
    wxLongLong started_;
};

BrowserOpener::BrowserOpener(DdeInstance& dde) : dde_(dde) {}

BrowserOpener::~BrowserOpener() {
    for (Watch* watch : watches_) {
        watch->Forget();
    }
}

void BrowserOpener::Open(const std::string& address, bool newWindow) {
    const std::string utf8 = Cp1252ToUtf8(address);
    // An address that a program would take for an option goes only the DDE way.
    if (!IsSafeAddressArgument(utf8)) {
        OpenThroughDde(address, newWindow);
        return;
    }
#if !defined(_WIN32)
    if (const std::string xdgOpen = ProgramToStart("xdg-open"); !xdgOpen.empty()) {
        auto* watch = new Watch(*this, address, newWindow);
        if (StartProgram({xdgOpen, utf8}, watch)) {
            watches_.push_back(watch);
        } else {
            delete watch;
            OpenThroughDde(address, newWindow);
        }
        return;
    }
#endif
    wxLogNull quiet;
    if (!wxLaunchDefaultBrowser(wxString::FromUTF8(utf8), newWindow ? wxBROWSER_NEW_WINDOW : 0)) {
        OpenThroughDde(address, newWindow);
    }
}

void BrowserOpener::WatchEnded(Watch& watch, bool failed) {
    watches_.erase(std::remove(watches_.begin(), watches_.end(), &watch), watches_.end());
    if (failed) {
        OpenThroughDde(watch.Address(), watch.NewWindow());
    }
}

void BrowserOpener::OpenThroughDde(const std::string& address, bool newWindow) {
    OpenAddressThroughDde(dde_, address, newWindow);
}

}  // namespace quillox::web
