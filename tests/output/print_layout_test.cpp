#include "output/print_layout.h"

#include <gtest/gtest.h>

#include <ostream>

#include "output/note_split.h"
#include "output/output_test_support.h"

namespace quillox::output {

void PrintTo(const TextDraw& draw, std::ostream* out) {
    *out << "(" << draw.x << ", " << draw.y << ") \"" << draw.text << "\"";
}

namespace {

using testing::AddCard;

// A printer page of 66 rows of 50 pixels, characters up to 30 pixels wide.
constexpr PageGeometry kPage{50, 30, 4000, 66 * 50};

PrintJob Job(const std::string& selection, bool notes = true, bool atm = true) {
    return PrintJob{selection, PrintPreferences{notes, atm}, "cards.qxe", "03/04/25"};
}

// The card numbers a page shows, from the texts drawn at x = 9 * CW.
std::vector<std::string> NumbersOn(const std::vector<TextDraw>& draws) {
    std::vector<std::string> numbers;
    for (const TextDraw& draw : draws) {
        if (draw.x == 9 * kPage.charWidth) {
            numbers.push_back(draw.text);
        }
    }
    return numbers;
}

// The category names a page shows, drawn at x = 0 one row above each block.
std::vector<std::string> CategoriesOn(const std::vector<TextDraw>& draws) {
    std::vector<std::string> names;
    for (std::size_t i = 4; i < draws.size(); ++i) {
        if (draws[i].x == 0) {
            names.push_back(draws[i].text);
        }
    }
    return names;
}

TEST(PrintLayout, PagesOfSixtySixRows) {
    EXPECT_EQ(CardsPerPage(kPage, {true, true}), 6);   // 58 rows / 10, rounded up
    EXPECT_EQ(CardsPerPage(kPage, {false, true}), 9);  // 58 rows / 7, rounded up
    CardCollection collection;
    for (int i = 1; i <= 13; ++i) {
        AddCard(collection, 5, {"host " + std::to_string(i), "", "", ""});
    }
    EXPECT_EQ(PageCount(collection, Job("Login Accounts"), kPage), 3);
    EXPECT_EQ(PageCount(collection, Job("Login Accounts", false), kPage), 2);
    EXPECT_EQ(PageCount(collection, Job("WWW Sites"), kPage), 0);
    EXPECT_EQ(PageCount(collection, Job("Nonsense"), kPage), 0);

    EXPECT_EQ(NumbersOn(LayoutPage(collection, Job("Login Accounts"), kPage, 2)),
              (std::vector<std::string>{"7", "8", "9", "10", "11", "12"}));
    EXPECT_EQ(NumbersOn(LayoutPage(collection, Job("Login Accounts"), kPage, 3)),
              (std::vector<std::string>{"13"}));
    EXPECT_TRUE(NumbersOn(LayoutPage(collection, Job("Login Accounts"), kPage, 4)).empty());

    // Blocks of 10 rows never overlap: the second block starts 10 rows lower.
    const std::vector<TextDraw> page = LayoutPage(collection, Job("Login Accounts"), kPage, 1);
    ASSERT_GE(page.size(), 4u + 2 * 14);
    EXPECT_EQ(page[4].y + 10 * 50, page[4 + 14].y);
}

TEST(PrintLayout, SmallPagesStillHoldOneCard) {
    const PrintPreferences notes{true, true};
    for (const int rows : {8, 12, 17}) {  // 0, 4 and 9 usable rows
        EXPECT_EQ(CardsPerPage({50, 30, 4000, rows * 50}, notes), 1) << rows;
    }
    // Less than the header and footer need, or a font without height.
    EXPECT_EQ(CardsPerPage({50, 30, 4000, 2 * 50}, notes), 1);
    EXPECT_EQ(CardsPerPage({0, 30, 4000, 3000}, notes), 1);
    EXPECT_EQ(PageCount(0, 6), 0);
    EXPECT_EQ(PageCount(5, 6), 1);
    EXPECT_EQ(PageCount(12, 6), 2);
    EXPECT_EQ(PageCount(13, 6), 3);
}

TEST(PrintLayout, APageDrawsHeaderFooterAndCardBlocks) {
    CardCollection collection;
    AddCard(collection, 0, {"Bank \x80", "https://x", "me", "pw"}, "line one\r\nline two");
    const std::vector<TextDraw> page = LayoutPage(collection, Job("WWW Sites"), kPage, 1);
    // WWW Sites: the longest label is "Password", 8 bytes; values at 100 + 30 * 9.
    const int v = 370;
    const std::vector<TextDraw> expected = {
        {0, 0, "cards.qxe"},
        {3000, 0, "Quillox"},
        {2000, 3200, "1"},
        {0, 3200, "03/04/25"},
        {0, 100, "WWW Sites"},
        {100, 150, "Number"},
        {270, 150, "1"},
        {100, 200, "Name"},
        {v, 200, "Bank \xE2\x82\xAC"},
        {100, 250, "URL"},
        {v, 250, "https://x"},
        {100, 300, "User ID"},
        {v, 300, "me"},
        {100, 350, "Password"},
        {v, 350, "pw"},
        {100, 400, "Notes"},
        {v, 400, "line one line two"},
        {v, 450, ""},
    };
    EXPECT_EQ(page, expected);

    const std::vector<TextDraw> withoutNotes =
        LayoutPage(collection, Job("WWW Sites", false), kPage, 1);
    EXPECT_EQ(withoutNotes, std::vector<TextDraw>(expected.begin(), expected.end() - 3));

    // A font taller than 100 pixels lifts the footer so that it stays whole.
    const std::vector<TextDraw> tall =
        LayoutPage(collection, Job("WWW Sites"), {167, 90, 9921, 14031}, 1);
    EXPECT_EQ(tall[2], (TextDraw{4960, 14031 - 167, "1"}));
    EXPECT_EQ(tall[3], (TextDraw{0, 14031 - 167, "03/04/25"}));
}

TEST(PrintLayout, ShowAllRunsThroughTheCategoriesAndFiltersAtmPinCards) {
    CardCollection collection;
    AddCard(collection, 5, {"login", "", "", ""});
    AddCard(collection, 9, {"atm", "", "", ""});
    AddCard(collection, 4, {"banking", "", "", ""});
    AddCard(collection, 14, {"misc", "", "", ""});
    AddCard(collection, 0, {"site", "", "", ""});

    EXPECT_EQ(CategoriesOn(LayoutPage(collection, Job("Show All"), kPage, 1)),
              (std::vector<std::string>{"WWW Sites", "Online Banking", "Login Accounts",
                                        "ATM/PIN Cards", "Miscellaneous"}));
    const PrintJob withoutAtm = Job("Show All", true, false);
    const std::vector<TextDraw> page = LayoutPage(collection, withoutAtm, kPage, 1);
    EXPECT_EQ(CategoriesOn(page), (std::vector<std::string>{"WWW Sites", "Online Banking",
                                                            "Login Accounts", "Miscellaneous"}));
    EXPECT_EQ(NumbersOn(page), (std::vector<std::string>{"1", "2", "3", "4"}));
    // Without ATM/PIN Cards counted, four cards fill exactly one page of four.
    const PageGeometry fourToAPage{50, 30, 4000, (8 + 40) * 50};
    EXPECT_EQ(PageCount(collection, withoutAtm, fourToAPage), 1);
    EXPECT_EQ(PageCount(collection, Job("Show All"), fourToAPage), 2);

    // The category itself prints whatever "Print ATM" says.
    EXPECT_EQ(PageCount(collection, Job("ATM/PIN Cards", true, false), kPage), 1);
    EXPECT_EQ(CategoriesOn(LayoutPage(collection, Job("ATM/PIN Cards", true, false), kPage, 1)),
              (std::vector<std::string>{"ATM/PIN Cards"}));
    // Any other selection prints header and footer only; they too stay on their rows.
    PrintJob other = Job("Show all");
    other.title = "two\nlines.qxe";
    const std::vector<TextDraw> bare = LayoutPage(collection, other, kPage, 1);
    ASSERT_EQ(bare.size(), 4u);
    EXPECT_EQ(bare[0].text, "two lines.qxe");
}

TEST(NoteSplit, BreaksNearSeventyBytes) {
    const std::string x70(70, 'x');
    struct Case {
        std::string note;
        std::string first;
        std::string second;
    };
    const Case cases[] = {
        {std::string(69, 'x'), std::string(69, 'x'), ""},
        {x70, x70, ""},
        {std::string(100, 'x'), x70, std::string(30, 'x')},
        {x70 + " tail", x70, "tail"},
        {std::string(69, 'x') + " " + std::string(30, 'y'), std::string(69, 'x'),
         std::string(30, 'y')},
        {std::string(10, 'a') + " " + std::string(80, 'b'), std::string(10, 'a'),
         std::string(80, 'b')},
        // A space at byte 0 alone is no place to break.
        {" " + std::string(99, 'x'), " " + std::string(69, 'x'), std::string(30, 'x')},
        {x70 + "\r\n \tnext", x70, "next"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const NoteLines lines = SplitNote(c.note);
        EXPECT_EQ(lines.first, c.first) << c.note;
        EXPECT_EQ(lines.second, c.second) << c.note;
    }
}

}  // namespace
}  // namespace quillox::output
