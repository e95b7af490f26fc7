// A message box or file chooser that no test answers fails the test instead of
// waiting for a click.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <wx/filedlg.h>
#include <wx/msgdlg.h>

#include "ui/gui_test_support.h"

namespace {

TEST(UnansweredDialog, FailsTheTestAndIsCancelled) {
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = wxMessageBox("Nobody answers this.", "Error", wxOK),
                            "A dialog showed that no test answers: ");
    EXPECT_EQ(answer, wxCANCEL);
    wxFileDialog chooser(nullptr, "Open");
    EXPECT_NONFATAL_FAILURE(answer = chooser.ShowModal(),
                            "A dialog showed that no test answers: wxFileDialog");
    EXPECT_EQ(answer, wxID_CANCEL);
}

TEST(UnansweredDialog, AnAnsweredOneIsLeftToItsTest) {
    wxTEST_DIALOG(EXPECT_EQ(wxMessageBox("Answered.", "Question", wxYES_NO), wxYES),
                  ExpectMessage("Answered.", wxID_YES));
}

}  // namespace
