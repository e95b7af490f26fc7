#include "document/card_content.h"

namespace quillox {

void ApplyFormToCard(const CardContent& form, CardRecord& card) {
    card.SetField1(form.field1);
    card.SetField2(form.field2);
    card.SetField3(form.field3);
    card.SetField4(form.field4);
    card.SetNote(form.note);
    card.SetAutomaticAccess(form.automaticAccess);
    card.SetNewBrowserWindow(form.newBrowserWindow);
    card.SetChanged(true);
}

}  // namespace quillox
