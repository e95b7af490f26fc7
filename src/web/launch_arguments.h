#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <vector>

// The argument vectors the browser and helper programs are started with.
// Programs are never started through a shell: an address is always exactly
// one argument. Texts are UTF-8 (card texts pass through Cp1252ToUtf8 first).
namespace quillox::web {

using ArgumentVector = std::vector<std::string>;

// Where the browser commands go, by "Choose Web Browser": 0 the program of
// "Netscape File Path", any other value the desktop's default browser.
enum class BrowserRoute { kChosenProgram, kDefaultBrowser };
BrowserRoute RouteOfChoice(long chooseWebBrowser);

// Whether address may be given to a program: not empty, and not taken for an
// option (a leading "-" would let a card's URL set a browser's options).
bool IsSafeAddressArgument(std::string_view address);

// A program started from its path (a helper's, "Netscape File Path", or
// xdg-open for the default browser), alone or with address as its only
// argument; nothing when the path is empty or the address is not safe.
std::optional<ArgumentVector> ProgramArguments(const std::string& path,
                                               std::optional<std::string_view> address = {});

// Launch WWW: the browser without an address, showing its home page. The
// default browser starts as its desktop entry says (defaultBrowserCommand,
// Exec without a URL), else from "Explorer File Path". Nothing when the route
// has no program: the route's failure message is shown.
std::optional<ArgumentVector> LaunchWwwArguments(
    BrowserRoute route, const std::string& netscapePath,
    const std::optional<ArgumentVector>& defaultBrowserCommand, const std::string& explorerPath);

}  // namespace quillox::web
