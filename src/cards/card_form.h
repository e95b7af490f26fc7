#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "document/card_content.h"
#include "store/card_record.h"
#include "store/mac_time.h"

namespace quillox {

// What the card dialog shows and gives back: the card's content and how the
// dialog presents it. Texts are Windows-1252 bytes; note lines are separated
// by CR LF, as a Windows edit control writes them.
struct CardForm : CardContent {
    std::string categoryName;           // display name shown in the dialog
    std::array<std::string, 4> labels;  // the four field labels as shown
    bool editMode = false;              // "Edit Card"/"OK" instead of "New Card"/"Add Card"
    bool webAttributesEnabled = false;  // the two check boxes enabled
};

CardForm NewCardForm(const std::string& categoryName);
CardForm WebPageCardForm(const std::string& categoryName, std::string_view title,
                         std::string_view url);
CardForm EditCardForm(const CardRecord& card);
bool ShowsEditUrlButton(const std::string& categoryName);

// A new card from the form, stamped with now and its date shown in
// dateFormat. Throws std::invalid_argument when the form's category name is
// no category.
std::unique_ptr<CardRecord> CreateCardFromForm(const CardForm& form, MacTime now, int dateFormat);

// The most bytes a card text may take in a Quillox file.
inline constexpr std::size_t kMaxCardTextBytes = 32766;

// The note with each line break (CR LF, lone CR, lone LF) as "\n", the form
// an edit control takes; and back, with each line break as CR LF.
std::string NoteLinesForEditor(std::string_view note);
std::string NoteLinesFromEditor(std::string_view text);

// How messages name a field: its label as shown, without the trailing ":".
std::string FieldNameOfLabel(std::string_view label);

// The Windows-1252 bytes a card keeps for a text typed into the card dialog
// (UTF-8, line breaks already as the card keeps them). When a Quillox file
// cannot hold the text, nothing, and problem tells the user why, naming the
// field by fieldName; the characters of a secret field are never shown.
std::optional<std::string> FormTextBytes(std::string_view utf8, std::string_view fieldName,
                                         bool secret, std::string* problem = nullptr);

}  // namespace quillox
