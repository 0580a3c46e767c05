#include "app/single_instance.h"

#include <wx/stdpaths.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <gio/gio.h>
#include <gio/gunixsocketaddress.h>
#include <gtk/gtk.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

// The lock is an advisory lock on a file, which the system lets go when its process ends, however
// it ends: a lock is never stale. The channel is a local socket the first Lapmark listens on,
// through GLib's main loop, which the toolkit's event loop runs; it answers every request, so a
// later start that hears nothing knows the first one is ending (or never answers) and opens its
// own window once the lock is free.

namespace
{
/// How long a later start waits for the first one's answer, and then for its lock.
constexpr guint AnswerSeconds = 3;
constexpr auto LockWait = std::chrono::seconds(10);

/// The folder for the lock and the socket: the user's runtime folder as the system makes it, else
/// the temporary one. The launch's environment does not decide, so every start finds the same.
std::string RuntimeFolder()
{
    const std::string runtime = "/run/user/" + std::to_string(getuid());
    struct stat folder{};
    if (stat(runtime.c_str(), &folder) == 0 && S_ISDIR(folder.st_mode) && folder.st_uid == getuid())
        return runtime;
    return "/tmp";
}

/// The name of this user's Lapmark: the settings folder decides, so two users, or two homes
/// (as the tests make), never find each other.
std::string InstanceName()
{
    const std::string settings = wxStandardPaths::Get().GetUserConfigDir().utf8_string();
    std::uint64_t hash = 1469598103934665603ull; // FNV-1a
    for (unsigned char c : settings)
        hash = (hash ^ c) * 1099511628211ull;
    char name[32];
    std::snprintf(name, sizeof name, "-%016llx", static_cast<unsigned long long>(hash));
    return "lapmark-" + wxGetUserId().utf8_string() + name;
}

std::string SocketPath()
{
    return RuntimeFolder() + "/" + InstanceName() + ".socket";
}

GSocketAddress* SocketAddress()
{
    return g_unix_socket_address_new(SocketPath().c_str());
}

/// Asks the Lapmark that holds the lock to come to the front; true when it answered.
bool AskFirst()
{
    GSocketClient* client = g_socket_client_new();
    g_socket_client_set_timeout(client, AnswerSeconds);
    GSocketAddress* address = SocketAddress();
    bool answered = false;
    if (GSocketConnection* connection =
            g_socket_client_connect(client, G_SOCKET_CONNECTABLE(address), nullptr, nullptr))
    {
        // With this start's startup notice, which a window manager wants before it lets a window
        // come to the front.
        const char* startup = std::getenv("DESKTOP_STARTUP_ID");
        const std::string request = std::string(startup ? startup : "") + "\n";
        char answer = 0;
        answered = g_output_stream_write_all(g_io_stream_get_output_stream(G_IO_STREAM(connection)),
                                             request.data(), request.size(), nullptr, nullptr, nullptr) &&
                   g_input_stream_read(g_io_stream_get_input_stream(G_IO_STREAM(connection)), &answer, 1,
                                       nullptr, nullptr) == 1 &&
                   answer == '1';
        g_io_stream_close(G_IO_STREAM(connection), nullptr, nullptr);
        g_object_unref(connection);
    }
    g_object_unref(address);
    g_object_unref(client);
    return answered;
}

/// A later start's request: its startup notice, a line. Answered at once, so it can end.
gboolean OnIncoming(GSocketService*, GSocketConnection* connection, GObject*, gpointer data)
{
    // A client that sends nothing holds the window up for a second at most.
    g_socket_set_timeout(g_socket_connection_get_socket(connection), 1);
    GInputStream* in = g_io_stream_get_input_stream(G_IO_STREAM(connection));
    std::string request;
    char c = 0;
    while (request.size() < 511 && g_input_stream_read(in, &c, 1, nullptr, nullptr) == 1 && c != '\n')
        request += c;
    (*static_cast<std::function<void(const char*)>*>(data))(request.c_str());
    g_output_stream_write_all(g_io_stream_get_output_stream(G_IO_STREAM(connection)), "1", 1, nullptr,
                              nullptr, nullptr);
    return TRUE;
}
} // namespace

struct SingleInstance::Channel
{
    int lock = -1;
    GSocketService* service = nullptr;
    /// Brings the window to the front; nothing before there is one.
    std::function<void(const char*)> raise = [](const char*) {};

    void StopServing()
    {
        if (!service)
            return;
        g_socket_service_stop(service);
        g_socket_listener_close(G_SOCKET_LISTENER(service));
        g_object_unref(service);
        service = nullptr;
        std::remove(SocketPath().c_str());
    }

    ~Channel()
    {
        StopServing();
        if (lock >= 0)
            close(lock);
    }
};

SingleInstance::SingleInstance() : m_channel(std::make_unique<Channel>()) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::AnotherRuns()
{
    const std::string path = RuntimeFolder() + "/" + InstanceName() + ".lock";
    const int lock = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock < 0)
        return false; // no check can be made: this one runs as ever
    const auto deadline = std::chrono::steady_clock::now() + LockWait;
    bool asked = false;
    while (flock(lock, LOCK_EX | LOCK_NB) != 0)
    {
        // Held by a Lapmark that is alive. Asked once: one that answers has come to the front;
        // one that does not is ending, or cannot answer, and this one opens once it is gone.
        if (!asked && AskFirst())
        {
            close(lock);
            return true;
        }
        asked = true;
        if (std::chrono::steady_clock::now() > deadline)
        {
            std::fprintf(stderr, "Lapmark: another Lapmark holds %s but does not answer; this one "
                                 "opens a window of its own.\n", path.c_str());
            close(lock);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    m_channel->lock = lock;
    // Listening from now on, so a start while this one still asks for the language finds it.
    std::remove(SocketPath().c_str());
    GSocketAddress* address = SocketAddress();
    m_channel->service = g_socket_service_new();
    const bool listening = g_socket_listener_add_address(
        G_SOCKET_LISTENER(m_channel->service), address, G_SOCKET_TYPE_STREAM,
        G_SOCKET_PROTOCOL_DEFAULT, nullptr, nullptr, nullptr);
    g_object_unref(address);
    if (!listening)
    {
        // No channel: a later start waits for this one to end, then opens its own window.
        g_object_unref(m_channel->service);
        m_channel->service = nullptr;
        return false;
    }
    g_signal_connect(m_channel->service, "incoming", G_CALLBACK(OnIncoming), &m_channel->raise);
    g_socket_service_start(m_channel->service);
    return false;
}

void SingleInstance::Serve(wxTopLevelWindow& window)
{
    m_channel->raise = [&window](const char* startup) {
        GtkWindow* gtk = GTK_WINDOW(window.GetHandle());
        if (*startup)
            gtk_window_set_startup_id(gtk, startup);
        gtk_window_present(gtk);
    };
    // Once the window goes, requests go unanswered: a later start waits for this one to end.
    window.Bind(wxEVT_DESTROY, [this, &window](wxWindowDestroyEvent& event) {
        if (event.GetEventObject() == &window)
        {
            m_channel->raise = [](const char*) {};
            m_channel->StopServing();
        }
        event.Skip();
    });
}
