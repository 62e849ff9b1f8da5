"""Toggles the history panel's "↓" check and its recording switch over
AT-SPI, as a screen reader does (a toggle action, never a click), and checks
that each acts; only the history list of the current mode may report SHOWING.

usage: history_controls.py PID   (run by accessibility_test.sh)"""
import sys
import time

import pyatspi

from atspi_support import TIMEOUT_S, find_app, nodes


def one(app, role, name):
    found = [n for n in nodes(app) if n.getRoleName() == role and n.name == name]
    if len(found) != 1:
        sys.exit(f"{len(found)} {role}s named {name!r}")
    return found[0]


def toggle(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == "Toggle":
            action.doAction(i)
            return
    sys.exit(f"{node.name!r} has no Toggle action")


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def eventually(test):
    deadline = time.monotonic() + TIMEOUT_S
    while not test() and time.monotonic() < deadline:
        time.sleep(0.1)
    return test()


def main():
    app = find_app(int(sys.argv[1]))
    failures = []

    lists = [n for n in nodes(app) if n.getRoleName() == "list" and n.name == "履歴リスト"]
    showing = [n for n in lists if n.getState().contains(pyatspi.STATE_SHOWING)]
    if len(showing) != 1:
        failures.append(f"{len(showing)} of {len(lists)} history lists report SHOWING")

    # The recording switch is named for what it switches; checked while recording.
    recording = one(app, "check box", "履歴の記録")
    move_down = one(app, "check box", "↓")
    was_recording = checked(recording)
    was_checked = checked(move_down)
    toggle(recording)
    # Toggling "↓" shows the core's state again: an unheeded recording switch
    # would flip back, and so would an unheeded "↓".
    toggle(move_down)
    time.sleep(0.3)
    if not eventually(lambda: checked(recording) != was_recording):
        failures.append("the recording switch did not turn off")
    if checked(move_down) == was_checked:
        failures.append("the ↓ check fell back to its old state")

    for failure in failures:
        print(failure)
    sys.exit(1 if failures else 0)


main()
