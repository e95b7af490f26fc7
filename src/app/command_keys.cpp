#include "app/command_keys.h"

#include <iterator>

#include "ui/command_ids.h"

namespace quillox {

wxAcceleratorTable CommandKeys() {
    wxAcceleratorEntry keys[] = {
        {wxACCEL_CTRL, 'C', wxID_COPY},           {wxACCEL_ALT, 'C', cmd::kCopyPasswordMenu},
        {wxACCEL_CTRL, 'D', cmd::kDeleteCard},    {wxACCEL_CTRL, 'E', cmd::kEditCard},
        {wxACCEL_CTRL, 'F', wxID_FIND},           {wxACCEL_ALT, 'G', cmd::kGeneratePassword},
        {wxACCEL_CTRL, 'N', cmd::kNewCard},       {wxACCEL_ALT, 'N', wxID_NEW},
        {wxACCEL_CTRL, 'O', wxID_OPEN},           {wxACCEL_CTRL, 'P', wxID_PRINT},
        {wxACCEL_ALT, 'P', cmd::kPreferences},    {wxACCEL_CTRL, 'S', wxID_SAVE},
        {wxACCEL_ALT, 'S', cmd::kEncryptOnSave},  {wxACCEL_CTRL, 'V', wxID_PASTE},
        {wxACCEL_ALT, WXK_BACK, wxID_UNDO},       {wxACCEL_SHIFT, WXK_DELETE, wxID_CUT},
        {wxACCEL_NORMAL, WXK_F6, cmd::kNextPane}, {wxACCEL_SHIFT, WXK_F6, cmd::kPreviousPane},
        {wxACCEL_SHIFT, WXK_INSERT, wxID_PASTE},  {wxACCEL_CTRL, 'W', cmd::kLoadWebPageMenu},
        {wxACCEL_ALT, 'W', cmd::kGetWebPageMenu}, {wxACCEL_CTRL, 'X', wxID_CUT},
        {wxACCEL_CTRL, 'Z', wxID_UNDO},
    };
    return wxAcceleratorTable(static_cast<int>(std::size(keys)), keys);
}

}  // namespace quillox
