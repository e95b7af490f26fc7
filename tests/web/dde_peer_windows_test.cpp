// The program and a browser in another process talk real DDE: the browser
// receives WWW_OpenURL with exactly the arguments the conversation defines.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>
#include <fstream>
#include <regex>
#include <sstream>

#include "ui/gui_test_support.h"
#include "web/browser_dde.h"
#include "web/dde_instance.h"
#include "web/wx_dde_transport.h"

using namespace quillox;

wxApp* CreateTestApp() {
    return new wxApp;
}

TEST(DdePeer, OpenUrlReachesABrowserInAnotherProcessWithItsExactArguments) {
    const wxFileName self(wxStandardPaths::Get().GetExecutablePath());
    const wxString peer = self.GetPathWithSep() + "iexplore_peer.exe";
    const wxString record = wxFileName::CreateTempFileName("qxdde");
    const long pid = wxExecute("\"" + peer + "\" \"" + record + "\" 60", wxEXEC_ASYNC);
    ASSERT_NE(pid, 0);

    web::WxDdeTransport transport("");
    web::DdeInstance instance(transport, wxFileName::GetTempDir().utf8_string());
    // The peer needs a moment before it serves its name.
    bool answered = false;
    for (int attempt = 0; attempt < 100 && !answered; ++attempt) {
        answered = web::OpenAddressThroughDde(instance, "http://example.com/a \"b\"", false);
        if (!answered) {
            WaitFor([] { return false; }, 100);
        }
    }
    ASSERT_TRUE(answered);
    EXPECT_TRUE(web::OpenAddressThroughDde(instance, "http://x/\xe9", true));
    wxKill(pid, wxSIGKILL);

    std::stringstream lines;
    lines << std::ifstream(record.fn_str(), std::ios::binary).rdbuf();
    wxRemoveFile(record);
    EXPECT_TRUE(std::regex_match(
        lines.str(),
        std::regex("WWW_OpenURL \"http://example.com/a \\\\\"b\\\\\"\",,4294967295,0,,,"
                   "Quillox[0-9]+\nWWW_OpenURL \"http://x/\xc3\xa9\",,0,0,,,"
                   "Quillox[0-9]+\n")))
        << lines.str();
}
