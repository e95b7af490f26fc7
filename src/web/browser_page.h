#pragma once

#include "web/dde_object.h"

namespace quillox::web {

class DdeInstance;

// Get Web Page's source: the address and title of the page a DDE browser
// serving "IExplore" shows; when no browser tells the address, an http,
// https or ftp address the user copied to the clipboard (without a title).
// Windows-1252 texts; both empty when neither gives anything.
WindowInfo ReadBrowserPage(DdeInstance& dde);

}  // namespace quillox::web
