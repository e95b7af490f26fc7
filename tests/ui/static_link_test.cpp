// Links that open through the desktop, clicked with the mouse.
#include <gtest/gtest.h>

#include <wx/frame.h>
#include <wx/sizer.h>

#include "ui/link_clicks.h"
#include "ui/static_link.h"

namespace quillox {
namespace {

TEST(DesktopAddress, TheSchemeGoesInLowerCaseAndTheRestAsItIs) {
    const std::pair<const char*, const char*> cases[] = {
        {"MailTo:Jane.Doe@Example.org", "mailto:Jane.Doe@Example.org"},
        {"HTTPS://Example.org/A?B=C", "https://Example.org/A?B=C"},
        {"svn+SSH://host/x", "svn+ssh://host/x"},
        {"example.org", "example.org"},
        {"", ""},
        {":no-scheme", ":no-scheme"},
        {"1abc:x", "1abc:x"},
        {"/Path/with:Colon", "/Path/with:Colon"},
        {"Name With Space:x", "Name With Space:x"},
    };
    for (const auto& [target, address] : cases) {
        EXPECT_EQ(AddressForDesktop(target), address) << target;
    }
}

// A frame holding one link with the given text and target.
class LinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        frame_ = new wxFrame(nullptr, wxID_ANY, "Links", wxPoint(50, 50));
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        link_ = new CStaticLink(frame_, wxID_ANY, "example.org/docs");
        sizer->Add(link_, 0, wxALL, 20);
        frame_->SetSizerAndFit(sizer);
        frame_->Show();
    }
    void TearDown() override {
        frame_->Destroy();
        ProcessPendingEvents();
    }

    wxFrame* frame_ = nullptr;
    CStaticLink* link_ = nullptr;
};

TEST_F(LinkTest, ALinkOpensItsOwnTextTurnsVisitedOnlyWhenOpenedAndBeepsWhenNot) {
    EXPECT_TRUE(link_->GetTarget().empty());
    StandInDesktop refusing(false);
    link_->UseDesktop(refusing);
    ASSERT_TRUE(ClickAndWait(*link_, refusing));
    EXPECT_EQ(refusing.opened, std::vector<wxString>{"example.org/docs"});
    EXPECT_EQ(refusing.beeps, 1);
    EXPECT_FALSE(link_->GetVisited());

    StandInDesktop opening(true);
    link_->UseDesktop(opening);
    ASSERT_TRUE(ClickAndWait(*link_, opening));
    EXPECT_EQ(opening.beeps, 0);
    EXPECT_TRUE(link_->GetVisited());

    // A later refusal leaves a visited link visited.
    link_->UseDesktop(refusing);
    ASSERT_TRUE(ClickAndWait(*link_, refusing));
    EXPECT_EQ(refusing.beeps, 2);
    EXPECT_TRUE(link_->GetVisited());
}

}  // namespace
}  // namespace quillox
