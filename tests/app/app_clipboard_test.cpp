// Copied texts leave the clipboard after "Clear Clipboard Seconds", and when
// the program ends, as long as the clipboard still holds them.
#include <wx/button.h>
#include <wx/clipbrd.h>
#include <algorithm>
#include <utility>
#include <vector>

#include "app/app_fixture.h"
#include "app/foreign_clipboard.h"
#include "app/real_input.h"
#include "cards/clipboard_text.h"
#include "cards/generate_password_dialog.h"
#include "prefs/settings.h"
#include "ui/command_ids.h"
#include "ui/test_clipboard.h"

using namespace quillox;

namespace {

// Waits a little longer than one second, the delay these tests set.
void WaitPastTheDelay() {
    WaitUntil([] { return false; }, 1300);
}

}  // namespace

// The marks, with what another program reads of them.
TEST_F(AppTest, CopiedTextsAreMarkedSecretForClipboardHistories) {
#if defined(__WXMSW__)
    const std::string text = "CF_UNICODETEXT";
    const std::string no(4, '\0');
    const std::vector<std::pair<std::string, std::string>> marks = {
        {"ExcludeClipboardContentFromMonitorProcessing", no},
        {"CanIncludeInClipboardHistory", no},
        {"CanUploadToCloudClipboard", no}};
#else
    const std::string text = "UTF8_STRING";
    const std::vector<std::pair<std::string, std::string>> marks = {
        {"x-kde-passwordManagerHint", "secret"}};
#endif
    const auto offered = [](const std::string& format) {
        const std::vector<std::string> formats = ForeignClipboardFormats();
        return std::find(formats.begin(), formats.end(), format) != formats.end();
    };
    prefs::Write(prefs::kClearClipboardSeconds, 0);
    CQuilloxNewDoc* document = OpenDocument(WriteFile("hint.qxf", {{0, "site", "s3cret"}}));
    ASSERT_NE(document, nullptr);
    ChooseCategory("WWW Sites");
    ActiveView()->SelectCard(document->Cards().Category(0).At(0));

    for (const int command : {cmd::kCopyPasswordTool, cmd::kCopyName}) {
        SendCommand(command);
        EXPECT_TRUE(offered(text));
        for (const auto& [format, data] : marks) {
            EXPECT_TRUE(offered(format)) << format;
            EXPECT_EQ(ForeignClipboardData(format), data) << format;
        }
    }
    EXPECT_EQ(ForeignClipboardData(text), "site");
    EXPECT_EQ(ClipboardText(), "site");

    // Text the user copies elsewhere carries no mark.
    PutOnClipboard("my own text");
    for (const auto& mark : marks) {
        EXPECT_FALSE(offered(mark.first)) << mark.first;
    }
}

TEST_F(AppTest, ACopiedPasswordLeavesTheClipboardAfterTheDelayUnlessReplaced) {
    prefs::Write(prefs::kClearClipboardSeconds, 1);
    CQuilloxNewDoc* document = OpenDocument(WriteFile("clip.qxf", {{0, "site", "s3cret"}}));
    ASSERT_NE(document, nullptr);
    ChooseCategory("WWW Sites");
    ActiveView()->SelectCard(document->Cards().Category(0).At(0));

    SendCommand(cmd::kCopyPasswordTool);
    EXPECT_EQ(ClipboardText(), "s3cret");
    EXPECT_TRUE(WaitUntil([] { return ClipboardText().empty(); }));

    // What the user copies in the meantime stays.
    SendCommand(cmd::kCopyName);
    EXPECT_EQ(ClipboardText(), "site");
    PutOnClipboard("my own text");
    WaitPastTheDelay();
    EXPECT_EQ(ClipboardText(), "my own text");

    // At exit the copy goes at once.
    SendCommand(cmd::kCopyPasswordItem);
    TakeBackClipboardText();
    EXPECT_EQ(ClipboardText(), "");

    // 0 keeps the copy, also at exit.
    prefs::Write(prefs::kClearClipboardSeconds, 0);
    SendCommand(cmd::kCopyPasswordMenu);
    WaitPastTheDelay();
    TakeBackClipboardText();
    EXPECT_EQ(ClipboardText(), "s3cret");
}

TEST_F(AppTest, AGeneratedPasswordLeavesTheClipboardAfterTheDelay) {
    prefs::Write(prefs::kClearClipboardSeconds, 1);
    std::string generated;
    wxTEST_DIALOG(SendCommand(cmd::kGeneratePassword),
                  ExpectDialog<CGeneratePasswordDlg>([&generated](CGeneratePasswordDlg* dialog) {
                      wxCommandEvent click(wxEVT_BUTTON, CGeneratePasswordDlg::kToClipboardId);
                      wxWindow* button = dialog->FindWindow(CGeneratePasswordDlg::kToClipboardId);
                      click.SetEventObject(button);
                      button->ProcessWindowEvent(click);
                      generated = dialog->Password();
                      return wxID_CANCEL;
                  }));
    ASSERT_FALSE(generated.empty());
    EXPECT_EQ(ClipboardText(), generated);
    EXPECT_TRUE(WaitUntil([] { return ClipboardText().empty(); }));
}
