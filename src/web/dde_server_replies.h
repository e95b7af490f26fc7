#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// What the program answers when a browser calls back to one of its service
// names: fixed replies to progress reports and a file for a viewer query.
namespace quillox::web {

// The reply data to a request on topic (a DdeTopic, or -1 for a name that is
// no topic): "WWW_Alert" 0 and "WWW_BeginProgress" and "WWW_OpenURL" now, each
// as a 4-byte "DW"; "WWW_MakingProgress" false as a 2-byte "BL";
// "WWW_QueryViewer" the quoted name of a fresh file from makeViewerFile.
// Nothing for every other topic, and for a viewer query whose file could not
// be made.
std::optional<std::string> DdeRequestReply(
    int topic, std::uint32_t now,
    const std::function<std::optional<std::string>()>& makeViewerFile);

// Whether a poke on topic is acknowledged: only the five progress and window
// reports a browser pokes ("WWW_EndProgress", "WWW_SetProgressRange",
// "WWW_URLEcho", "WWW_ViewDocFile", "WWW_WindowChange").
bool DdePokeAcknowledged(int topic);

}  // namespace quillox::web
