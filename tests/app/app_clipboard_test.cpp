// Copied texts leave the clipboard after "Clear Clipboard Seconds", and when
// the program ends, as long as the clipboard still holds them.
#include <wx/button.h>
#include <wx/clipbrd.h>
#include <cstdio>
#include <future>

#include "app/app_fixture.h"
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

// What another program reads as the clipboard's target (xclip -t), while
// this program serves the request.
std::string ClipboardTarget(const std::string& target) {
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

TEST_F(AppTest, CopiedTextsAreMarkedSecretForClipboardHistories) {
    prefs::Write(prefs::kClearClipboardSeconds, 0);
    CQuilloxNewDoc* document = OpenDocument(WriteFile("hint.qxf", {{0, "site", "s3cret"}}));
    ASSERT_NE(document, nullptr);
    ChooseCategory("WWW Sites");
    ActiveView()->SelectCard(document->Cards().Category(0).At(0));

    for (const int command : {cmd::kCopyPasswordTool, cmd::kCopyName}) {
        SendCommand(command);
        const std::string targets = ClipboardTarget("TARGETS");
        EXPECT_NE(targets.find("x-kde-passwordManagerHint\n"), std::string::npos) << targets;
        EXPECT_NE(targets.find("UTF8_STRING\n"), std::string::npos) << targets;
        EXPECT_EQ(ClipboardTarget("x-kde-passwordManagerHint"), "secret");
    }
    EXPECT_EQ(ClipboardTarget("UTF8_STRING"), "site");
    EXPECT_EQ(ClipboardText(), "site");

    // Text the user copies elsewhere carries no hint.
    PutOnClipboard("my own text");
    EXPECT_EQ(ClipboardTarget("TARGETS").find("x-kde-passwordManagerHint"), std::string::npos);
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
