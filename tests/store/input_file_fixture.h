#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "store/test_files.h"
#include "store/test_folder.h"

// Loading through paths, recording what the user is shown.
namespace quillox::testing {

struct PathLoad {
    bool ok = false;
    std::vector<std::string> messages;
    int cards = 0;
};

inline PathLoad LoadPath(const std::string& path) {
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
    void TearDown() override { std::filesystem::remove_all(folder_); }

    // A file of the given size holding head at its start; the rest is a hole.
    std::string Sparse(const std::string& name, const Bytes& head, std::uintmax_t size) const {
        const std::string path = (folder_ / name).string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(head.data()),
                   static_cast<std::streamsize>(head.size()));
        std::filesystem::resize_file(path, size);
        return path;
    }

    std::filesystem::path folder_;
};

}  // namespace quillox::testing
