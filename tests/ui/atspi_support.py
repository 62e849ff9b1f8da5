"""What the AT-SPI checkers share: finding the window's application on the
accessibility bus and walking its tree."""
import sys
import time

import pyatspi

TIMEOUT_S = 15


def find_app(pid):
    deadline = time.monotonic() + TIMEOUT_S
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid and app.childCount > 0:
                return app
        time.sleep(0.2)
    sys.exit("the window did not appear on the accessibility bus")


def nodes(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)
