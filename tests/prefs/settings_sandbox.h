#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <wx/config.h>

#include "store/test_folder.h"
#include "support/environment.h"
#include "support/own_settings.h"

namespace quillox::testing {

// Gives every test its own home and configuration folder, so that no test sees
// another's settings or the user's own, and removes any installed store after.
class SettingsSandbox : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = FreshTestFolder("quillox-prefs-");
        std::filesystem::create_directories(root_ / "home");
        SetEnvironment("HOME", (root_ / "home").string());
        ASSERT_TRUE(UseOwnSettings(root_));
    }
    void TearDown() override {
        delete wxConfigBase::Set(nullptr);
        std::filesystem::remove_all(root_);
    }

    std::filesystem::path root_;
};

}  // namespace quillox::testing
