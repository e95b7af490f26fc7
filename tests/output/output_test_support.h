#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "store/card_collection.h"
#include "store/test_folder.h"

namespace quillox::output::testing {

// Appends a card with the four fields and the note to category id.
inline CardRecord& AddCard(CardCollection& collection, int id,
                           const std::array<std::string, 4>& fields, const std::string& note = "") {
    auto card = std::make_unique<CardRecord>();
    for (int i = 0; i < 4; ++i) {
        card->SetText(static_cast<CardRecord::Text>(i), fields[static_cast<std::size_t>(i)]);
    }
    card->SetNote(note);
    card->SetCategoryId(static_cast<CategoryId>(id));
    CardRecord& added = *card;
    collection.AddCard(id, std::move(card));
    return added;
}

// A fresh folder per test, removed afterwards.
class TempFolderTest : public ::testing::Test {
  protected:
    void SetUp() override { folder_ = quillox::testing::FreshTestFolder("quillox-output-"); }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    std::filesystem::path folder_;
};

}  // namespace quillox::output::testing
