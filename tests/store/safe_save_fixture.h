#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "store/safe_save.h"
#include "store/test_folder.h"

namespace quillox::testing {

// A fresh folder to save into, and the few file operations the tests need.
class SafeSaveTest : public ::testing::Test {
  protected:
    void SetUp() override { folder_ = FreshTestFolder("quillox-safe-save-"); }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    static std::string Read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void Write(const std::filesystem::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static bool Save(const std::filesystem::path& path, const std::string& text,
                     std::string& error) {
        return WriteFileSafely(path.string(), reinterpret_cast<const unsigned char*>(text.data()),
                               text.size(), error);
    }
    static bool SaveOwnerOnly(const std::filesystem::path& path, const std::string& text,
                              SaveFailure& failure) {
        return WriteFileSafely(path.string(), reinterpret_cast<const unsigned char*>(text.data()),
                               text.size(), SafeSaveOptions{false, SavedFileMode::OwnerOnly},
                               failure);
    }
    std::size_t EntriesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(folder_), {}));
    }

    std::filesystem::path folder_;
};

}  // namespace quillox::testing
