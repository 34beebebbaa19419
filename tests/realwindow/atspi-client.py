# A screen reader's view of one application, read over AT-SPI from outside
# the program. Run with the system's python3 (pyatspi). Prints "ready" once
# it listens, then one tab-separated line for each focus or selection event
# and each window that becomes active (a reader announces its frame):
#   focus|selected|activate|deactivate, role, index in parent, name
# and one for each change of a control's value or choice:
#   value, role, index in parent, name, value (empty for a choice)
# and one for each move of a caret:
#   caret, role, index in parent, name
# and answers commands read from standard input, one per line:
#   dump          one "node" line per object of the application's windows,
#                 tab-separated: window, role, name, focusable (0/1),
#                 showing (0/1); then "dumped"
#   press NAME    does the first action of the first object named NAME;
#                 "pressed <milliseconds>" once the call returns
import sys
import time

import pyatspi
from gi.repository import GLib

APPLICATION = sys.argv[1]
# Lists can hold many rows; their rows are heard through events instead.
ROWS_OF = {pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE}


def say(*words, sep=" "):
    print(*words, sep=sep, flush=True)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == APPLICATION:
            return app
    return None


def on_event(event):
    try:
        source = event.source
        if source.getApplication().name != APPLICATION:
            return
        if event.type.startswith("window:"):
            kind = event.type.split(":")[1]
        elif event.detail1 != 1:
            return
        else:
            kind = "focus" if event.type.endswith("focused") else "selected"
        say(kind, source.getRoleName(), source.getIndexInParent(), source.name, sep="\t")
    except Exception:  # an object gone before it could be read
        pass


def on_value(event):
    try:
        source = event.source
        if source.getApplication().name != APPLICATION:
            return
        try:
            value = str(int(source.queryValue().currentValue))
        except Exception:  # no value: a combo box tells its choice by name
            value = ""
        say("value", source.getRoleName(), source.getIndexInParent(), source.name, value, sep="\t")
    except Exception:
        pass


def on_caret(event):
    try:
        source = event.source
        if source.getApplication().name == APPLICATION:
            say("caret", source.getRoleName(), source.getIndexInParent(), source.name, sep="\t")
    except Exception:
        pass


def walk(node, window, visit):
    try:
        visit(node, window)
        if node.getRole() in ROWS_OF:
            return
        for child in node:
            if child is not None:
                walk(child, window, visit)
    except Exception:
        pass


def dump():
    app = application()
    for window in (app or []):
        def visit(node, top):
            states = node.getState()
            say("node", top.name, node.getRoleName(), node.name,
                int(states.contains(pyatspi.STATE_FOCUSABLE)),
                int(states.contains(pyatspi.STATE_SHOWING)), sep="\t")
        walk(window, window, visit)
    say("dumped")


def press(name):
    found = []
    for window in (application() or []):
        walk(window, window, lambda node, top: found.append(node) if node.name == name and not found else None)
    if not found:
        say("pressed none")
        return
    start = time.monotonic()
    found[0].queryAction().doAction(0)
    say("pressed", int((time.monotonic() - start) * 1000))


def on_command(source, condition):
    line = sys.stdin.readline()
    if not line:
        pyatspi.Registry.stop()
        return False
    command, _, argument = line.rstrip("\n").partition(" ")
    if command == "dump":
        dump()
    elif command == "press":
        press(argument)
    return True


# As a screen reader does, it also listens for changes of names and the
# like: the program sends them only to a listener, and the names read
# here come from a cache that they keep current.
pyatspi.Registry.registerEventListener(lambda event: None, "object:property-change", "object:children-changed")
pyatspi.Registry.registerEventListener(on_event, "object:state-changed:focused")
pyatspi.Registry.registerEventListener(on_event, "object:state-changed:selected")
pyatspi.Registry.registerEventListener(on_event, "window:activate", "window:deactivate")
pyatspi.Registry.registerEventListener(on_caret, "object:text-caret-moved")
pyatspi.Registry.registerEventListener(on_value, "object:property-change:accessible-value", "object:selection-changed")
GLib.io_add_watch(sys.stdin.fileno(), GLib.IO_IN | GLib.IO_HUP, on_command)
say("ready")
pyatspi.Registry.start()
