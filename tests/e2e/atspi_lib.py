# What the AT-SPI scripts share: finding the program on the accessibility bus and its named
# controls, looking a term up, pressing a button, and waiting.
import sys
import time

import pyatspi


def wait_for(condition, seconds=5):
    """Whether CONDITION() became true within SECONDS."""
    for _ in range(seconds * 10):
        if condition():
            return True
        time.sleep(0.1)
    return False


def find_app():
    """Quillary's application object, once it is on the bus."""
    def quillary():
        return next((app for app in pyatspi.Registry.getDesktop(0)
                     if app is not None and app.name == "Quillary"), None)

    if not wait_for(lambda: quillary() is not None, 10):
        sys.exit("Quillary is not on the accessibility bus")
    return quillary()


def controls():
    """The named controls by (role, name), once the buttons are there."""
    app, found = find_app(), {}

    def walk(node):
        if node.name:
            found[(node.getRole(), node.name)] = node
        for child in node:
            if child is not None:  # a child still being built
                walk(child)

    def complete():
        walk(app)
        return (pyatspi.ROLE_PUSH_BUTTON, "Exit") in found

    wait_for(complete, 10)
    return found


def press(found, name):
    found[(pyatspi.ROLE_PUSH_BUTTON, name)].queryAction().doAction(0)


def look_up(found, term):
    """Types TERM into the search box and presses GO; whether its entry then shows."""
    panel = found[(pyatspi.ROLE_TEXT, "Definition")].queryText()
    found[(pyatspi.ROLE_TEXT, "Text to search")].queryEditableText().setTextContents(term)
    press(found, "GO")
    return wait_for(lambda: panel.getText(0, -1).startswith(term), 10)
