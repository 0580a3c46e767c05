#!/usr/bin/python3
"""A stand-in for the desktop's global-shortcuts portal on the session bus, for the whole-program
test: it answers CreateSession and BindShortcuts as the portal does (a Response signal on the
request object the caller's token names), binds every shortcut at its preferred trigger but those
named by --refuse, and logs each call to LOG. SIGUSR1 says start_stop went down (Activated),
SIGUSR2 split.
  shortcuts_portal.py LOG [--refuse ID]..."""
import signal
import sys

from gi.repository import Gio, GLib

PATH = "/org/freedesktop/portal/desktop"
XML = """<node>
<interface name="org.freedesktop.portal.GlobalShortcuts">
  <method name="CreateSession"><arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
  <method name="BindShortcuts"><arg type="o" direction="in"/><arg type="a(sa{sv})" direction="in"/>
    <arg type="s" direction="in"/><arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
  <signal name="Activated"><arg type="o"/><arg type="s"/><arg type="t"/><arg type="a{sv}"/></signal>
  <property name="version" type="u" access="read"/>
</interface>
<interface name="org.freedesktop.portal.Session"><method name="Close"/></interface>
</node>"""

log_path = sys.argv[1]
refused = [sys.argv[i + 1] for i, word in enumerate(sys.argv) if word == "--refuse"]
bus = Gio.bus_get_sync(Gio.BusType.SESSION)
node = Gio.DBusNodeInfo.new_for_xml(XML)
sessions = {}  # session path -> the caller's unique name


def log(line):
    with open(log_path, "a") as out:
        out.write(line + "\n")


def request_path(sender, options):
    return "%s/request/%s/%s" % (PATH, sender[1:].replace(".", "_"), options["handle_token"])


def respond(sender, path, results):
    GLib.idle_add(lambda: bus.emit_signal(sender, path, "org.freedesktop.portal.Request", "Response",
                                          GLib.Variant("(ua{sv})", (0, results))) and False)


def call(connection, sender, path, interface, method, parameters, invocation):
    args = parameters.unpack()
    if method == "Close":
        log("Close")
        sessions.pop(path, None)
        invocation.return_value(None)
    elif method == "CreateSession":
        options = args[0]
        session = "%s/session/%s/%s" % (PATH, sender[1:].replace(".", "_"), options["session_handle_token"])
        sessions[session] = sender
        register(session, 1)
        log("CreateSession")
        reply = request_path(sender, options)
        invocation.return_value(GLib.Variant("(o)", (reply,)))
        respond(sender, reply, {"session_handle": GLib.Variant("s", session)})
    elif method == "BindShortcuts":
        session, shortcuts, _, options = args
        bound = []
        for shortcut_id, properties in shortcuts:
            log("Bind %s %s" % (shortcut_id, properties.get("preferred_trigger", "")))
            if shortcut_id not in refused:
                bound.append((shortcut_id, {"description": GLib.Variant("s", properties.get("description", "")),
                                            "trigger_description": GLib.Variant("s", properties.get("preferred_trigger", ""))}))
        reply = request_path(sender, options)
        invocation.return_value(GLib.Variant("(o)", (reply,)))
        respond(sender, reply, {"shortcuts": GLib.Variant("a(sa{sv})", bound)})


def get_property(connection, sender, path, interface, name):
    return GLib.Variant("u", 1)


def register(path, which):
    bus.register_object(path, node.interfaces[which], call, get_property, None)


def activate(shortcut_id):
    for session, sender in sessions.items():
        bus.emit_signal(sender, PATH, "org.freedesktop.portal.GlobalShortcuts", "Activated",
                        GLib.Variant("(osta{sv})", (session, shortcut_id, 0, {})))
        log("Activated " + shortcut_id)
    return True


register(PATH, 0)
loop = GLib.MainLoop()
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, lambda: activate("start_stop"))
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR2, lambda: activate("split"))
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, lambda: loop.quit() or False)
Gio.bus_own_name_on_connection(bus, "org.freedesktop.portal.Desktop", Gio.BusNameOwnerFlags.NONE,
                               lambda *a: log("Owned"), None)
loop.run()
