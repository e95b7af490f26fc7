#pragma once

#include <wx/object.h>
#include <string>

#include "store/card_record.h"

namespace quillox {

// The hints a document hands its views when it updates them.

// Show the category of this display name ("Show All" for all fifteen).
class CategoryHint : public wxObject {
  public:
    explicit CategoryHint(std::string name) : name_(std::move(name)) {}
    const std::string& Name() const { return name_; }

  private:
    std::string name_;
};

// This card changed in place: draw it again where it is shown, without
// refilling the list.
class CardChangedHint : public wxObject {
  public:
    explicit CardChangedHint(const CardRecord& card) : card_(card) {}
    const CardRecord& Card() const { return card_; }

  private:
    const CardRecord& card_;
};

}  // namespace quillox
