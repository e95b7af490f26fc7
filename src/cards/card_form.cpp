#include "cards/card_form.h"

#include <cstdio>
#include <initializer_list>
#include <stdexcept>

#include "store/category_table.h"
#include "store/text_codec.h"

namespace quillox {

namespace {

bool IsOneOf(const std::string& name, std::initializer_list<const char*> names) {
    for (const char* candidate : names) {
        if (name == candidate) {
            return true;
        }
    }
    return false;
}

std::string UrlPrefill(const std::string& categoryName) {
    if (IsOneOf(categoryName, {"WWW Sites", "Miscellaneous"})) {
        return "http://";
    }
    if (IsOneOf(categoryName, {"FTP Servers", "Newsgroups"})) {
        return "ftp://";
    }
    if (categoryName == "Login Accounts") {
        return "telnet://";
    }
    return std::string();
}

void AppendColons(std::array<std::string, 4>& labels) {
    for (std::string& label : labels) {
        label += ':';
    }
}

// The UTF-8 sequence of the character starting at position of a valid text.
std::string_view CharacterAt(std::string_view utf8, std::size_t position) {
    const auto lead = static_cast<unsigned char>(utf8[position]);
    const std::size_t length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return utf8.substr(position, lead < 0x80 ? 1 : length);
}

}  // namespace

CardForm NewCardForm(const std::string& categoryName) {
    CardForm form;
    form.categoryName = categoryName;
    GetFieldLabels(categoryName, form.labels[0], form.labels[1], form.labels[2], form.labels[3]);
    AppendColons(form.labels);
    form.field2 = UrlPrefill(categoryName);
    form.webAttributesEnabled =
        IsOneOf(categoryName, {"WWW Sites", "FTP Servers", "Miscellaneous"});
    return form;
}

CardForm WebPageCardForm(const std::string& categoryName, std::string_view title,
                         std::string_view url) {
    CardForm form = NewCardForm(categoryName);
    form.field1 = std::string(title);
    form.field2 = std::string(url);
    return form;
}

CardForm EditCardForm(const CardRecord& card) {
    CardForm form;
    form.categoryName = CategoryDisplayName(card.GetCategoryId());
    GetFieldLabels(card.GetCategoryId(), form.labels[0], form.labels[1], form.labels[2],
                   form.labels[3]);
    AppendColons(form.labels);
    form.field1 = std::string(card.GetField1());
    form.field2 = std::string(card.GetField2());
    form.field3 = std::string(card.GetField3());
    form.field4 = std::string(card.GetField4());
    form.note = std::string(card.GetNote());
    form.automaticAccess = card.IsAutomaticAccess();
    form.newBrowserWindow = card.IsNewBrowserWindow();
    form.editMode = true;
    form.webAttributesEnabled =
        IsOneOf(form.categoryName, {"WWW Sites", "WWW Forms", "FTP Servers", "Miscellaneous"});
    return form;
}

bool ShowsEditUrlButton(const std::string& categoryName) {
    return IsOneOf(categoryName, {"WWW Sites", "FTP Servers", "Newsgroups", "Login Accounts"});
}

std::unique_ptr<CardRecord> CreateCardFromForm(const CardForm& form, MacTime now, int dateFormat) {
    const int category = FindCategoryByName(form.categoryName);
    if (category < 0) {
        throw std::invalid_argument("no category named " + form.categoryName);
    }
    auto card = std::make_unique<CardRecord>();
    ApplyFormToCard(form, *card);
    card->SetCategoryId(static_cast<CategoryId>(category));
    card->SetCategoryText(form.categoryName);
    card->SetModified(now);
    card->SetModifiedTextFormat(dateFormat);
    return card;
}

std::string NoteLinesForEditor(std::string_view note) {
    std::string text;
    text.reserve(note.size());
    for (std::size_t i = 0; i < note.size(); ++i) {
        if (note[i] == '\r') {
            text += '\n';
            if (i + 1 < note.size() && note[i + 1] == '\n') {
                ++i;
            }
        } else {
            text += note[i];
        }
    }
    return text;
}

std::string NoteLinesFromEditor(std::string_view text) {
    const std::string lines = NoteLinesForEditor(text);
    std::string note;
    note.reserve(lines.size() + lines.size() / 8);
    for (char c : lines) {
        if (c == '\n') {
            note += '\r';
        }
        note += c;
    }
    return note;
}

std::string FieldNameOfLabel(std::string_view label) {
    if (!label.empty() && label.back() == ':') {
        label.remove_suffix(1);
    }
    return std::string(label);
}

std::optional<std::string> FormTextBytes(std::string_view utf8, std::string_view fieldName,
                                         bool secret, std::string* problem) {
    const std::string quotedName = "\"" + std::string(fieldName) + "\"";
    CodecError error;
    std::optional<std::string> bytes = Utf8ToCp1252(utf8, &error);
    if (!bytes) {
        if (problem != nullptr) {
            if (secret || error.invalidUtf8) {
                *problem = "The text of " + quotedName +
                           " holds a character that a Quillox file cannot store.";
            } else {
                char code[16];
                std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(error.codePoint));
                *problem = "The text of " + quotedName + " holds the character \"" +
                           std::string(CharacterAt(utf8, error.position)) + "\" (" + code +
                           "), which a Quillox file cannot store.";
            }
        }
        return std::nullopt;
    }
    if (bytes->size() > kMaxCardTextBytes) {
        if (problem != nullptr) {
            *problem = "The text of " + quotedName + " is longer than " +
                       std::to_string(kMaxCardTextBytes) +
                       " bytes, the most a Quillox file can store.";
        }
        return std::nullopt;
    }
    return bytes;
}

}  // namespace quillox
