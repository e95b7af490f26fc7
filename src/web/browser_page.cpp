#include "web/browser_page.h"

#include <wx/clipbrd.h>
#include <optional>

#include "store/text_codec.h"
#include "web/browser_dde.h"
#include "web/clipboard_address.h"

namespace quillox::web {

namespace {

std::optional<std::string> ClipboardText() {
    wxClipboardLocker locker;
    wxTextDataObject text;
    if (!locker || !wxTheClipboard->GetData(text)) {
        return std::nullopt;
    }
    return text.GetText().utf8_string();
}

}  // namespace

WindowInfo ReadBrowserPage(DdeInstance& dde) {
    WindowInfo page = BrowserWindowInfo(dde);
    if (!page.url.empty()) {
        return page;
    }
    const std::optional<std::string> text = ClipboardText();
    const std::optional<std::string> address = text ? AddressFromClipboard(*text) : std::nullopt;
    // An address with a character that cards cannot hold is not taken half.
    if (std::optional<std::string> bytes = address ? Utf8ToCp1252(*address) : std::nullopt) {
        page.url = std::move(*bytes);
    }
    return page;
}

}  // namespace quillox::web
