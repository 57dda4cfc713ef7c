#!/usr/bin/python3
"""A stand-in for the desktop's notification service on a private session bus.

It owns org.freedesktop.Notifications and keeps every call it gets. The test
reads them and plays the user's part through the interface
example.tolvane.StandIn at /standin: Calls() gives the calls as JSON,
Invoke(id, action) clicks a button, Dismiss(id) closes a notification the
way a user's click on its close box does; a Notify call notes when it came
(at_ms, milliseconds since the epoch). Arguments: --no-actions leaves
"actions" out of the capabilities, --markup adds "body-markup". Prints
"ready" once the name is taken.
"""
import json
import sys
import time

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"
DISMISSED_BY_USER = 2
CLOSED_BY_CALL = 3


def plain(value):
    """A D-Bus value as JSON: hints keep their D-Bus type's name."""
    if isinstance(value, dbus.Dictionary):
        return {str(k): [type(v).__name__, plain(v)] for k, v in value.items()}
    if isinstance(value, (dbus.Array, list)):
        return [plain(v) for v in value]
    if isinstance(value, dbus.Boolean):
        return bool(value)
    if isinstance(value, (dbus.Byte, dbus.Int32, dbus.UInt32, dbus.Int64, dbus.UInt64, int)):
        return int(value)
    return str(value)


class Notifications(dbus.service.Object):
    def __init__(self, bus, capabilities):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.capabilities = capabilities
        self.calls = []
        self.open = set()
        self.last_id = 0

    @dbus.service.method(NAME, in_signature="", out_signature="as")
    def GetCapabilities(self):
        self.calls.append({"method": "GetCapabilities"})
        return self.capabilities

    @dbus.service.method(NAME, in_signature="", out_signature="ssss")
    def GetServerInformation(self):
        return ("stand-in", "Vestrona tests", "1", "1.2")

    @dbus.service.method(NAME, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout):
        self.last_id += 1
        self.open.add(self.last_id)
        self.calls.append({"method": "Notify", "id": self.last_id, "at_ms": time.time() * 1000,
                           "app_name": plain(app_name),
                           "replaces_id": int(replaces_id), "app_icon": plain(app_icon),
                           "summary": plain(summary), "body": plain(body), "actions": plain(actions),
                           "hints": plain(hints), "expire_timeout": int(expire_timeout)})
        return self.last_id

    @dbus.service.method(NAME, in_signature="u", out_signature="")
    def CloseNotification(self, id):
        self.calls.append({"method": "CloseNotification", "id": int(id)})
        if id in self.open:
            self.open.discard(id)
            self.NotificationClosed(id, CLOSED_BY_CALL)

    @dbus.service.signal(NAME, signature="us")
    def ActionInvoked(self, id, action):
        pass

    @dbus.service.signal(NAME, signature="uu")
    def NotificationClosed(self, id, reason):
        pass


class Control(dbus.service.Object):
    def __init__(self, bus, service):
        super().__init__(bus, "/standin")
        self.service = service

    @dbus.service.method("example.tolvane.StandIn", in_signature="", out_signature="s")
    def Calls(self):
        return json.dumps(self.service.calls)

    @dbus.service.method("example.tolvane.StandIn", in_signature="us", out_signature="")
    def Invoke(self, id, action):
        self.service.ActionInvoked(id, action)

    @dbus.service.method("example.tolvane.StandIn", in_signature="u", out_signature="")
    def Dismiss(self, id):
        self.service.open.discard(id)
        self.service.NotificationClosed(id, DISMISSED_BY_USER)


def main():
    DBusGMainLoop(set_as_default=True)
    capabilities = ["body", "persistence"]
    if "--no-actions" not in sys.argv:
        capabilities.append("actions")
    if "--markup" in sys.argv:
        capabilities.append("body-markup")
    bus = dbus.SessionBus()
    service = Notifications(bus, capabilities)
    control = Control(bus, service)
    name = dbus.service.BusName(NAME, bus, do_not_queue=True)
    print("ready", flush=True)
    loop = GLib.MainLoop()
    bus.add_signal_receiver(loop.quit, signal_name="Disconnected", dbus_interface="org.freedesktop.DBus.Local")
    loop.run()
    del name, control


if __name__ == "__main__":
    main()
