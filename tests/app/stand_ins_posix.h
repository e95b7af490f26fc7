#pragma once

#include <atomic>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/web_test_support.h"

// Stand-ins for the programs the browser conversation and the helpers reach
// on POSIX systems: shell scripts first on PATH, and peers on the service
// sockets.

// The folder of stand-in programs, first on the tests' PATH.
std::filesystem::path TestProgramsFolder();
// Writes a shell script of that name there, run by the user only.
void WriteTestProgram(const std::string& name, const std::string& body);

// A script that appends "<its name> <number of arguments>" and then each
// argument on lines of their own to record, and exits with status.
std::string RecordingProgram(const std::filesystem::path& record, int status = 0);

// The folder of the program's service sockets.
std::string ServiceFolder();
// The socket of a service name there.
std::string SocketOf(const std::string& service);
// One request a browser makes to a service name of the program: the reply's
// bytes, "refused" when the connect fails, "no reply" when nothing comes.
std::string CallBack(const std::string& service, const std::string& topic);

// A browser serving "IExplore" that takes every conversation (answering the
// connect when answerConnect) and then never answers anything, on a thread
// of its own.
class SilentBrowser {
  public:
    explicit SilentBrowser(bool answerConnect);
    ~SilentBrowser();
    SilentBrowser(const SilentBrowser&) = delete;
    SilentBrowser& operator=(const SilentBrowser&) = delete;

    // Whether anything came after the answered connect (or the unanswered
    // connect itself): the program waits for an answer.
    bool RequestArrived() const { return requestArrived_; }

  private:
    void Serve();

    bool answerConnect_;
    std::string path_;
    int listening_ = -1;
    std::mutex mutex_;
    std::vector<int> open_;
    std::atomic<bool> requestArrived_{false};
    std::thread thread_;
};
