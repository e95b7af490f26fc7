#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace quillox {

using CategoryId = std::uint8_t;

inline constexpr int kCategoryCount = 15;
inline constexpr CategoryId kDeletedCategoryId = 100;

using FieldLabels = std::array<std::string, 4>;

// The labels every category starts with, kept by the deleted cards.
FieldLabels DefaultFieldLabels();

struct CategoryInfo {
    const char* displayName;
    const char* menuText;
    std::array<const char*, 4> labels;
    const char* saveErrorMessage;
};

// Categories 0 to 14 by number.
const CategoryInfo& CategoryInfoOf(int id);

// The save error message of the deleted cards.
extern const char* const kDeletedCardsSaveError;

// Category numbers in the order of the category bar and the Change Category menu.
const std::array<CategoryId, kCategoryCount>& CategoryDisplayOrder();

// The category bar's extra entry after the fifteen names; not a category.
extern const char* const kShowAllName;

// 0 to 14 for an exact, case-sensitive display name, else -1.
int FindCategoryByName(const std::string& name);

// Names of 1 to 14; every other number, 0 included, gives "WWW Sites".
std::string CategoryDisplayName(int id);

// Copies the labels of categories 0 to 14; any other number leaves them as they are.
void GetFieldLabels(int id, std::string& label1, std::string& label2, std::string& label3,
                    std::string& label4);

// The same by display name; returns the byte length of the longest label (at
// least 1), or 0 with the outputs unchanged when the name is no category.
std::size_t GetFieldLabels(const std::string& name, std::string& label1, std::string& label2,
                           std::string& label3, std::string& label4);

}  // namespace quillox
