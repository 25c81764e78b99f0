# What the AT-SPI scripts share: finding the program on the accessibility bus, and waiting.
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
