// A browser stand-in for the Windows tests, in a process of its own: it
// serves "IExplore" over DDE, writes the topic and item of every request to
// the file named first, one per line, answers window id 1, and ends after
// the seconds named second so that it never outlives a failed test.
#include <wx/app.h>
#include <wx/defs.h>
#include <wx/ipc.h>
#include <wx/timer.h>
#include <fstream>

namespace {

class Link : public wxDDEConnection {
  public:
    explicit Link(const wxString& record) : record_(record) {}

    const void* OnRequest(const wxString& topic, const wxString& item, size_t* size,
                          wxIPCFormat) override {
        std::ofstream(record_.fn_str(), std::ios::app | std::ios::binary)
            << topic.utf8_string() << ' ' << item.utf8_string() << '\n';
        *size = sizeof kReply;
        return kReply;
    }

  private:
    static constexpr char kReply[] = "1";
    wxString record_;
};

class Server : public wxDDEServer {
  public:
    explicit Server(const wxString& record) : record_(record) {}
    wxConnectionBase* OnAcceptConnection(const wxString&) override { return new Link(record_); }

  private:
    wxString record_;
};

class PeerApp : public wxApp {
  public:
    bool OnInit() override {
        long seconds = 0;
        if (argc != 3 || !argv[2].ToLong(&seconds)) {
            return false;
        }
        server_ = new Server(argv[1]);
        if (!server_->Create("IExplore")) {
            return false;
        }
        stop_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { ExitMainLoop(); });
        stop_.StartOnce(static_cast<int>(seconds * 1000));
        return true;
    }
    int OnExit() override {
        delete server_;
        return wxApp::OnExit();
    }

  private:
    Server* server_ = nullptr;
    wxTimer stop_;
};

}  // namespace

wxIMPLEMENT_APP(PeerApp);
