#include "web/dde_object.h"

#include "web/dde_arguments.h"
#include "web/dde_instance.h"
#include "web/dde_topics.h"

namespace quillox::web {

namespace {

DdeValue TextOrMissing(const std::string& text) {
    if (text.empty()) {
        return std::monostate();
    }
    return text;
}

std::string TextAt(const DdeValues& values, std::size_t index) {
    const auto* text = index < values.size() ? std::get_if<std::string>(&values[index]) : nullptr;
    return text != nullptr ? *text : std::string();
}

}  // namespace

bool CDDEObject::OpenURL(const OpenUrlRequest& request) {
    // The reply, a number, means nothing more than that a browser answered.
    return !instance_
                .Request(*this, kWwwOpenUrl, "QCS,QCS,DW,DW,QCS,QCS,CS",
                         {request.address, TextOrMissing(request.target), request.windowId,
                          request.flags, TextOrMissing(request.postData),
                          TextOrMissing(request.mimeType), TextOrMissing(request.progressServer)},
                         "DW")
                .empty();
}

WindowInfo CDDEObject::GetWindowInfo(std::uint32_t windowId) {
    const DdeValues reply =
        instance_.Request(*this, kWwwGetWindowInfo, "DW", {windowId}, "QCS,QCS");
    return {TextAt(reply, 0), TextAt(reply, 1)};
}

}  // namespace quillox::web
