#pragma once

#include <cstdint>
#include <string_view>

#include "web/dde_instance.h"

// The two uses the program makes of a DDE browser. Each makes a new object
// (and so a new service name of the program's own) that lives on for the
// browser's callbacks.
namespace quillox::web {

// The service a DDE-capable browser offers.
inline constexpr char kBrowserDdeService[] = "IExplore";
// Window ids of "WWW_OpenURL" and "WWW_GetWindowInfo".
inline constexpr std::uint32_t kNewBrowserWindowId = 0;
inline constexpr std::uint32_t kLastActiveWindowId = 0xFFFFFFFF;

// Hands a Windows-1252 address to the browser, in a new window or the last
// active one, naming the new object's service as progress server. True when
// a browser answered.
bool OpenAddressThroughDde(DdeInstance& instance, std::string_view address, bool newWindow);

// The address and title of the browser's last active window; empty when no
// browser answered.
WindowInfo BrowserWindowInfo(DdeInstance& instance);

}  // namespace quillox::web
