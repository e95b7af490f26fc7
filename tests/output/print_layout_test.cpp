#include "output/print_layout.h"

#include <gtest/gtest.h>

#include <ostream>

#include "output/output_test_support.h"

namespace quillox::output {

void PrintTo(const TextDraw& draw, std::ostream* out) {
    *out << "(" << draw.x << ", " << draw.y << ") \"" << draw.text << "\"";
}

namespace {

using testing::AddCard;

// Every character 10 units wide, whatever its bytes in UTF-8.
class FixedPitch : public TextMeasure {
  public:
    int Width(std::string_view utf8) const override {
        int characters = 0;
        for (const char c : utf8) {
            characters += (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
        }
        return 10 * characters;
    }
};

const FixedPitch kPitch;

// A page of 66 rows of 50 units, 1000 units wide: values get 63 characters.
constexpr PageGeometry kPage{50, 10, 1000, 66 * 50};

PrintJob Job(const std::string& selection, bool notes = true, bool atm = true) {
    return PrintJob{selection, PrintPreferences{notes, atm}, "cards.qxe", "03/04/25"};
}

// The texts drawn right of "Number", one per card.
std::vector<std::string> NumbersOn(const PrintedPage& page) {
    std::vector<std::string> numbers;
    for (std::size_t i = 0; i + 1 < page.size(); ++i) {
        if (page[i].text == "Number" && page[i + 1].y == page[i].y) {
            numbers.push_back(page[i + 1].text);
        }
    }
    return numbers;
}

// The category names a page shows, drawn at x = 0 between header and footer.
std::vector<std::string> CategoriesOn(const PrintedPage& page) {
    std::vector<std::string> names;
    for (std::size_t i = 4; i < page.size(); ++i) {
        if (page[i].x == 0) {
            names.push_back(page[i].text);
        }
    }
    return names;
}

TEST(PrintLayout, APageDrawsHeaderFooterAndCardBlocks) {
    CardCollection collection;
    AddCard(collection, 0, {"Bank \x80", "https://x", "me", "pw"}, "line one\r\nline two");
    const std::vector<PrintedPage> pages = LayoutPages(collection, Job("WWW Sites"), kPage, kPitch);
    ASSERT_EQ(pages.size(), 1u);
    // WWW Sites: the longest label is "Password", 8 bytes; values at 50 + 10 * 9.
    const int v = 140;
    const PrintedPage expected = {
        {0, 0, "cards.qxe"},   {930, 0, "Quillox"},   {500, 3250, "1"},
        {0, 3250, "03/04/25"}, {0, 100, "WWW Sites"}, {50, 150, "Number"},
        {v, 150, "1"},         {50, 200, "Name"},     {v, 200, "Bank \xE2\x82\xAC"},
        {50, 250, "URL"},      {v, 250, "https://x"}, {50, 300, "User ID"},
        {v, 300, "me"},        {50, 350, "Password"}, {v, 350, "pw"},
        {50, 400, "Notes"},    {v, 400, "line one"},  {v, 450, "line two"},
    };
    EXPECT_EQ(pages[0], expected);

    const std::vector<PrintedPage> withoutNotes =
        LayoutPages(collection, Job("WWW Sites", false), kPage, kPitch);
    ASSERT_EQ(withoutNotes.size(), 1u);
    EXPECT_EQ(withoutNotes[0], PrintedPage(expected.begin(), expected.end() - 3));

    // A title too long for the room beside the product name is shortened.
    PrintJob longTitle = Job("WWW Sites");
    longTitle.title = std::string(200, 't') + "\n.qxe";
    const PrintedPage titled = LayoutPages(collection, longTitle, kPage, kPitch)[0];
    EXPECT_EQ(titled[0].text, std::string(91, 't') + "\xE2\x80\xA6");
    EXPECT_LE(kPitch.Width(titled[0].text), titled[1].x);
}

TEST(PrintLayout, LongValuesWrapUnderTheirFirstLineWithinThePage) {
    const std::string url = "https://example.com/" + std::string(280, 'u');
    std::string note;
    for (int i = 0; note.size() < 250; ++i) {
        note += "code" + std::to_string(1000 + i) + " ";
    }
    CardCollection collection;
    AddCard(collection, 0, {"site", url, "me", "pw"}, note);
    for (const int width : {1000, 700, 150}) {  // down to a page too narrow for one character
        const PageGeometry geometry{50, 10, width, 66 * 50};
        const std::vector<PrintedPage> pages =
            LayoutPages(collection, Job("WWW Sites"), geometry, kPitch);
        ASSERT_FALSE(pages.empty());
        std::string printedUrl;
        std::string printedNote;
        std::string* value = nullptr;
        for (const PrintedPage& page : pages) {
            for (std::size_t i = 4; i < page.size(); ++i) {
                const TextDraw& draw = page[i];
                if (draw.x == 50) {
                    value = draw.text == "URL"     ? &printedUrl
                            : draw.text == "Notes" ? &printedNote
                                                   : nullptr;
                } else if (draw.x == 140 && value != nullptr) {
                    *value += draw.text;
                    if (width >= 150 + 10) {
                        EXPECT_LE(draw.x + kPitch.Width(draw.text), width) << draw.text;
                    }
                }
            }
        }
        EXPECT_EQ(printedUrl, url) << width;
        EXPECT_EQ(printedNote, note) << width;
    }
}

TEST(PrintLayout, CardsStayWholeOnAPageAndOffTheFooter) {
    CardCollection collection;
    for (int i = 1; i <= 13; ++i) {
        // Every third card has a note of three rows.
        AddCard(collection, 5, {"host " + std::to_string(i), "", "", ""},
                i % 3 == 0 ? std::string(150, 'n') : "");
    }
    // Portrait, landscape and a page for one card at a time.
    for (const int rows : {66, 40, 14}) {
        const PageGeometry geometry{50, 10, 1000, rows * 50 + 20};
        const std::vector<PrintedPage> pages =
            LayoutPages(collection, Job("Login Accounts"), geometry, kPitch);
        std::vector<std::string> numbers;
        for (const PrintedPage& page : pages) {
            const int footerY = page[2].y;
            EXPECT_EQ(footerY, geometry.height - 50);
            for (std::size_t i = 4; i < page.size(); ++i) {
                EXPECT_GE(page[i].y, 50) << rows;
                EXPECT_LE(page[i].y + 50, footerY) << rows;
            }
            // A card's rows are all on the page that shows its number.
            const std::vector<std::string> shown = NumbersOn(page);
            EXPECT_EQ(CategoriesOn(page).size(), shown.size());
            numbers.insert(numbers.end(), shown.begin(), shown.end());
        }
        ASSERT_EQ(numbers.size(), 13u) << rows;
        for (int i = 1; i <= 13; ++i) {
            EXPECT_EQ(numbers[static_cast<std::size_t>(i - 1)], std::to_string(i));
        }
        EXPECT_EQ(pages.back()[2].text, std::to_string(pages.size()));
    }
    // Six cards of 10 or 11 rows to a page of 64 rows between header and footer.
    EXPECT_EQ(LayoutPages(collection, Job("Login Accounts"), kPage, kPitch).size(), 3u);
    EXPECT_EQ(LayoutPages(collection, Job("Login Accounts", false), kPage, kPitch).size(), 2u);

    // A card taller than a page is split between rows over as many pages as
    // it needs; nothing is lost.
    CardCollection tall;
    AddCard(tall, 14, {"tall", "", "", ""}, std::string(60 * 90, 'n'));
    const std::vector<PrintedPage> pages = LayoutPages(tall, Job("Miscellaneous"), kPage, kPitch);
    ASSERT_EQ(pages.size(), 2u);
    std::size_t printed = 0;
    for (const PrintedPage& page : pages) {
        for (std::size_t i = 4; i < page.size(); ++i) {
            EXPECT_LE(page[i].y + 50, page[2].y);
            if (page[i].text.find_first_not_of('n') == std::string::npos) {
                printed += page[i].text.size();
            }
        }
    }
    EXPECT_EQ(printed, 60u * 90);
}

TEST(PrintLayout, ShowAllRunsThroughTheCategoriesAndFiltersAtmPinCards) {
    CardCollection collection;
    AddCard(collection, 5, {"login", "", "", ""});
    AddCard(collection, 9, {"atm", "", "", ""});
    AddCard(collection, 4, {"banking", "", "", ""});
    AddCard(collection, 14, {"misc", "", "", ""});
    AddCard(collection, 0, {"site", "", "", ""});

    EXPECT_EQ(CategoriesOn(LayoutPages(collection, Job("Show All"), kPage, kPitch)[0]),
              (std::vector<std::string>{"WWW Sites", "Online Banking", "Login Accounts",
                                        "ATM/PIN Cards", "Miscellaneous"}));
    const PrintJob withoutAtm = Job("Show All", true, false);
    const PrintedPage page = LayoutPages(collection, withoutAtm, kPage, kPitch)[0];
    EXPECT_EQ(CategoriesOn(page), (std::vector<std::string>{"WWW Sites", "Online Banking",
                                                            "Login Accounts", "Miscellaneous"}));
    EXPECT_EQ(NumbersOn(page), (std::vector<std::string>{"1", "2", "3", "4"}));
    // Four blocks of 10 rows fill a page of 42 rows exactly; the fifth needs another.
    const PageGeometry fourToAPage{50, 10, 1000, 42 * 50};
    EXPECT_EQ(LayoutPages(collection, withoutAtm, fourToAPage, kPitch).size(), 1u);
    EXPECT_EQ(LayoutPages(collection, Job("Show All"), fourToAPage, kPitch).size(), 2u);

    // The category itself prints whatever "Print ATM" says.
    EXPECT_EQ(
        CategoriesOn(LayoutPages(collection, Job("ATM/PIN Cards", true, false), kPage, kPitch)[0]),
        (std::vector<std::string>{"ATM/PIN Cards"}));
    // Any other selection prints one page of header and footer; they too stay on their rows.
    PrintJob other = Job("Show all");
    other.title = "two\nlines.qxe";
    const std::vector<PrintedPage> bare = LayoutPages(collection, other, kPage, kPitch);
    ASSERT_EQ(bare.size(), 1u);
    ASSERT_EQ(bare[0].size(), 4u);
    EXPECT_EQ(bare[0][0].text, "two lines.qxe");
}

TEST(TextWrap, BreaksBetweenWordsInsideWordsAndAtLineBreaks) {
    struct Case {
        std::string text;
        int width;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", 50, {""}},
        {"short", 50, {"short"}},
        {"one two three", 60, {"one ", "two ", "three"}},
        {"one two three", 70, {"one two ", "three"}},
        {"one two three", 120, {"one two ", "three"}},
        // A word wider than the line breaks where the line is full.
        {"abcdefghij", 40, {"abcd", "efgh", "ij"}},
        {"ab abcdefghij", 40, {"ab ", "abcd", "efgh", "ij"}},
        // Characters of several bytes are never cut.
        {"\xC3\xA9\xC3\xA9\xE2\x82\xAC\xE2\x82\xAC",
         30,
         {"\xC3\xA9\xC3\xA9\xE2\x82\xAC", "\xE2\x82\xAC"}},
        // Too narrow for any character: still one per line.
        {"abc", 5, {"a", "b", "c"}},
        // Each line break starts a line; spaces stay where they are.
        {"a\r\nb\rc\nd\r\n\r\n", 50, {"a", "b", "c", "d", "", ""}},
        {" lead", 30, {" le", "ad"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WrapText(c.text, c.width, kPitch), c.lines) << c.text << " in " << c.width;
    }
}

// Fixed pitch, keeping count of the texts it measured.
class CountingPitch : public TextMeasure {
  public:
    int Width(std::string_view utf8) const override {
        ++calls;
        longest = std::max(longest, utf8.size());
        return kPitch.Width(utf8);
    }
    mutable int calls = 0;
    mutable std::size_t longest = 0;
};

TEST(TextWrap, ALongNoteIsMeasuredALineAtATime) {
    // A note of 30,000 characters, words and one long run, in lines of 90.
    std::string note;
    while (note.size() < 20000) {
        note += "word" + std::to_string(note.size()) + " ";
    }
    note += std::string(10000, 'x');
    const CountingPitch measure;
    const std::vector<std::string> lines = WrapText(note, 900, measure);
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_LE(kPitch.Width(line), 900 + 10);  // a space may end a full line
        joined += line;
    }
    EXPECT_EQ(joined, note);
    EXPECT_LE(measure.longest, 2u * 90);
    EXPECT_LE(measure.calls, static_cast<int>(lines.size()) * 16);
}

}  // namespace
}  // namespace quillox::output
