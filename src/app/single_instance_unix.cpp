#include "app/single_instance.h"

#include <wx/filename.h>
#include <wx/snglinst.h>
#include <wx/stdpaths.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <gio/gio.h>
#include <gio/gunixsocketaddress.h>
#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

// The lock is the toolkit's single-instance checker; the channel a local socket the first
// Lapmark listens on, through GLib's main loop, which the toolkit's event loop runs.

namespace
{
/// The folder for the lock and the socket: the user's runtime folder, else the temporary one.
wxString RuntimeFolder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime && *runtime ? wxString::FromUTF8(runtime) : wxFileName::GetTempDir();
}

/// The name of this user's Lapmark: the settings folder decides, so two users, or two homes
/// (as the tests make), never find each other.
wxString InstanceName()
{
    const std::string settings = wxStandardPaths::Get().GetUserConfigDir().utf8_string();
    std::uint64_t hash = 1469598103934665603ull; // FNV-1a
    for (unsigned char c : settings)
        hash = (hash ^ c) * 1099511628211ull;
    return wxString::Format("lapmark-%s-%016llx", wxGetUserId(), static_cast<unsigned long long>(hash));
}

wxString SocketPath()
{
    return RuntimeFolder() + "/" + InstanceName() + ".socket";
}

GSocketAddress* SocketAddress()
{
    return g_unix_socket_address_new(SocketPath().utf8_str());
}

/// A later start's request: the startup notification it came with, so the window manager lets
/// the window come to the front.
gboolean OnIncoming(GSocketService*, GSocketConnection* connection, GObject*, gpointer data)
{
    char request[512] = {};
    g_input_stream_read(g_io_stream_get_input_stream(G_IO_STREAM(connection)), request,
                        sizeof request - 1, nullptr, nullptr);
    (*static_cast<std::function<void(const char*)>*>(data))(request);
    return TRUE;
}
} // namespace

struct SingleInstance::Channel
{
    wxSingleInstanceChecker checker;
    GSocketService* service = nullptr;
    std::function<void(const char*)> raise;

    ~Channel()
    {
        if (!service)
            return;
        g_socket_service_stop(service);
        g_socket_listener_close(G_SOCKET_LISTENER(service));
        g_object_unref(service);
        std::remove(SocketPath().utf8_str());
    }
};

SingleInstance::SingleInstance() : m_channel(std::make_unique<Channel>()) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::AnotherRuns()
{
    if (!m_channel->checker.Create(InstanceName() + ".lock", RuntimeFolder()) ||
        !m_channel->checker.IsAnotherRunning())
        return false;
    // Ask it to come to the front; if it cannot be reached (still asking for the language, say),
    // this start still ends: its window will be there.
    GSocketClient* client = g_socket_client_new();
    GSocketAddress* address = SocketAddress();
    if (GSocketConnection* connection =
            g_socket_client_connect(client, G_SOCKET_CONNECTABLE(address), nullptr, nullptr))
    {
        const char* startup = std::getenv("DESKTOP_STARTUP_ID");
        const std::string request = startup ? startup : "";
        g_output_stream_write_all(g_io_stream_get_output_stream(G_IO_STREAM(connection)),
                                  request.data(), request.size(), nullptr, nullptr, nullptr);
        g_io_stream_close(G_IO_STREAM(connection), nullptr, nullptr);
        g_object_unref(connection);
    }
    g_object_unref(address);
    g_object_unref(client);
    return true;
}

void SingleInstance::Serve(wxTopLevelWindow& window)
{
    // Whatever is at the socket's place was left by a Lapmark that ended without removing it:
    // this one holds the lock now.
    std::remove(SocketPath().utf8_str());
    GSocketAddress* address = SocketAddress();
    m_channel->service = g_socket_service_new();
    const bool listening = g_socket_listener_add_address(
        G_SOCKET_LISTENER(m_channel->service), address, G_SOCKET_TYPE_STREAM,
        G_SOCKET_PROTOCOL_DEFAULT, nullptr, nullptr, nullptr);
    g_object_unref(address);
    if (!listening)
        return; // no channel: a later start ends all the same, only this window stays where it is
    m_channel->raise = [&window](const char* startup) {
        GtkWindow* gtk = GTK_WINDOW(window.GetHandle());
        // With the later start's own startup notice and its time, which a window manager wants
        // before it lets a window come to the front.
        if (*startup)
            gtk_window_set_startup_id(gtk, startup);
        gtk_window_present(gtk);
    };
    g_signal_connect(m_channel->service, "incoming", G_CALLBACK(OnIncoming), &m_channel->raise);
    g_socket_service_start(m_channel->service);
    // The window goes before this object does: from then on a request finds nothing to raise.
    window.Bind(wxEVT_DESTROY, [this, &window](wxWindowDestroyEvent& event) {
        if (event.GetEventObject() == &window)
            m_channel->raise = [](const char*) {};
        event.Skip();
    });
}
