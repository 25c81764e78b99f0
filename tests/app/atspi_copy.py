# Looks up a term, copies its definition and ends Quillary through its controls' AT-SPI actions,
# as a tool would where the compositor lets no test type. With --lookup-only it stops once the
# entry shows in the active main window, for keys to copy it (a Wayland compositor may take a
# copy only from the window that has the keyboard); status 3 if that window never gets the keyboard.
# Usage: /usr/bin/python3 atspi_copy.py [--lookup-only] TERM (with Quillary on the session's bus)
import sys

import pyatspi
from atspi_lib import find_app, wait_for


def controls():
    """The named controls by role and name, once the buttons are there."""
    app, found = find_app(), {}

    def complete():
        walk(app, found)
        return (pyatspi.ROLE_PUSH_BUTTON, "Exit") in found

    wait_for(complete, 10)
    return found


def walk(node, found):
    if node.name:
        found[(node.getRole(), node.name)] = node
    for child in node:
        walk(child, found)


def press(name):
    found[(pyatspi.ROLE_PUSH_BUTTON, name)].queryAction().doAction(0)


lookup_only = sys.argv[1] == "--lookup-only"
term = sys.argv[-1]
found = controls()
panel = found[(pyatspi.ROLE_TEXT, "Definition")].queryText()
found[(pyatspi.ROLE_TEXT, "Text to search")].queryEditableText().setTextContents(term)
press("GO")
if not wait_for(lambda: panel.getText(0, -1).startswith(term), 10):
    sys.exit("GO did not show the entry")
if lookup_only:
    window = [node for (role, _), node in found.items() if role == pyatspi.ROLE_FILLER][0]
    if not wait_for(lambda: window.getState().contains(pyatspi.STATE_ACTIVE), 10):
        print("the main window did not become active", file=sys.stderr)
        sys.exit(3)
    sys.exit(0)
# Each press runs from the program's event loop in turn: the copy before the end.
press("Copy Definition")
press("Exit")
