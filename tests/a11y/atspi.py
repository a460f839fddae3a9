# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the accessibility checks share: finding the program and its parts over AT-SPI, pressing keys with xdotool
(never moving the pointer), and reading the recovery journal the program keeps of its open notes."""
import os
import subprocess
import sys
import time
import xml.etree.ElementTree as ET

import pyatspi

TIMEOUT = 30  # seconds: CI machines are shared and slow


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(probe, what, timeout=TIMEOUT):
    """Polls probe() until it gives something true, and returns that; fails naming what was awaited."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            found = probe()
        except Exception:  # a part going away while it is read
            found = None
        if found:
            return found
        time.sleep(0.2)
    fail("waited %d s for %s" % (timeout, what))


def application():
    def probe():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Jotlet":
                return app
        return None
    return wait_for(probe, "the program on the accessibility bus")


def descendants(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find_all(acc, role=None, name=None):
    return [a for a in descendants(acc)
            if (role is None or a.getRoleName() == role) and (name is None or a.name == name)]


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def text_of(acc):
    text = acc.queryText()
    return text.getText(0, text.characterCount)


def extents(acc):
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def action_names(acc):
    try:
        action = acc.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i).lower() for i in range(action.nActions)]


def press(acc):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in ("press", "click"):
            return action.doAction(i)
    fail("'%s' has no press action" % acc.name)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "80"] + list(names), check=True)
    time.sleep(0.3)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)


def activate_window_of(pid):
    out = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(pid)],
                         capture_output=True, text=True, timeout=TIMEOUT).stdout.split()
    if not out:
        fail("no window of the program is visible")
    subprocess.run(["xdotool", "windowactivate", "--sync", out[0]], check=False, timeout=TIMEOUT)
    return out[0]


def visible_windows(pid):
    """The program's visible X windows (menus too, which AT-SPI does not list) as {id: (x, y, width, height)}."""
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                         capture_output=True, text=True, timeout=TIMEOUT).stdout.split()
    windows = {}
    for window in ids:
        shell = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                               capture_output=True, text=True, timeout=TIMEOUT).stdout
        values = dict(line.split("=", 1) for line in shell.split() if "=" in line)
        if {"X", "Y", "WIDTH", "HEIGHT"} <= values.keys():
            windows[window] = tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
    return windows


def open_menu(pid):
    """Shift+F10, and waits for the menu to show: letters pressed before it takes the keys would go into the text.
    Returns the menu's place and size."""
    before = visible_windows(pid)
    keys("shift+F10")
    return wait_for(lambda: [g for w, g in visible_windows(pid).items() if w not in before], "the note's menu")[0]


def choose(pid, *letters):
    """Opens the note's menu from the keyboard and picks an item by the underlined letters of its path."""
    open_menu(pid)
    keys(*letters)


def note_windows(app, text_name="Note text"):
    """The note windows: top-level parts that hold a text named "Note text" (in the program's language), with that
    text."""
    notes = []
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        texts = find_all(window, "text", text_name) if window is not None else []
        if texts and showing(window):
            notes.append((window, texts[0]))
    return notes


def dialog(app, title):
    def probe():
        for i in range(app.childCount):
            window = app.getChildAtIndex(i)
            if window is not None and window.name == title and showing(window):
                return window
        return None
    return wait_for(probe, "the window '%s'" % title)


def journal_note(words):
    """The note the recovery journal holds whose text has these words, as {element: text}, or None."""
    path = os.path.join(os.environ["JOTLET_HOME"], "recovery.dat")
    try:
        root = ET.parse(path).getroot()
    except (OSError, ET.ParseError):
        return None
    for note in root.iter("NOTE"):
        if words in (note.findtext("DATA") or ""):
            return {child.tag: child.text or "" for child in note}
    return None
