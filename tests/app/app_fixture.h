#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_frame.h"
#include "app/quillox_app.h"
#include "app/test_environment.h"
#include "cards/quillox_view.h"
#include "document/file_encryption_dialog.h"
#include "document/quillox_doc.h"
#include "ui/gui_test_support.h"

// Drives the running program: files made for the test, documents opened the
// way the user opens them, commands sent the way menus send them.
class AppTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    static quillox::CMainFrame* Frame();
    static wxDocManager* Manager();
    // The active document and view (null when none).
    static quillox::CQuilloxNewDoc* ActiveDoc();
    static quillox::CQuilloxNewView* ActiveView();

    // The UTF-8 path of name in the test's folder.
    std::string Path(const std::string& name) const;
    // Writes a data file with cards named after the given categories.
    struct CardSpec {
        int category;
        std::string name;
        std::string password = "pw";
        bool deleted = false;
        quillox::MacTime modified = 0;
        std::string field3 = {};
        std::string note = {};
        std::uint8_t attributes = 0;
        std::string field2 = {};
    };
    std::string WriteFile(const std::string& name, const std::vector<CardSpec>& cards,
                          const std::string& password = "") const;

    // Opens path as the main frame's File Open does while no document is open.
    static quillox::CQuilloxNewDoc* OpenDocument(const std::string& path);
    // Sends a menu command the way the menus and accelerators do.
    static void SendCommand(int id);
    // Whether the command is enabled right now.
    static bool IsEnabled(int id);
    static void ChooseCategory(const std::string& name);
    // Texts of the active list's rows in one column.
    static std::vector<std::string> Column(int column);
    static void CloseAllQuietly();
    // The lock text of the category bar.
    static wxString LockText();

    std::filesystem::path folder_;
};

// Answers the File Encryption dialog with OK; the form, when given, is chosen too.
ExpectDialog<quillox::FileEncryptionDialog> ChooseEncryption(
    bool ticked, const wxString& first, const wxString& second,
    std::optional<quillox::EncryptionForm> form = std::nullopt);
