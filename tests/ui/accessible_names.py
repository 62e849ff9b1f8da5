"""Checks, over AT-SPI as a screen reader sees it, that the Tavrik window
names its panels, keys and status-bar parts, exposes the display text, and
that typed keys show up in the display's accessible name and their
calculation in the history list's items. Then walks the window with the
keyboard alone: Tab reaches every panel in reading order, a memory register
is chosen, stored and recalled, a history line replayed and the formula
panel run, each read back over AT-SPI.

usage: accessible_names.py PID   (run inside the session set up by
accessibility_test.sh, with DISPLAY pointing at the window's X server)"""
import subprocess
import sys
import time

import pyatspi

from atspi_support import TIMEOUT_S, find_app, nodes


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


PANELS = ["表示窓", "ボタンパネル", "メモリパネル", "式パネル", "履歴操作パネル", "履歴リスト"]


def keys(*names):
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Tavrik$",
                    "windowfocus", "--sync", "key", "--delay", "50", *names], check=True,
                   timeout=TIMEOUT_S)


def focused(app):
    """The focused control (not one of its items)."""
    for node in nodes(app):
        if node.getState().contains(pyatspi.STATE_FOCUSED) and node.getRoleName() != "list item":
            return node
    return None


def panel_of(node):
    while node is not None:
        if node.getRoleName() == "filler" and node.name in PANELS:
            return node.name
        node = node.parent
    return None


def press_and_wait(app, key):
    """Presses a key and returns the control that has the focus after it."""
    before = focused(app)
    keys(key)
    deadline = time.monotonic() + 2
    while time.monotonic() < deadline:
        now = focused(app)
        if now is not None and now != before:
            return now
        time.sleep(0.05)
    return focused(app)


def leave_key(node):
    # Tab is a character in the formula editor; Ctrl+Tab leaves it.
    return "ctrl+Tab" if node is not None and node.name == "式" else "Tab"


def tab_to(app, wanted, backwards=False, presses=80):
    node = focused(app)
    for _ in range(presses):
        if node is not None and wanted(node):
            return node
        key = "shift+Tab" if backwards else leave_key(node)
        node = press_and_wait(app, key)
    return None


def tab_order(app, presses=80):
    order = []
    node = focused(app)
    for _ in range(presses):
        node = press_and_wait(app, leave_key(node))
        panel = panel_of(node)
        if panel and (not order or order[-1] != panel):
            order.append(panel)
        if len(order) > len(PANELS):
            break
    return order


def wait_for(check, timeout=TIMEOUT_S):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if check():
            return True
        time.sleep(0.1)
    return False


def keyboard_walk(app, display, failures):
    order = tab_order(app)
    if order[:len(PANELS) + 1] != PANELS + PANELS[:1]:
        failures.append(f"Tab went through {order}, not {PANELS} and back")

    # Memory: choose register 2 with an arrow key, store into register 1, clear, recall.
    if tab_to(app, lambda n: n.name.startswith("メモリー1:")) is None:
        failures.append("Tab did not reach the current memory register")
        return
    keys("Down")
    if not wait_for(lambda: (f := focused(app)) is not None and f.name.startswith("メモリー2:")
                    and f.getState().contains(pyatspi.STATE_CHECKED)):
        failures.append("Down did not make register 2 the current one")
    shown = display.name
    if tab_to(app, lambda n: n.name == "メモリー1に記憶", backwards=True) is None:
        failures.append("Shift+Tab did not reach メモリー1に記憶")
        return
    keys("space")
    if not wait_for(lambda: named(app, "radio button", f"メモリー1: {shown}")):
        failures.append(f"register 1 does not read {shown} after storing")
    keys("Escape")
    wait_for(lambda: display.name == "0")
    if tab_to(app, lambda n: n.name == "メモリー1を呼び出す") is None:
        failures.append("Tab did not reach メモリー1を呼び出す")
        return
    keys("Return")
    if wait_for_name(display, shown) != shown:
        failures.append(f"recalling register 1 shows {display.name!r}, not {shown!r}")

    # History: the first line, replayed with Enter.
    if tab_to(app, lambda n: n.name == "履歴リスト" and n.getRoleName() == "list") is None:
        failures.append("Tab did not reach the history list")
        return
    keys("Escape", "Home", "Return")
    if wait_for_name(display, "12") != "12":
        failures.append(f"replaying the line 1: 12 shows {display.name!r}")

    # Formula panel: a line typed and run with Ctrl+Enter.
    editor = tab_to(app, lambda n: n.name == "式")
    if editor is None:
        failures.append("Tab did not reach the formula editor")
        return
    subprocess.run(["xdotool", "type", "--delay", "50", "2*3="], check=True, timeout=TIMEOUT_S)
    keys("ctrl+Return")
    text = editor.queryText()
    if not wait_for(lambda: text.getText(0, -1) == "2*3=6"):
        failures.append(f"the formula panel reads {text.getText(0, -1)!r}, not '2*3=6'")


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
        ("menu item", "操作(O)"),  # the caption with its access letter
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
                    "windowfocus", "--sync", "key", "--delay", "50", "plus", "3", "Return"],
                   check=True, timeout=TIMEOUT_S)
    for line in missing_history_lines(app, ["1: 12", "#+", "2: 3", "#="]):
        failures.append(f"no history list item {line!r} after typing 12 + 3 =")
    if not wait_for(lambda: named(app, "notification", "15")):
        failures.append("the result 15 was not announced")

    keyboard_walk(app, display, failures)

    for failure in failures:
        print(failure)
    sys.exit(1 if failures else 0)


main()
