#include "web/browser_dde.h"

namespace quillox::web {

bool OpenAddressThroughDde(DdeInstance& instance, std::string_view address, bool newWindow) {
    CDDEObject& object = instance.CreateObject(kBrowserDdeService);
    OpenUrlRequest request;
    request.address = std::string(address);
    request.windowId = newWindow ? kNewBrowserWindowId : kLastActiveWindowId;
    request.progressServer = object.ServiceName();
    return object.OpenURL(request);
}

WindowInfo BrowserWindowInfo(DdeInstance& instance) {
    return instance.CreateObject(kBrowserDdeService).GetWindowInfo(kLastActiveWindowId);
}

}  // namespace quillox::web
