#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "web/dde_transport.h"

namespace quillox::web {

class DdeInstance;
class CDDEObject;

// One open conversation: a client one for the length of a request, or a
// server one that a browser opened to an object's service name.
struct CDDEConversation {
    DdeConversationHandle conversation = 0;
    CDDEObject* owner = nullptr;
};

// The arguments of "WWW_OpenURL"; texts are Windows-1252. Empty target, post
// data, MIME type and progress server are sent as missing.
struct OpenUrlRequest {
    std::string address;
    std::string target;
    std::uint32_t windowId = 0;
    std::uint32_t flags = 0;
    std::string postData;
    std::string mimeType;
    std::string progressServer;
};

// The answer of "WWW_GetWindowInfo": the page's address and title, both empty
// when the browser did not answer.
struct WindowInfo {
    std::string url;
    std::string title;
};

// One use of the browser conversation: owns a service name of the program's
// own ("Quillox1", "Quillox2", ...), which it serves for the browser's
// callbacks while it lives, and the conversations made through it. Made by
// DdeInstance::CreateObject.
class CDDEObject {
  public:
    CDDEObject(const CDDEObject&) = delete;
    CDDEObject& operator=(const CDDEObject&) = delete;

    const std::string& ServiceName() const { return serviceName_; }
    // False when the transport could not offer the service name.
    bool IsServing() const { return serving_; }
    // Its open conversations, client and server, in the order they opened.
    const std::vector<DdeConversationHandle>& Conversations() const { return conversations_; }

    // Asks the browser to open an address. Failures are silent: the caller
    // cannot tell whether the browser was reached.
    bool OpenURL(const OpenUrlRequest& request);
    // Asks the browser for the address and title of a window.
    WindowInfo GetWindowInfo(std::uint32_t windowId);

  private:
    friend class DdeInstance;
    CDDEObject(DdeInstance& instance, std::string serviceName)
        : instance_(instance), serviceName_(std::move(serviceName)) {}

    DdeInstance& instance_;
    std::string serviceName_;
    bool serving_ = false;
    std::vector<DdeConversationHandle> conversations_;
};

}  // namespace quillox::web
