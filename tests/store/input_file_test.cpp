// Loading through paths: only regular files are data files, and the header
// decides before the rest of a file is read.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "store/file_messages.h"
#include "store/test_files.h"
#include "store/test_folder.h"

namespace quillox::testing {
namespace {

namespace fs = std::filesystem;

struct PathLoad {
    bool ok = false;
    std::vector<std::string> messages;
    int cards = 0;
};

PathLoad LoadPath(const std::string& path) {
    PathLoad run;
    CardCollection collection;
    LoadContext context;
    context.showMessage = [&run](const std::string& m) { run.messages.push_back(m); };
    context.askPassword = [](const std::string&) {
        return std::optional<SecretString>(SecretString(std::string("password")));
    };
    run.ok = LoadCardFileFromPath(path, collection, context).ok;
    run.cards = CountCards(collection);
    return run;
}

class InputFileTest : public ::testing::Test {
  protected:
    void SetUp() override { folder_ = quillox::testing::FreshTestFolder("quillox-input-"); }
    void TearDown() override { fs::remove_all(folder_); }

    // A file of the given size holding head at its start; the rest is a hole.
    std::string Sparse(const std::string& name, const Bytes& head, off_t size) const {
        const std::string path = (folder_ / name).string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(head.data()),
                   static_cast<std::streamsize>(head.size()));
        EXPECT_EQ(::truncate(path.c_str(), size), 0);
        return path;
    }

    fs::path folder_;
};

TEST_F(InputFileTest, OnlyRegularFilesAreRead) {
    const std::string fifo = (folder_ / "pipe.qxf").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string socketPath = (folder_ / "socket.qxf").string();
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    // A FIFO without a writer must not block; a directory must not be taken
    // for a huge file; /dev/zero must not be an empty collection.
    for (const std::string& path :
         {fifo, socketPath, folder_.string(), std::string("/dev/zero"), std::string("/dev/null")}) {
        const PathLoad run = LoadPath(path);
        EXPECT_FALSE(run.ok) << path;
        EXPECT_EQ(run.messages, std::vector<std::string>{path + " is not a regular file."});
    }
    ::close(sock);

    const PathLoad missing = LoadPath((folder_ / "absent.qxf").string());
    EXPECT_FALSE(missing.ok);
    ASSERT_EQ(missing.messages.size(), 1u);
    EXPECT_EQ(missing.messages[0].rfind(
                  "Cannot open the file " + (folder_ / "absent.qxf").string() + ": ", 0),
              0u)
        << missing.messages[0];
}

TEST_F(InputFileTest, TheHeaderIsJudgedBeforeTheRestIsRead) {
    // Terabyte files with a hole: reading or allocating them would run out
    // of memory, so refusing them with this message shows nothing was read.
    const off_t huge = off_t{1} << 40;
    const std::string text = "Hello, this is a text file and not a card file at all.";
    const Bytes encryptedHeader = FileHeader(6, 1, 0);
    for (const std::string& path : {Sparse("text.txt", Bytes(text.begin(), text.end()), huge),
                                    Sparse("big-encrypted.qxe", encryptedHeader, huge),
                                    Sparse("64k-encrypted.qxe", encryptedHeader, 22 + 65536)}) {
        const PathLoad run = LoadPath(path);
        EXPECT_FALSE(run.ok) << path;
        EXPECT_EQ(run.messages, std::vector<std::string>{messages::kNotAQuilloxFile}) << path;
    }

    // A plain file with a card is read whole, and an empty file is empty.
    Bytes plain = FileHeader(6, 0, 0);
    AppendCard(plain, RawCard{3, 0, 0, 0, 0, {"news", "", "", "", ""}});
    EXPECT_EQ(LoadPath(Sparse("plain.qxf", plain, static_cast<off_t>(plain.size()))).cards, 1);
    const PathLoad empty = LoadPath(Sparse("empty.qxf", {}, 0));
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.messages.empty());
}

}  // namespace
}  // namespace quillox::testing
