#pragma once

#include <string>
#include <vector>

namespace quillox::web {

class DdeInstance;

// Opens addresses in the user's browser: through the desktop's own opener
// (xdg-open found on PATH, else wxWidgets' default browser, which alone can
// ask for a new window), and through a DDE browser serving "IExplore" when
// that route fails: its program cannot start, or xdg-open gives up within
// a few seconds. xdg-open is watched without blocking the windows.
class BrowserOpener {
  public:
    // How long after its start a failing xdg-open still sends the address
    // the DDE way: it ends once it has handed the address on, but may also
    // wait for the browser, whose end is no failure to open.
    static constexpr long kFallbackWindowMs = 10000;

    explicit BrowserOpener(DdeInstance& dde);
    ~BrowserOpener();
    BrowserOpener(const BrowserOpener&) = delete;
    BrowserOpener& operator=(const BrowserOpener&) = delete;

    // address is Windows-1252, as cards hold it.
    void Open(const std::string& address, bool newWindow);

  private:
    class Watch;
    void WatchEnded(Watch& watch, bool failed);
    void OpenThroughDde(const std::string& address, bool newWindow);

    DdeInstance& dde_;
    std::vector<Watch*> watches_;
};

}  // namespace quillox::web
