#include "cards/card_list_data_model.h"

#include "cards/cell_text.h"
#include "prefs/settings.h"
#include "store/text_codec.h"

namespace quillox {

unsigned CardListDataModel::GetColumnCount() const {
    return kListColumnCount;
}

wxString CardListDataModel::GetColumnType(unsigned) const {
    return "string";
}

void CardListDataModel::GetValueByRow(wxVariant& value, unsigned row, unsigned column) const {
    const CardRecord* card = rows_.At(row);
    if (card == nullptr) {
        value = wxString();
        return;
    }
    CellOptions options;
    options.showPasswordAlways = prefs::Read(prefs::kShowPasswordAlways) == 1;
    options.dateFormat = static_cast<int>(prefs::Read(prefs::kDateFormat));
    value = wxString::FromUTF8(Cp1252ToUtf8(CellText(*card, static_cast<int>(column), options)));
}

bool CardListDataModel::SetValueByRow(const wxVariant&, unsigned, unsigned) {
    return false;
}

// The list's texts are blue.
bool CardListDataModel::GetAttrByRow(unsigned, unsigned, wxDataViewItemAttr& attr) const {
    attr.SetColour(wxColour(0, 0, 255));
    return true;
}

}  // namespace quillox
