# Types into a headless mutter through its remote-desktop interface, as mutter lets no other test
# type; the session also gives the seat the keyboard that wl-paste needs there. Prints "ready",
# then reads a line at a time from standard input: "keys K [K ...]", each K a key (Tab, Return)
# or a chord (ctrl+shift+c), "type TEXT", or "click" (the left button, where the pointer is: at
# first the screen's middle); answers each with "done".
# Usage: /usr/bin/python3 mutter_input.py (in the compositor's session)
import sys
import time

from gi.repository import Gio, GLib

NAMED = {"tab": 0xFF09, "return": 0xFF0D, "escape": 0xFF1B, "ctrl": 0xFFE3, "shift": 0xFFE1, "minus": 0x2D}

bus = Gio.bus_get_sync(Gio.BusType.SESSION)
service = "org.gnome.Mutter.RemoteDesktop"
desktop = Gio.DBusProxy.new_sync(bus, 0, None, service, "/org/gnome/Mutter/RemoteDesktop",
                                 service, None)
for attempt in range(50):  # a shell just started may not take sessions yet
    try:
        path = desktop.call_sync("CreateSession", None, 0, -1, None).unpack()[0]
        break
    except GLib.Error:
        if attempt == 49:
            raise
        time.sleep(0.1)
session = Gio.DBusProxy.new_sync(bus, 0, None, service, path, service + ".Session", None)
session.call_sync("Start", None, 0, -1, None)


def send(keysym, pressed):
    session.call_sync("NotifyKeyboardKeysym", GLib.Variant("(ub)", (keysym, pressed)), 0, -1, None)


def chord(keys_named):
    keys = [NAMED.get(k.lower(), ord(k) if len(k) == 1 else None) for k in keys_named.split("+")]
    for key in keys:
        send(key, True)
    for key in reversed(keys):
        send(key, False)


chord("shift")  # the seat has a keyboard from its first key on
print("ready", flush=True)
for line in sys.stdin:
    verb, _, rest = line.rstrip("\n").partition(" ")
    if verb == "click":
        for pressed in (True, False):
            session.call_sync("NotifyPointerButton", GLib.Variant("(ib)", (0x110, pressed)), 0, -1,
                              None)  # BTN_LEFT
    elif verb == "type":
        for character in rest:
            chord(character)  # Latin-1 characters are their own keysyms
    else:
        for named in rest.split():
            chord(named)
    print("done", flush=True)
