#!/usr/bin/python3
"""A stand-in for a StatusNotifierItem host (Plasma's panel, GNOME's
AppIndicator extension) on a private session bus.

It owns org.kde.StatusNotifierWatcher with a host registered, so Qt puts
its tray icon there instead of into an X tray. The test reads what the
program registered through example.tolvane.StandIn at /standin: Items()
gives the registered items' bus names, Tip(item) the tooltip's title and
text, Menu(item) the labels of the icon's menu, Click(item, label) clicks
one of them. Prints "ready" once the name is taken.
"""
import json

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

WATCHER = "org.kde.StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
MENU = "com.canonical.dbusmenu"
PROPERTIES = "org.freedesktop.DBus.Properties"


class Watcher(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/StatusNotifierWatcher")
        self.items = []

    @dbus.service.method(WATCHER, in_signature="s", out_signature="", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # An item names its bus name or, as some do, only its object path.
        self.items.append(str(service) if service.startswith(":") or "." in service else str(sender))
        self.StatusNotifierItemRegistered(service)

    @dbus.service.method(WATCHER, in_signature="s", out_signature="")
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, service):
        pass

    # Qt reads the properties through an introspected interface, so they
    # must be declared there too.
    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, in_signature="", out_signature="s",
                         path_keyword="object_path", connection_keyword="connection")
    def Introspect(self, object_path, connection):
        declared = ('<property name="IsStatusNotifierHostRegistered" type="b" access="read"/>'
                    '<property name="ProtocolVersion" type="i" access="read"/>'
                    '<property name="RegisteredStatusNotifierItems" type="as" access="read"/>')
        opening = '<interface name="%s">' % WATCHER
        return super().Introspect(object_path, connection).replace(opening, opening + declared)

    @dbus.service.method(PROPERTIES, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self.GetAll(interface)[name]

    @dbus.service.method(PROPERTIES, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return {"IsStatusNotifierHostRegistered": dbus.Boolean(True), "ProtocolVersion": dbus.Int32(0),
                "RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s")}


def entries(layout):
    """The menu's entries below the root: (id, label) with accelerator marks gone."""
    _, (_, _, children) = layout
    found = []
    for child in children:
        child_id, properties, _ = child
        if properties.get("type", "standard") == "separator" or not properties.get("visible", True):
            continue
        found.append((int(child_id), str(properties.get("label", "")).replace("_", "")))
    return found


class Control(dbus.service.Object):
    def __init__(self, bus, watcher):
        super().__init__(bus, "/standin")
        self.bus = bus
        self.watcher = watcher

    def menu(self, item):
        path = self.bus.get_object(item, "/StatusNotifierItem").Get(ITEM, "Menu", dbus_interface=PROPERTIES)
        menu = self.bus.get_object(item, path)
        menu.AboutToShow(0, dbus_interface=MENU)
        return menu, entries(menu.GetLayout(0, -1, dbus.Array([], signature="s"), dbus_interface=MENU))

    @dbus.service.method("example.tolvane.StandIn", in_signature="", out_signature="as")
    def Items(self):
        return self.watcher.items

    @dbus.service.method("example.tolvane.StandIn", in_signature="s", out_signature="s")
    def Tip(self, item):
        tip = self.bus.get_object(item, "/StatusNotifierItem").Get(ITEM, "ToolTip", dbus_interface=PROPERTIES)
        return json.dumps({"title": str(tip[2]), "text": str(tip[3])})

    @dbus.service.method("example.tolvane.StandIn", in_signature="s", out_signature="as")
    def Menu(self, item):
        return [label for _, label in self.menu(item)[1]]

    @dbus.service.method("example.tolvane.StandIn", in_signature="ss", out_signature="b")
    def Click(self, item, label):
        menu, found = self.menu(item)
        for entry_id, entry_label in found:
            if entry_label == label:
                menu.Event(entry_id, "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(0), dbus_interface=MENU)
                return True
        return False


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    watcher = Watcher(bus)
    control = Control(bus, watcher)
    name = dbus.service.BusName(WATCHER, bus, do_not_queue=True)
    print("ready", flush=True)
    loop = GLib.MainLoop()
    loop.run()
    del name, control


if __name__ == "__main__":
    main()
