#pragma once

#include <memory>
#include <string>
#include <vector>

namespace quillox::web {

class DdeInstance;

// Opens addresses in the user's browser: through the desktop's own opener
// (xdg-open found on PATH, else wxWidgets' default browser, which alone can
// ask for a new window), and through a DDE browser serving "IExplore" when
// that route fails: its program cannot start, or xdg-open gives up within
// a few seconds. xdg-open is watched without blocking the windows. An
// address with a user name or password never goes on a command line, which
// every local user can read: the opener gets a page of the user's own that
// sends the browser on, removed again after a while or when the opener ends.
// A failed opener is told to the user.
class BrowserOpener {
  public:
    // How long after its start a failing xdg-open still sends the address
    // the DDE way: it ends once it has handed the address on, but may also
    // wait for the browser, whose end is no failure to open.
    static constexpr long kFallbackWindowMs = 10000;
    // How long a forwarding page stays: time enough for a browser to start.
    static constexpr int kPageLifetimeMs = 60000;

    // Pages go to pageFolder (see PrivatePagesFolder); those an earlier
    // program left there longer than pageLifetimeMs are removed now.
    BrowserOpener(DdeInstance& dde, std::string pageFolder, int pageLifetimeMs = kPageLifetimeMs);
    ~BrowserOpener();
    BrowserOpener(const BrowserOpener&) = delete;
    BrowserOpener& operator=(const BrowserOpener&) = delete;

    // address is Windows-1252, as cards hold it.
    void Open(const std::string& address, bool newWindow);

    // The forwarding pages not yet removed.
    std::vector<std::string> Pages() const;

  private:
    class Watch;
    class Page;
    // Whether a program took the address, or its forwarding page when there
    // is one.
    bool StartOpener(const std::string& address, const std::string& page, bool newWindow);
    void WatchEnded(Watch& watch, int status, bool failed);
    // True when a DDE browser answered.
    bool OpenThroughDde(const std::string& address, bool newWindow);
    std::string WriteForwardingPage(const std::string& utf8Address);
    void RemovePage(const std::string& path);

    DdeInstance& dde_;
    std::string pageFolder_;
    int pageLifetimeMs_;
    std::vector<Watch*> watches_;
    std::vector<std::unique_ptr<Page>> pages_;
};

}  // namespace quillox::web
