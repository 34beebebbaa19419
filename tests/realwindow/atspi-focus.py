# Prints, one line each, what a screen reader hears of the focus in one
# application, as it hears it: over AT-SPI, from outside the program.
#   focus <role> <index in parent>
# "ready" once it listens. Run with the system's python3 (pyatspi).
import sys

import pyatspi

APPLICATION = sys.argv[1]


def on_focus(event):
    try:
        source = event.source
        if event.detail1 != 1 or source.getApplication().name != APPLICATION:
            return
        print("focus", source.getRoleName(), source.getIndexInParent(), flush=True)
    except Exception:  # an object gone before it could be read
        pass


pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
print("ready", flush=True)
pyatspi.Registry.start()
