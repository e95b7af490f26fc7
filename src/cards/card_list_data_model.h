#pragma once

#include <wx/dataview.h>

#include "cards/card_list_rows.h"

namespace quillox {

// Hands the list control the texts of its cells when it asks for them: no
// text is stored, and the preferences that shape them are read each time.
class CardListDataModel : public wxDataViewVirtualListModel {
  public:
    explicit CardListDataModel(const CardListRows& rows) : rows_(rows) {}

    unsigned GetColumnCount() const override;
    wxString GetColumnType(unsigned column) const override;
    void GetValueByRow(wxVariant& value, unsigned row, unsigned column) const override;
    bool SetValueByRow(const wxVariant& value, unsigned row, unsigned column) override;
    bool GetAttrByRow(unsigned row, unsigned column, wxDataViewItemAttr& attr) const override;

  private:
    const CardListRows& rows_;
};

}  // namespace quillox
