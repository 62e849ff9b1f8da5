"""Checks, over AT-SPI as a screen reader sees it, that the Tavrik window
names its panels, keys and status-bar parts, exposes the display text, and
that typed keys show up in the display's accessible name and their
calculation in the history list's items.

usage: accessible_names.py PID   (run inside the session set up by
accessibility_test.sh, with DISPLAY pointing at the window's X server)"""
import subprocess
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


def named(app, role, name):
    return [n for n in nodes(app) if n.getRoleName() == role and n.name == name]


def display_label(app):
    panel = named(app, "filler", "表示窓")
    # The value comes first; the 万・億 reading, when the set shows it, after it.
    if not panel or panel[0].childCount < 1:
        sys.exit("no display panel named 表示窓")
    return panel[0].getChildAtIndex(0)


def wait_for_name(node, expected):
    deadline = time.monotonic() + TIMEOUT_S
    while time.monotonic() < deadline and node.name != expected:
        time.sleep(0.1)
    return node.name


def missing_history_lines(app, lines):
    """The lines no history list shows as an item, once they all show or the
    time is up."""
    deadline = time.monotonic() + TIMEOUT_S
    while True:
        shown = set()
        for history in named(app, "list", "履歴リスト"):
            for i in range(history.childCount):
                item = history.getChildAtIndex(i)
                if item is not None:
                    shown.add(item.name)
        missing = [line for line in lines if line not in shown]
        if not missing or time.monotonic() > deadline:
            return missing
        time.sleep(0.1)


def main():
    app = find_app(int(sys.argv[1]))
    failures = []
    expected = [
        ("frame", "Tavrik"),
        ("filler", "ステータスバー"),
        ("filler", "ボタンパネル"),
        ("label", "モード: 10進"),
        ("push button", "AC"),
        ("push button", "税込"),
        ("push button", "√"),  # key A carries the first function's title
        ("menu item", "操作"),
        ("menu item", "10進"),
    ]
    for role, name in expected:
        if not named(app, role, name):
            failures.append(f"no {role} named {name!r}")
    display = display_label(app)
    if display.name != "0":
        failures.append(f"display reads {display.name!r}, not '0'")

    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Tavrik$",
                    "windowfocus", "--sync", "key", "--delay", "50", "1", "2"], check=True,
                   timeout=TIMEOUT_S)
    if wait_for_name(display, "12") != "12":
        failures.append(f"after typing 1 2 the display reads {display.name!r}")

    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Tavrik$",
                    "windowfocus", "--sync", "key", "--delay", "50", "KP_Add", "3", "Return"],
                   check=True, timeout=TIMEOUT_S)
    for line in missing_history_lines(app, ["1: 12", "#+", "2: 3", "#="]):
        failures.append(f"no history list item {line!r} after typing 12 + 3 =")

    for failure in failures:
        print(failure)
    sys.exit(1 if failures else 0)


main()
