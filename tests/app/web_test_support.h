#pragma once

#include <atomic>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/app_fixture.h"

// What the tests of the browser and helper programs share: waiting for
// programs, reading what stand-ins recorded, the toolbar's route.

// The text of a file, empty when there is none.
std::string ReadText(const std::filesystem::path& path);
std::vector<std::string> ReadLines(const std::filesystem::path& path);

// A script that appends "<its name> <number of arguments>" and then each
// argument on lines of their own to record, and exits with status.
std::string RecordingProgram(const std::filesystem::path& record, int status = 0);

// Presses a toolbar button: the command reaches the frame from its toolbar.
void ClickTool(int id);

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
