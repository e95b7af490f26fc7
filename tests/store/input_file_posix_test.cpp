// Loading through paths on POSIX systems: sockets and endless devices are no
// data files, and files with holes are judged by their header.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "store/file_messages.h"
#include "store/input_file_fixture.h"

namespace quillox::testing {
namespace {

TEST_F(InputFileTest, SocketsAndEndlessDevicesAreNotRead) {
    const std::string socketPath = (folder_ / "socket.qxf").string();
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    for (const std::string& path : {socketPath, std::string("/dev/zero")}) {
        const PathLoad run = LoadPath(path);
        EXPECT_FALSE(run.ok) << path;
        EXPECT_EQ(run.messages, std::vector<std::string>{path + " is not a regular file."});
    }
    ::close(sock);
}

TEST_F(InputFileTest, TerabyteFilesAreRefusedByTheirHeader) {
    // Files with a hole: reading or allocating them would run out of memory,
    // so refusing them with this message shows nothing was read.
    const std::uintmax_t huge = std::uintmax_t{1} << 40;
    const std::string text = "Hello, this is a text file and not a card file at all.";
    for (const std::string& path : {Sparse("text.txt", Bytes(text.begin(), text.end()), huge),
                                    Sparse("big-encrypted.qxe", FileHeader(6, 1, 0), huge)}) {
        const PathLoad run = LoadPath(path);
        EXPECT_FALSE(run.ok) << path;
        EXPECT_EQ(run.messages, std::vector<std::string>{messages::kNotAQuilloxFile}) << path;
    }
}

}  // namespace
}  // namespace quillox::testing
