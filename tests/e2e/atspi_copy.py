# Looks up a term, copies its definition and ends Quillary through its controls' AT-SPI actions,
# as a tool would where the compositor lets no test type. With --lookup-only it stops once the
# entry shows in the active main window, for keys to copy it (a Wayland compositor may take a
# copy only from the window that has the keyboard); status 3 if that window never gets the keyboard.
# --copy-only stops after the copy, and --exit-only only ends the program, for a test that waits
# in between for a desktop to have read the copy.
# Usage: /usr/bin/python3 atspi_copy.py [--lookup-only|--copy-only|--exit-only] TERM
# (with Quillary on the session's bus)
import sys

import pyatspi
from gi.repository import GLib
from atspi_lib import controls, look_up, press, wait_for

mode = sys.argv[1] if len(sys.argv) > 2 else ""
term = sys.argv[-1]
found = controls()
if mode != "--exit-only" and not look_up(found, term):
    sys.exit("GO did not show the entry")
if mode == "--lookup-only":
    # The tree walked again each time: a window not yet named at the first walk is found later.
    def active():
        return any(role == pyatspi.ROLE_FILLER and node.getState().contains(pyatspi.STATE_ACTIVE)
                   for (role, _), node in controls().items())

    if not wait_for(active, 10):
        print("the main window did not become active", file=sys.stderr)
        sys.exit(3)
    sys.exit(0)
# Each press runs from the program's event loop in turn: the copy before the end.
if mode != "--exit-only":
    press(found, "Copy Definition")
if mode == "--copy-only":
    sys.exit(0)
try:
    press(found, "Exit")
except GLib.GError:  # the program may end before its answer reaches the bus
    pass
