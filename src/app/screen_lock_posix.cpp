#include <gio/gio.h>
#include <unistd.h>
#include <utility>

#include "app/screen_lock.h"

namespace quillox {

namespace {

class DbusScreenLockMonitor : public ScreenLockMonitor {
  public:
    explicit DbusScreenLockMonitor(std::function<void()> onLock) : onLock_(std::move(onLock)) {}

    ~DbusScreenLockMonitor() override {
        g_cancellable_cancel(cancellable_);
        if (session_ != nullptr) {
            g_dbus_connection_signal_unsubscribe(session_, screenSaver_);
            g_object_unref(session_);
        }
        if (system_ != nullptr) {
            if (logind_ != 0) {
                g_dbus_connection_signal_unsubscribe(system_, logind_);
            }
            g_object_unref(system_);
        }
        g_object_unref(cancellable_);
    }
    DbusScreenLockMonitor(const DbusScreenLockMonitor&) = delete;
    DbusScreenLockMonitor& operator=(const DbusScreenLockMonitor&) = delete;

    void ListenToScreenSaver(GDBusConnection* session) {
        session_ = session;
        screenSaver_ = g_dbus_connection_signal_subscribe(
            session_, nullptr, "org.freedesktop.ScreenSaver", "ActiveChanged", nullptr, nullptr,
            G_DBUS_SIGNAL_FLAGS_NONE, &DbusScreenLockMonitor::OnActiveChanged, this, nullptr);
    }

    // Asks logind, without waiting for it, which session is ours, and then
    // listens for that session's Lock.
    void ListenToLogind() {
        system_ = g_bus_get_sync(G_BUS_TYPE_SYSTEM, nullptr, nullptr);
        if (system_ == nullptr) {
            return;
        }
        g_dbus_connection_call(system_, "org.freedesktop.login1", "/org/freedesktop/login1",
                               "org.freedesktop.login1.Manager", "GetSessionByPID",
                               g_variant_new("(u)", static_cast<guint32>(getpid())),
                               G_VARIANT_TYPE("(o)"), G_DBUS_CALL_FLAGS_NO_AUTO_START, 5000,
                               cancellable_, &DbusScreenLockMonitor::OnSession, this);
    }

  private:
    static void OnActiveChanged(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                                const gchar*, GVariant* parameters, gpointer self) {
        gboolean active = FALSE;
        if (g_variant_is_of_type(parameters, G_VARIANT_TYPE("(b)"))) {
            g_variant_get(parameters, "(b)", &active);
        }
        if (active) {
            static_cast<DbusScreenLockMonitor*>(self)->onLock_();
        }
    }

    static void OnLock(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                       GVariant*, gpointer self) {
        static_cast<DbusScreenLockMonitor*>(self)->onLock_();
    }

    // Also runs, cancelled, after the monitor has gone: self is then not used.
    static void OnSession(GObject* source, GAsyncResult* result, gpointer self) {
        GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, nullptr);
        if (reply == nullptr) {
            return;
        }
        const gchar* path = nullptr;
        g_variant_get(reply, "(&o)", &path);
        auto* monitor = static_cast<DbusScreenLockMonitor*>(self);
        monitor->logind_ = g_dbus_connection_signal_subscribe(
            monitor->system_, "org.freedesktop.login1", "org.freedesktop.login1.Session", "Lock",
            path, nullptr, G_DBUS_SIGNAL_FLAGS_NONE, &DbusScreenLockMonitor::OnLock, monitor,
            nullptr);
        g_variant_unref(reply);
    }

    std::function<void()> onLock_;
    GCancellable* cancellable_ = g_cancellable_new();
    GDBusConnection* session_ = nullptr;
    GDBusConnection* system_ = nullptr;
    guint screenSaver_ = 0;
    guint logind_ = 0;
};

// Whether the session has a bus to ask: asking without one would have GIO
// start a bus of its own.
bool HasSessionBus() {
    if (g_getenv("DBUS_SESSION_BUS_ADDRESS") != nullptr) {
        return true;
    }
    const gchar* runtime = g_getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr) {
        return false;
    }
    gchar* socket = g_build_filename(runtime, "bus", nullptr);
    const bool exists = g_file_test(socket, G_FILE_TEST_EXISTS);
    g_free(socket);
    return exists;
}

}  // namespace

std::unique_ptr<ScreenLockMonitor> ScreenLockMonitor::Start(std::function<void()> onLock,
                                                            const std::string& sessionBus) {
    GDBusConnection* session =
        sessionBus.empty()
            ? (HasSessionBus() ? g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr) : nullptr)
            : g_dbus_connection_new_for_address_sync(
                  sessionBus.c_str(),
                  static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                                    G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
                  nullptr, nullptr, nullptr);
    auto monitor = std::make_unique<DbusScreenLockMonitor>(std::move(onLock));
    if (session != nullptr) {
        monitor->ListenToScreenSaver(session);
    }
    if (sessionBus.empty()) {
        monitor->ListenToLogind();
    }
    return monitor;
}

}  // namespace quillox
