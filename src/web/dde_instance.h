#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "web/dde_arguments.h"
#include "web/dde_object.h"
#include "web/dde_topics.h"
#include "web/dde_transport.h"

namespace quillox::web {

// Hears when a request of the program starts waiting for the browser and when
// the last one ends. While one waits, the windows keep receiving events, so
// nothing that the request returns to may be destroyed meanwhile.
class DdeWaitObserver {
  public:
    virtual ~DdeWaitObserver() = default;
    virtual void OnWaitStarted() = 0;
    virtual void OnWaitEnded() = 0;
};

// The process's one DDE instance: every CDDEObject and open conversation,
// the counter that names the objects, the browser service they all talk to,
// and the answers to the browser's callbacks. Lives from start-up to exit, on
// the user-interface thread; callbacks may arrive while a request waits.
class DdeInstance final : public DdeCallbacks {
  public:
    // The most files made for "WWW_QueryViewer" that are kept at once; the
    // oldest goes when another is made.
    static constexpr std::size_t kMaxViewerFiles = 32;

    // viewerFolder receives the files made for "WWW_QueryViewer"; they are
    // removed when the instance ends.
    DdeInstance(DdeTransport& transport, std::string viewerFolder);
    ~DdeInstance() override;
    DdeInstance(const DdeInstance&) = delete;
    DdeInstance& operator=(const DdeInstance&) = delete;

    // A new object named "Quillox" and the next number, serving that name.
    // Every object talks to the browser service named when the first was
    // made. Objects live as long as the instance.
    CDDEObject& CreateObject(const std::string& browserService);

    const std::string& BrowserService() const { return browserService_; }
    // observer (or nothing) hears of every request's wait from now on.
    void SetWaitObserver(DdeWaitObserver* observer) { waitObserver_ = observer; }
    // Whether a request of the program waits for the browser now.
    bool IsWaiting() const { return waiting_ > 0; }
    const std::vector<std::unique_ptr<CDDEObject>>& Objects() const { return objects_; }
    // Every open conversation, in the order they opened.
    const std::vector<CDDEConversation>& Conversations() const { return conversations_; }

    bool OnConnect(const std::string& service, const std::string& topic) override;
    void OnConnectConfirm(const std::string& service, const std::string& topic,
                          DdeConversationHandle conversation) override;
    std::optional<std::string> OnRequest(DdeConversationHandle conversation,
                                         const std::string& topic,
                                         const std::string& item) override;
    bool OnPoke(DdeConversationHandle conversation, const std::string& topic,
                const std::string& item, std::string_view data) override;
    void OnDisconnect(DdeConversationHandle conversation) override;

  private:
    friend class CDDEObject;
    // One request of object to the browser service on topic: connect, send
    // the arguments under format, read the reply with replyFormat,
    // disconnect. Empty when no reply came.
    DdeValues Request(CDDEObject& object, DdeTopic topic, std::string_view format,
                      const DdeValues& arguments, std::string_view replyFormat);

    CDDEObject* FindObject(const std::string& service) const;
    bool IsOpen(DdeConversationHandle conversation) const;
    void AddConversation(CDDEObject& owner, DdeConversationHandle conversation);
    void RemoveConversation(DdeConversationHandle conversation);
    std::optional<std::string> MakeViewerFile();

    DdeTransport& transport_;
    std::string viewerFolder_;
    std::vector<std::string> viewerFiles_;
    std::vector<std::unique_ptr<CDDEObject>> objects_;
    std::vector<CDDEConversation> conversations_;
    unsigned long serviceCounter_ = 0;
    std::string browserService_;
    DdeWaitObserver* waitObserver_ = nullptr;
    // Requests that wait, one inside another's wait when a callback asks.
    int waiting_ = 0;
};

}  // namespace quillox::web
