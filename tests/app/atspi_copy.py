# Looks up a term, copies its definition and ends Quillary through its controls' AT-SPI actions,
# as a tool would where the compositor lets no test type.
# Usage: /usr/bin/python3 atspi_copy.py TERM (with Quillary running on the session's bus)
import sys
import time

import pyatspi


def controls():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Quillary":
                found = {}
                walk(app, found)
                if (pyatspi.ROLE_PUSH_BUTTON, "Exit") in found:
                    return found
        time.sleep(0.1)
    sys.exit("Quillary is not on the accessibility bus")


def walk(node, found):
    if node.name:
        found[(node.getRole(), node.name)] = node
    for child in node:
        walk(child, found)


def press(name):
    found[(pyatspi.ROLE_PUSH_BUTTON, name)].queryAction().doAction(0)


found = controls()
panel = found[(pyatspi.ROLE_TEXT, "Definition")].queryText()
found[(pyatspi.ROLE_TEXT, "Text to search")].queryEditableText().setTextContents(sys.argv[1])
press("GO")
for _ in range(50):
    if panel.getText(0, -1).startswith(sys.argv[1]):
        break
    time.sleep(0.1)
# Each press runs from the program's event loop in turn: the copy before the end.
press("Copy Definition")
press("Exit")
