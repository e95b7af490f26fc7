#include "web/dde_server_replies.h"

#include "web/dde_arguments.h"
#include "web/dde_topics.h"

namespace quillox::web {

std::optional<std::string> DdeRequestReply(
    int topic, std::uint32_t now,
    const std::function<std::optional<std::string>()>& makeViewerFile) {
    switch (topic) {
        case kWwwAlert:
            return EncodeDdeReply("DW", {0u});
        case kWwwBeginProgress:
        case kWwwOpenUrl:
            return EncodeDdeReply("DW", {now});
        case kWwwMakingProgress:
            return EncodeDdeReply("BL", {false});
        case kWwwQueryViewer:
            if (std::optional<std::string> file = makeViewerFile()) {
                return EncodeDdeReply("QCS", {std::move(*file)});
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

bool DdePokeAcknowledged(int topic) {
    switch (topic) {
        case kWwwEndProgress:
        case kWwwSetProgressRange:
        case kWwwUrlEcho:
        case kWwwViewDocFile:
        case kWwwWindowChange:
            return true;
        default:
            return false;
    }
}

}  // namespace quillox::web
