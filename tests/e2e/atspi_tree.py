# Reads Quillary's accessibility tree over AT-SPI as a screen reader would, prints one line per
# named control ("ROLE|NAME|ACTIONS|KEY BINDINGS"), then what a tool meets of the term rows (their
# states, places, names and selection) and of the buttons' press actions, one line each.
# Usage: /usr/bin/python3 atspi_tree.py MAIN-WINDOW (with Quillary running, its X window id)
import subprocess
import sys
import time

import pyatspi
from atspi_lib import find_app, wait_for
from gi.repository import GLib


def role(node):
    """The role as one name on every AT-SPI: 2.56 calls a push button "button"."""
    return "push button" if node.getRole() == pyatspi.ROLE_PUSH_BUTTON else node.getRoleName()


def walk(node, found):
    if node is None:
        return
    try:
        actions = node.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        keys = [actions.getKeyBinding(i) for i in range(actions.nActions)]
    except NotImplementedError:
        names, keys = [], []
    if node.name:
        found.append((role(node), node.name, ",".join(names), ",".join(keys), node))
    for child in node:
        walk(child, found)


app = find_app()
found = []
walk(app, found)
for kind, name, actions, keys, _ in found:
    print(f"{kind}|{name}|{actions}|{keys}")


def named(kind, name):
    return [n for r, nm, _, _, n in found if r == kind and nm == name][0]


def windows():
    """The application's windows as (role, title, window), leaving out any that close meanwhile."""
    shown = []
    for window in find_app():
        try:
            if window is not None:
                shown.append((role(window), window.name or "", window))
        except GLib.Error:
            pass
    return shown


def boxes():
    return [w for kind, _, w in windows() if kind in ("alert", "dialog")]


def titles():
    return ", ".join(title.strip() for _, title, _ in windows() if title)


def has(node, state):
    return node.getState().contains(state)


def listen(event_name, action, enough):
    """Does ACTION, then collects "SOURCE NAME=DETAIL" of each EVENT_NAME until ENOUGH of them
    or three seconds have passed."""
    heard = []
    listener = lambda event: heard.append(f"{event.source.name}={event.detail1}")
    pyatspi.Registry.registerEventListener(listener, event_name)
    action()
    context = GLib.MainContext.default()
    deadline = time.monotonic() + 3
    while len(heard) < enough and time.monotonic() < deadline:
        context.iteration(False)
        time.sleep(0.01)
    pyatspi.Registry.deregisterEventListener(listener, event_name)
    return heard


terms = named("list", "Terms")
search = named("text", "Text to search")
panel = named("text", "Definition")
first, last = terms.getChildAtIndex(0), terms.getChildAtIndex(terms.childCount - 1)
same = terms.getChildAtIndex(0).path == first.path
print(f"a row asked for twice: {'one object' if same else 'two objects'}")
print(f"showing: first row {has(first, pyatspi.STATE_SHOWING)}, "
      f"last row {has(last, pyatspi.STATE_SHOWING)}")

# The second row clicked where the tool says it lies: tools that follow the selection, not only
# the focus, hear the row chosen and the one let go.
ram = terms.getChildAtIndex(1)
x, y, width, height = ram.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
click = ["xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1"]
selected = listen("object:state-changed:selected", lambda: subprocess.run(click, check=True), 2)
print("selection heard: " + " ".join(selected))
print(f"the clicked row focused: {has(ram, pyatspi.STATE_FOCUSED)}")
search.queryComponent().grabFocus()
wait_for(lambda: has(search, pyatspi.STATE_FOCUSED))
print(f"the row focused while the search box has the focus: {has(ram, pyatspi.STATE_FOCUSED)}")

# After a pass, back in the list: its first row is current but chosen by nothing.
search.queryEditableText().setTextContents("r")
wait_for(lambda: terms.childCount == 2)
terms.queryComponent().grabFocus()
wait_for(lambda: has(terms.getChildAtIndex(0), pyatspi.STATE_FOCUSED))
print(f"after a pass, back in the list, the first row: "
      f"focused {has(terms.getChildAtIndex(0), pyatspi.STATE_FOCUSED)}, "
      f"selected {has(terms.getChildAtIndex(0), pyatspi.STATE_SELECTED)}")

# A row the tool holds leaves the list with a pass: the list's rows are asked for again.
held = terms.getChildAtIndex(0)
search.queryEditableText().setTextContents("ra")
wait_for(lambda: terms.childCount == 1)


def held_name():
    try:
        return held.name or "none"
    except Exception:  # the object is gone from the program
        return "none"


print(f"after a pass: the held row's name {held_name()}, "
      f"the first row {terms.getChildAtIndex(0).name}")

# A row chosen through its action, and through the list's selection where Qt offers it.
row = terms.getChildAtIndex(0)
actions = row.queryAction()
print("row actions: " + ",".join(actions.getName(i) for i in range(actions.nActions)))
actions.doAction(0)
wait_for(lambda: panel.queryText().getText(0, -1).startswith("RAM"))
print(f"chosen through its action: {has(row, pyatspi.STATE_SELECTED)}, "
      f"panel {panel.queryText().getText(0, -1)}")
try:
    selection = terms.querySelection()
    search.queryEditableText().setTextContents("r")
    wait_for(lambda: terms.childCount == 2)
    selection.selectChild(0)
    wait_for(lambda: panel.queryText().getText(0, -1).startswith("ROUTER"))
    print(f"chosen through the list's selection: {selection.isChildSelected(0)}, "
          f"panel {panel.queryText().getText(0, -1)}")
except NotImplementedError:
    print("chosen through the list's selection: no selection interface")

# GO on a term the dictionary lacks: the action answers before the box it opens is closed, and a
# second press behind that box opens nothing.
named("text", "Text to search").queryEditableText().setTextContents("zzz")
go = named("push button", "GO")
started = time.monotonic()
go.queryAction().doAction(0)
print(f"GO answered at once: {time.monotonic() - started < 2}")
wait_for(lambda: len(boxes()) == 1)
go.queryAction().doAction(0)
time.sleep(0.3)
print(f"boxes after a second GO: {len(boxes())}")
for box in boxes():
    found_in_box = []
    walk(box, found_in_box)
    for kind, name, _, _, node in found_in_box:
        if kind == "push button":
            node.queryAction().doAction(0)
wait_for(lambda: not boxes())

exit_button = named("push button", "Exit")
about = named("push button", "About")
about.queryAction().doAction(0)
wait_for(lambda: "About Quillary" in titles())
print("windows after About: " + titles())
# The main window is hidden now: its Exit is out of the mouse's reach, and the action's too.
exit_button.queryAction().doAction(0)
time.sleep(0.3)
print("windows after the hidden Exit: " + titles())
