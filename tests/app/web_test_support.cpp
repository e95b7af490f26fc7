#include "app/web_test_support.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <wx/defs.h>
#include <wx/ipc.h>
#include <wx/time.h>
#include <wx/toolbar.h>
#include <wx/utils.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "web/service_folder.h"

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

std::vector<std::string> ReadLines(const fs::path& path) {
    std::vector<std::string> lines;
    std::istringstream text(ReadText(path));
    for (std::string line; std::getline(text, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string RecordingProgram(const fs::path& record, int status) {
    return "{ echo \"${0##*/} $#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } >> '" +
           record.string() + "'\nexit " + std::to_string(status) + "\n";
}

void ClickTool(int id) {
    wxToolBar* bar = quillox::GetMainFrame()->GetToolBar();
    wxCommandEvent event(wxEVT_TOOL, id);
    event.SetEventObject(bar);
    bar->ProcessWindowEvent(event);
    ProcessPendingEvents();
}

std::string ServiceFolder() {
    quillox::web::ServiceFolderEnvironment environment;
    environment.runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    return quillox::web::ServiceFolderPath(environment).value_or("");
}

SilentBrowser::SilentBrowser(bool answerConnect)
    : answerConnect_(answerConnect), path_(ServiceFolder() + "/IExplore") {
    listening_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path_.c_str(), path_.size() + 1);
    unlink(path_.c_str());
    if (bind(listening_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listening_, 8) != 0) {
        ADD_FAILURE() << "cannot serve " << path_ << ": " << std::strerror(errno);
        return;
    }
    thread_ = std::thread([this] { Serve(); });
}

SilentBrowser::~SilentBrowser() {
    // Wakes the thread from accept and from every read.
    shutdown(listening_, SHUT_RDWR);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (const int fd : open_) {
            shutdown(fd, SHUT_RDWR);
        }
    }
    if (thread_.joinable()) {
        thread_.join();
    }
    for (const int fd : open_) {
        close(fd);
    }
    close(listening_);
    unlink(path_.c_str());
}

void SilentBrowser::Serve() {
    for (;;) {
        const int fd = accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) {
            return;
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            open_.push_back(fd);
        }
        char buffer[512];
        if (answerConnect_) {
            // The connect: its code, the topic's length in 4 bytes, the topic.
            unsigned char head[5];
            if (recv(fd, head, sizeof head, MSG_WAITALL) != sizeof head) {
                continue;
            }
            const std::size_t length = head[1] | head[2] << 8 | head[3] << 16;
            if (length > sizeof buffer ||
                recv(fd, buffer, length, MSG_WAITALL) != static_cast<ssize_t>(length)) {
                continue;
            }
            const char accepted = 10;
            if (send(fd, &accepted, 1, MSG_NOSIGNAL) != 1) {
                continue;
            }
        }
        while (recv(fd, buffer, sizeof buffer, 0) > 0) {
            requestArrived_ = true;
        }
    }
}

std::string SocketOf(const std::string& service) {
    return ServiceFolder() + "/" + service;
}

std::string CallBack(const std::string& service, const std::string& topic) {
    wxTCPClient client;
    std::unique_ptr<wxConnectionBase> link(
        client.MakeConnection("localhost", SocketOf(service), topic));
    if (link == nullptr) {
        return "refused";
    }
    size_t size = 0;
    const void* data = link->Request("\"http://example.com/\",1", &size);
    std::string reply =
        data != nullptr ? std::string(static_cast<const char*>(data), size) : "no reply";
    link->Disconnect();
    return reply;
}
