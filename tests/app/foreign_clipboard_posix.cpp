#include "app/foreign_clipboard.h"

#include <chrono>
#include <cstdio>
#include <future>
#include <sstream>

#include "app/real_input.h"

namespace {

// xclip's output for a target, read while this program answers the request.
std::string Xclip(const std::string& target) {
    std::future<std::string> read = std::async(std::launch::async, [target] {
        std::string output;
        const std::string command = "timeout 5 xclip -o -selection clipboard -t " + target;
        if (FILE* pipe = popen(command.c_str(), "r")) {
            char buffer[256];
            for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
                output.append(buffer, n);
            }
            pclose(pipe);
        }
        return output;
    });
    WaitUntil(
        [&read] { return read.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
        6000);
    return read.get();
}

}  // namespace

std::vector<std::string> ForeignClipboardFormats() {
    std::vector<std::string> formats;
    std::istringstream lines(Xclip("TARGETS"));
    for (std::string line; std::getline(lines, line);) {
        formats.push_back(line);
    }
    return formats;
}

std::string ForeignClipboardData(const std::string& format) {
    return Xclip(format);
}
