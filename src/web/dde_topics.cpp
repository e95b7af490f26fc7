#include "web/dde_topics.h"

#include <array>

#include "web/ascii_text.h"

namespace quillox::web {

namespace {

constexpr std::array<std::string_view, kDdeTopicCount> kTopicNames = {
    "WWW_Activate",
    "WWW_Alert",
    "WWW_BeginProgress",
    "WWW_CancelProgress",
    "WWW_EndProgress",
    "WWW_Exit",
    "WWW_GetWindowInfo",
    "WWW_ListWindows",
    "WWW_MakingProgress",
    "WWW_OpenURL",
    "WWW_ParseAnchor",
    "WWW_QueryURLFile",
    "WWW_QueryViewer",
    "WWW_RegisterProtocol",
    "WWW_RegisterURLEcho",
    "WWW_RegisterViewer",
    "WWW_RegisterWindowChange",
    "WWW_SetProgressRange",
    "WWW_ShowFile",
    "WWW_UnRegisterProtocol",
    "WWW_UnRegisterURLEcho",
    "WWW_UnRegisterViewer",
    "WWW_UnRegisterWindowChange",
    "WWW_URLEcho",
    "WWW_Version",
    "WWW_ViewDocFile",
    "WWW_WindowChange",
};

}  // namespace

std::string_view DdeTopicName(DdeTopic topic) {
    return kTopicNames.at(static_cast<std::size_t>(topic));
}

int FindDdeTopic(std::string_view name) {
    for (std::size_t i = 0; i < kTopicNames.size(); ++i) {
        if (EqualsIgnoringAsciiCase(kTopicNames[i], name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace quillox::web
