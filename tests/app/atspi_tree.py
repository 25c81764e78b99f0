# Reads Quillary's accessibility tree over AT-SPI as a screen reader would, prints one line per
# named control ("ROLE|NAME|ACTIONS"), then presses About through its action and prints the
# windows that show afterwards. Usage: /usr/bin/python3 atspi_tree.py (with Quillary running)
import sys
import time

import pyatspi


def find_app():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "Quillary":
                return app
        time.sleep(0.1)
    sys.exit("Quillary is not on the accessibility bus")


def walk(node, found):
    if node is None:
        return
    try:
        actions = node.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
    except NotImplementedError:
        names = []
    if node.name:
        found.append((node.getRoleName(), node.name, ",".join(names), node))
    for child in node:
        walk(child, found)


app = find_app()
found = []
walk(app, found)
for role, name, actions, _ in found:
    print(f"{role}|{name}|{actions}")
about = [n for role, name, _, n in found if role == "push button" and name == "About"]
if about:
    about[0].queryAction().doAction(0)
    time.sleep(0.5)
    print("windows after About: " + ", ".join(w.name.strip() for w in find_app() if w.name))
