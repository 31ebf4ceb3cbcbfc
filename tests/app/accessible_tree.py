#!/usr/bin/python3
"""What a screen reader learns of a running program, through AT-SPI.

accessible_tree.py tree PID          prints "ROLE<TAB>NAME" for every object of the program
                                     with process id PID, one a line, depth first
accessible_tree.py listen PID S KIND prints "listening", then "ROLE<TAB>NAME" of the first
                                     object of that program with a name that tells of KIND:
                                     "name" (its name changed, as a new line's does) or
                                     "focus" (it took the focus, as a menu entry does);
                                     nothing when none does within S seconds

Run it with the system's Python (pyatspi is a Debian package), on the session's AT-SPI bus.
"""
import sys

import pyatspi
from gi.repository import GLib


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def tree(pid):
    app = application(pid)
    if app is None:
        print("no application with pid", pid)
        return 1

    def walk(node, depth):
        if node is None or depth > 12:
            return
        name = node.name.replace("\n", "\\n")
        print(f"{node.getRoleName()}\t{name}")
        for child in node:
            walk(child, depth + 1)

    walk(app, 0)
    return 0


EVENTS = {
    "name": "object:property-change:accessible-name",
    "focus": "object:state-changed:focused",
}


def listen(pid, seconds, kind):
    if application(pid) is None:
        print("no application with pid", pid)
        return 1

    def heard(event):
        try:
            if event.host_application.get_process_id() != pid or not event.source.name:
                return
            if kind == "focus" and not event.detail1:
                return
            print(f"{event.source.getRoleName()}\t{event.source.name}".replace("\n", "\\n"),
                  flush=True)
        except Exception:
            return
        pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(heard, EVENTS[kind])
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop())
    GLib.idle_add(lambda: print("listening", flush=True) and False)
    pyatspi.Registry.start()
    return 0


if __name__ == "__main__":
    mode, pid = sys.argv[1], int(sys.argv[2])
    if mode == "tree":
        sys.exit(tree(pid))
    sys.exit(listen(pid, float(sys.argv[3]), sys.argv[4]))
