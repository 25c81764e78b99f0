# Exit through the program's AT-SPI actions, for a compositor that lets no benchmark type: looks up
# TERM, copies its entry or not, then times the Exit action to the end of the process PID. The
# action's call over D-Bus is part of both kinds of launch alike. Prints tenths of a millisecond.
# Usage: /usr/bin/python3 atspi_exit.py PID copied|nothing TERM (with Quillary on the session's bus)
import os
import select
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from atspi_lib import controls, look_up, press  # noqa: E402
from gi.repository import GLib  # noqa: E402

pid, how, term = int(sys.argv[1]), sys.argv[2], sys.argv[3]
ended = select.poll()
ended.register(os.pidfd_open(pid), select.POLLIN)
found = controls()
if not look_up(found, term):
    sys.exit("GO did not show the entry")
if how == "copied":
    press(found, "Copy Definition")
time.sleep(0.5)  # as a user's next click comes
start = time.monotonic()
try:
    press(found, "Exit")
except GLib.GError:  # the program may end before its answer reaches the bus
    pass
ended.poll(10000)
print(round((time.monotonic() - start) * 10000))
