#include "web/browser_opener.h"

#include <wx/app.h>
#include <wx/log.h>
#include <wx/process.h>
#include <wx/time.h>
#include <wx/timer.h>
#include <wx/utils.h>
#include <algorithm>
#include <cstdio>

#include "store/text_codec.h"
#include "ui/message_box.h"
#include "web/browser_dde.h"
#include "web/desktop_programs.h"
#include "web/forwarding_page.h"
#include "web/launch_arguments.h"
#include "web/private_pages.h"
#include "web/program_start.h"

namespace quillox::web {

namespace {

// Told once the current event ends: a process's end or a command may be
// what brings it.
void TellUser(const wxString& text) {
    if (wxTheApp != nullptr) {
        wxTheApp->CallAfter([text] { ShowMessage(text); });
    }
}

}  // namespace

// An xdg-open on its way: falls back to DDE when it fails soon after its start.
class BrowserOpener::Watch : public wxProcess {
  public:
    Watch(BrowserOpener& opener, std::string address, std::string page, bool newWindow)
        : opener_(&opener),
          address_(std::move(address)),
          page_(std::move(page)),
          newWindow_(newWindow),
          started_(wxGetLocalTimeMillis()) {}

    const std::string& Address() const { return address_; }
    // The forwarding page xdg-open was given, if any.
    const std::string& PagePath() const { return page_; }
    bool NewWindow() const { return newWindow_; }
    // The opener is gone; the program may still end later.
    void Forget() { opener_ = nullptr; }

    void OnTerminate(int, int status) override {
        if (opener_ != nullptr) {
            const bool failed =
                status != 0 && (wxGetLocalTimeMillis() - started_).ToLong() <= kFallbackWindowMs;
            opener_->WatchEnded(*this, status, failed);
        }
        delete this;
    }

  private:
    BrowserOpener* opener_;
    std::string address_;
    std::string page_;
    bool newWindow_;
    wxLongLong started_;
};

// A forwarding page, removed when its time is up or with the opener.
class BrowserOpener::Page : public wxTimer {
  public:
    Page(std::string path, int lifetimeMs) : path_(std::move(path)) { StartOnce(lifetimeMs); }
    ~Page() override { Remove(); }
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    const std::string& Path() const { return path_; }
    bool Removed() const { return removed_; }
    void Remove() {
        Stop();
        if (!removed_) {
            std::remove(path_.c_str());
            removed_ = true;
        }
    }
    void Notify() override { Remove(); }

  private:
    std::string path_;
    bool removed_ = false;
};

BrowserOpener::BrowserOpener(DdeInstance& dde, std::string pageFolder, int pageLifetimeMs)
    : dde_(dde), pageFolder_(std::move(pageFolder)), pageLifetimeMs_(pageLifetimeMs) {
    if (!pageFolder_.empty()) {
        RemoveStalePages(pageFolder_, std::chrono::seconds(pageLifetimeMs_ / 1000 + 1));
    }
}

BrowserOpener::~BrowserOpener() {
    for (Watch* watch : watches_) {
        watch->Forget();
    }
}

std::vector<std::string> BrowserOpener::Pages() const {
    std::vector<std::string> paths;
    for (const auto& page : pages_) {
        if (!page->Removed()) {
            paths.push_back(page->Path());
        }
    }
    return paths;
}

void BrowserOpener::Open(const std::string& address, bool newWindow) {
    const std::string utf8 = Cp1252ToUtf8(address);
    // An address that a program would take for an option goes only the DDE
    // way, as does one with credentials that no page may send the browser to.
    if (!IsSafeAddressArgument(utf8) || (CarriesCredentials(utf8) && !IsForwardable(utf8))) {
        OpenThroughDde(address, newWindow);
        return;
    }
    std::string page;
    if (CarriesCredentials(utf8)) {
        page = WriteForwardingPage(utf8);
        if (page.empty()) {
            return;
        }
    }
    if (!StartOpener(address, page, newWindow) && !page.empty()) {
        RemovePage(page);
    }
}

bool BrowserOpener::StartOpener(const std::string& address, const std::string& page,
                                bool newWindow) {
    const std::string argument = page.empty() ? Cp1252ToUtf8(address) : FileAddress(page);
    if (const std::string xdgOpen = DesktopOpenerProgram(); !xdgOpen.empty()) {
        auto* watch = new Watch(*this, address, page, newWindow);
        if (StartProgram({xdgOpen, argument}, watch, ProgramErrors::kDropped)) {
            watches_.push_back(watch);
            return true;
        }
        delete watch;
        if (!OpenThroughDde(address, newWindow)) {
            TellUser("xdg-open could not be started to open the web page.");
        }
        return false;
    }
    wxLogNull quiet;
    if (!wxLaunchDefaultBrowser(wxString::FromUTF8(argument),
                                newWindow ? wxBROWSER_NEW_WINDOW : 0)) {
        if (!OpenThroughDde(address, newWindow)) {
            TellUser(NoOpenerMessage());
        }
        return false;
    }
    return true;
}

void BrowserOpener::WatchEnded(Watch& watch, int status, bool failed) {
    watches_.erase(std::remove(watches_.begin(), watches_.end(), &watch), watches_.end());
    if (failed) {
        // No browser will read the page now.
        RemovePage(watch.PagePath());
        if (!OpenThroughDde(watch.Address(), watch.NewWindow())) {
            TellUser(
                wxString::Format("xdg-open could not open the web page (exit status %d).", status));
        }
    }
}

bool BrowserOpener::OpenThroughDde(const std::string& address, bool newWindow) {
    return OpenAddressThroughDde(dde_, address, newWindow);
}

std::string BrowserOpener::WriteForwardingPage(const std::string& utf8Address) {
    // Pages whose time is up are done with.
    pages_.erase(std::remove_if(pages_.begin(), pages_.end(),
                                [](const auto& page) { return page->Removed(); }),
                 pages_.end());
    std::string error;
    const std::optional<std::string> path =
        WritePrivatePage(pageFolder_, ForwardingPage(utf8Address), error);
    if (!path) {
        TellUser(
            "The web page could not be opened: the page that passes the user id and "
            "password to the browser could not be written.\n\n" +
            wxString::FromUTF8(error));
        return {};
    }
    pages_.push_back(std::make_unique<Page>(*path, pageLifetimeMs_));
    return *path;
}

void BrowserOpener::RemovePage(const std::string& path) {
    for (const auto& page : pages_) {
        if (page->Path() == path) {
            page->Remove();
        }
    }
}

}  // namespace quillox::web
