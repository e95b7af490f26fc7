#include "app/stand_ins_posix.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <wx/defs.h>
#include <wx/ipc.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>

#include "app/stand_ins.h"
#include "support/environment.h"
#include "web/service_folder.h"

namespace fs = std::filesystem;

namespace {

fs::path& ProgramsFolder() {
    static fs::path folder;
    return folder;
}

}  // namespace

// The service folder under runtime, and stand-in programs first on PATH (a
// browser among them, so that the first start asks for none).
void PrepareStandIns(const fs::path& root, const fs::path& runtime) {
    ProgramsFolder() = root / "programs";
    fs::create_directories(ProgramsFolder());
    quillox::testing::SetEnvironment("XDG_RUNTIME_DIR", runtime.string());
    const char* path = std::getenv("PATH");
    quillox::testing::SetEnvironment(
        "PATH", ProgramsFolder().string() + ":" + (path != nullptr ? path : ""));
    WriteTestProgram("firefox", "exit 0\n");
}

fs::path TestProgramsFolder() {
    return ProgramsFolder();
}

void WriteTestProgram(const std::string& name, const std::string& body) {
    const fs::path path = TestProgramsFolder() / name;
    fs::remove(path);
    std::ofstream(path) << "#!/bin/sh\n" << body;
    fs::permissions(path, fs::perms::owner_all);
}

std::string RecordingProgram(const fs::path& record, int status) {
    return "{ echo \"${0##*/} $#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } >> '" +
           record.string() + "'\nexit " + std::to_string(status) + "\n";
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
