#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "web/launch_arguments.h"

// Unix only. The desktop's record of its default web browser: the id that
// `xdg-settings get default-web-browser` prints, and the desktop entry file
// of that id, whose Exec key says how the browser starts.
namespace quillox::web {

// The desktop entry id in xdg-settings' output ("firefox.desktop"); nothing
// when the output names none.
std::optional<std::string> DefaultBrowserEntryId(std::string_view xdgSettingsOutput);

// The files that may hold entry id, in the order the desktop searches them:
// the applications folder of dataHome ($XDG_DATA_HOME, default
// home/.local/share), then of each folder of dataDirs ($XDG_DATA_DIRS, default
// /usr/local/share:/usr/share). Relative folders are skipped.
std::vector<std::string> DesktopEntryCandidates(std::string_view id, const char* dataHome,
                                                const char* home, const char* dataDirs);

// The text of the first candidate that can be read.
std::optional<std::string> ReadFirstDesktopEntry(const std::vector<std::string>& candidates);

// The command of the entry's Exec key (group "Desktop Entry"), split into
// arguments and unquoted as desktop entries specify: %u, %U, %f and %F give
// url (standing alone they give it as one argument, or no argument without a
// url), "%%" gives "%", the other field codes give nothing. Nothing when
// there is no Exec key or it does not parse.
std::optional<ArgumentVector> DesktopEntryCommand(std::string_view entryText,
                                                  std::optional<std::string_view> url);

// command split into arguments as an Exec value is (quotes, backslashes),
// with no url for the field codes. Nothing when it is empty or does not parse.
std::optional<ArgumentVector> SplitExecCommand(std::string_view command);

}  // namespace quillox::web
