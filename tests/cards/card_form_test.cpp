#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>

#include "cards/card_form.h"
#include "store/category_table.h"

namespace quillox {
namespace {

using Labels = std::array<std::string, 4>;

constexpr CategoryId kWwwForms = 1;
constexpr CategoryId kOnlineBanking = 4;

TEST(CardForm, NewCardPrefillsByCategory) {
    const CardForm login = NewCardForm("Login Accounts");
    EXPECT_EQ(login.field1, "Untitled");
    EXPECT_EQ(login.field2, "telnet://");
    EXPECT_EQ(login.labels, (Labels{"Name:", "Host:", "Login:", "Password:"}));
    EXPECT_EQ(login.categoryName, "Login Accounts");
    EXPECT_TRUE(login.field3.empty() && login.field4.empty() && login.note.empty());
    EXPECT_FALSE(login.newBrowserWindow || login.automaticAccess || login.editMode);
    EXPECT_FALSE(login.webAttributesEnabled);

    EXPECT_EQ(NewCardForm("Newsgroups").field2, "ftp://");
    EXPECT_EQ(NewCardForm("FTP Servers").field2, "ftp://");
    EXPECT_EQ(NewCardForm("WWW Sites").field2, "http://");
    const CardForm misc = NewCardForm("Miscellaneous");
    EXPECT_EQ(misc.field2, "http://");
    EXPECT_TRUE(misc.webAttributesEnabled);
    const CardForm credit = NewCardForm("Credit Cards");
    EXPECT_EQ(credit.field2, "");
    EXPECT_EQ(credit.labels, (Labels{"Name/Type:", "Exp. Date:", "Number:", "PIN Code:"}));
    EXPECT_FALSE(credit.webAttributesEnabled);
}

TEST(CardForm, WwwFormsGetsWebAttributesOnlyWhenEdited) {
    EXPECT_FALSE(NewCardForm("WWW Forms").webAttributesEnabled);
    EXPECT_EQ(NewCardForm("WWW Forms").field2, "");
    CardRecord card;
    card.SetCategoryId(kWwwForms);
    EXPECT_TRUE(EditCardForm(card).webAttributesEnabled);
    card.SetCategoryId(kOnlineBanking);
    EXPECT_FALSE(EditCardForm(card).webAttributesEnabled);
}

TEST(CardForm, EditUrlButtonByCategory) {
    for (const char* name : {"WWW Sites", "FTP Servers", "Newsgroups", "Login Accounts"}) {
        EXPECT_TRUE(ShowsEditUrlButton(name)) << name;
    }
    for (const char* name : {"WWW Forms", "Miscellaneous", "Online Banking", "Show All"}) {
        EXPECT_FALSE(ShowsEditUrlButton(name)) << name;
    }
}

TEST(CardForm, WebPageFormTakesTitleAndUrlAsTheyAre) {
    const CardForm form = WebPageCardForm("FTP Servers", "", "ftp://example.org/pub");
    EXPECT_EQ(form.field1, "");
    EXPECT_EQ(form.field2, "ftp://example.org/pub");
    // Labelled as every other new card.
    EXPECT_EQ(form.labels, (Labels{"Name:", "URL:", "User ID:", "Password:"}));
    EXPECT_EQ(form.labels, NewCardForm("FTP Servers").labels);
    EXPECT_TRUE(form.webAttributesEnabled);
    EXPECT_FALSE(form.editMode);
}

TEST(CardForm, EditFormShowsTheCardUnchanged) {
    CardRecord card;
    card.SetCategoryId(kOnlineBanking);
    card.SetField1("Bank \xE9");
    card.SetField2("https://bank.example");
    card.SetField3("me");
    card.SetField4("secret");
    card.SetNote("one\ntwo\r\nthree\rfour");
    card.SetAutomaticAccess(true);
    const CardForm form = EditCardForm(card);
    EXPECT_EQ(form.categoryName, "Online Banking");
    EXPECT_EQ(form.labels, (Labels{"Bank:", "URL:", "User ID:", "Password:"}));
    EXPECT_EQ(form.field1, "Bank \xE9");
    EXPECT_EQ(form.field2, "https://bank.example");
    EXPECT_EQ(form.field3, "me");
    EXPECT_EQ(form.field4, "secret");
    EXPECT_EQ(form.note, "one\ntwo\r\nthree\rfour");
    EXPECT_TRUE(form.automaticAccess);
    EXPECT_FALSE(form.newBrowserWindow);
    EXPECT_TRUE(form.editMode);
}

TEST(CardForm, CreateCardFromFormStampsTimeCategoryAndFlags) {
    CardForm form = NewCardForm("Miscellaneous");
    form.field1 = "Router";
    form.field2 = "http://192.168.0.1";
    form.field3 = "admin";
    form.field4 = "pw";
    form.note = "a\r\nb";
    form.newBrowserWindow = true;
    const MacTime now = MacTimeFromDate(2024, 3, 5);
    const auto card = CreateCardFromForm(form, now, 3);
    EXPECT_EQ(card->GetField1(), "Router");
    EXPECT_EQ(card->GetField2(), "http://192.168.0.1");
    EXPECT_EQ(card->GetField3(), "admin");
    EXPECT_EQ(card->GetField4(), "pw");
    EXPECT_EQ(card->GetNote(), "a\r\nb");
    EXPECT_EQ(card->GetCategoryId(), FindCategoryByName("Miscellaneous"));
    EXPECT_EQ(card->GetCategoryText(), "Miscellaneous");
    EXPECT_EQ(card->GetModified(), now);
    EXPECT_EQ(card->GetModifiedText(), FormatCardDate(now, 3));
    EXPECT_EQ(card->GetAttributeFlags(), CardRecord::kNewBrowserWindowBit);
    EXPECT_EQ(card->GetStateFlags(), CardRecord::kChangedBit);

    form.newBrowserWindow = false;
    form.automaticAccess = true;
    EXPECT_EQ(CreateCardFromForm(form, now, 0)->GetAttributeFlags(),
              CardRecord::kAutomaticAccessBit);

    form.categoryName = "Show All";
    EXPECT_THROW(CreateCardFromForm(form, now, 0), std::invalid_argument);
}

TEST(CardForm, ApplyFormKeepsCategoryAndTime) {
    CardRecord card;
    card.SetCategoryId(kWwwForms);
    card.SetModified(1234);
    card.SetModifiedText("old date");
    card.SetAttributeFlags(CardRecord::kNewBrowserWindowBit | CardRecord::kAutomaticAccessBit);
    CardForm form = EditCardForm(card);
    form.field1 = "Changed";
    form.note = "x\r\ny";
    form.newBrowserWindow = false;
    ApplyFormToCard(form, card);
    EXPECT_EQ(card.GetField1(), "Changed");
    EXPECT_EQ(card.GetNote(), "x\r\ny");
    EXPECT_EQ(card.GetCategoryId(), kWwwForms);
    EXPECT_EQ(card.GetCategoryText(), "");
    EXPECT_EQ(card.GetModified(), 1234u);
    EXPECT_EQ(card.GetModifiedText(), "old date");
    EXPECT_EQ(card.GetAttributeFlags(), CardRecord::kAutomaticAccessBit);
    EXPECT_TRUE(card.IsChanged());
}

TEST(CardForm, NoteLineBreaksBetweenCardAndEditor) {
    EXPECT_EQ(NoteLinesForEditor("a\r\nb\rc\nd\r\n\re"), "a\nb\nc\nd\n\ne");
    EXPECT_EQ(NoteLinesFromEditor("a\nb\r\nc\rd\n"), "a\r\nb\r\nc\r\nd\r\n");
    EXPECT_EQ(NoteLinesFromEditor(NoteLinesForEditor("\r\r\n\n")), "\r\n\r\n\r\n");
}

TEST(CardForm, TextBytesOrWhyAFileCannotHoldThem) {
    std::string problem;
    EXPECT_EQ(FormTextBytes("caf\xC3\xA9 \xE2\x82\xAC", "Name", false, &problem), "caf\xE9 \x80");
    EXPECT_EQ(problem, "");

    EXPECT_EQ(FieldNameOfLabel("URL"), "URL");
    EXPECT_FALSE(FormTextBytes("ok \xE2\x9C\x93", FieldNameOfLabel("Password:"), false, &problem));
    EXPECT_EQ(problem,
              "The text of \"Password\" holds the character \"\xE2\x9C\x93\" (U+2713), which a "
              "Quillox file cannot store.");
    // Beyond the Basic Multilingual Plane, four bytes of UTF-8.
    EXPECT_FALSE(FormTextBytes("\xF0\x9F\x98\x80", "Note", false, &problem));
    EXPECT_EQ(problem,
              "The text of \"Note\" holds the character \"\xF0\x9F\x98\x80\" (U+1F600), which a "
              "Quillox file cannot store.");
    // A password's characters are never shown.
    EXPECT_FALSE(FormTextBytes("ok \xE2\x9C\x93", "PIN Code", true, &problem));
    EXPECT_EQ(problem,
              "The text of \"PIN Code\" holds a character that a Quillox file cannot store.");

    const std::string longest(kMaxCardTextBytes, 'x');
    EXPECT_EQ(FormTextBytes(longest, "Note", false), longest);
    // Two bytes of UTF-8 that become one byte still fit.
    EXPECT_TRUE(FormTextBytes(std::string(kMaxCardTextBytes - 1, 'x') + "\xC3\xA9", "URL", false));
    EXPECT_FALSE(FormTextBytes(longest + "\r\n", "Note", false, &problem));
    EXPECT_EQ(problem,
              "The text of \"Note\" is longer than 32766 bytes, the most a Quillox file can "
              "store.");
}

}  // namespace
}  // namespace quillox
