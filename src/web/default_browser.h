#pragma once

#include <optional>
#include <string_view>

#include "web/launch_arguments.h"

// Unix only. The command of the desktop's default web browser, as
// `xdg-settings get default-web-browser` names it and its desktop entry
// says how to start it.
namespace quillox::web {

// How long the desktop's answer may take before the browser counts as unknown.
inline constexpr int kDefaultBrowserQueryMs = 3000;

// The Exec command of the default browser's desktop entry, with url as its
// address or none. xdg-settings is looked for in pathVariable; the entry in
// the folders that dataHome ($XDG_DATA_HOME), home and dataDirs
// ($XDG_DATA_DIRS) give. Nothing when xdg-settings is missing or fails, or
// names no entry that can be read and started.
std::optional<ArgumentVector> DefaultBrowserCommand(std::optional<std::string_view> url,
                                                    std::string_view pathVariable,
                                                    const char* dataHome, const char* home,
                                                    const char* dataDirs);

// The same for this process's environment.
std::optional<ArgumentVector> DefaultBrowserCommand(std::optional<std::string_view> url);

}  // namespace quillox::web
