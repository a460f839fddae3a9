# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
"""A screen reader's view of a note: the text is a text named "Note text" holding what was typed, the note's parts
are named, the note itself is named by its first words and says it is unsaved, help and close are push buttons with
a press action, every field of the reminder and settings dialogs has a name or a label, every part the keyboard can
reach in the Find, Trash, Multi-Note Manager and Settings windows is named, Esc closes each of them, and pressing
close over AT-SPI asks the save question."""
import sys
import time

import pyatspi
from atspi import (action_names, activate_window_of, application, choose, dialog, fail, find_all, keys, note_windows,
                   press, showing, text_of, type_text, wait_for)

FIELD_ROLES = {"text", "entry", "password text", "spin button", "combo box", "check box", "radio button", "slider",
               "list", "table", "tree table"}


def check_fields(window):
    """Every field a user fills in says what it is for: its own name or a label pointing at it."""
    unnamed = []
    for field in find_all(window):
        if field.getRoleName() not in FIELD_ROLES:
            continue
        labelled = any(r.getRelationType() == pyatspi.RELATION_LABELLED_BY for r in field.getRelationSet())
        if not field.name and not labelled:
            unnamed.append(field.getRoleName())
    if unnamed:
        fail("fields without a name or label in '%s': %s" % (window.name, ", ".join(unnamed)))


def check_focusable(window):
    """Every part the keyboard can reach is named, by itself or by a label."""
    unnamed = []
    for part in find_all(window):
        state = part.getState()
        if not state.contains(pyatspi.STATE_FOCUSABLE) or not showing(part):
            continue
        labelled = any(r.getRelationType() == pyatspi.RELATION_LABELLED_BY for r in part.getRelationSet())
        if not part.name.strip() and not labelled:
            unnamed.append(part.getRoleName())
    if unnamed:
        fail("parts the keyboard reaches without a name in '%s': %s" % (window.name, ", ".join(unnamed)))


def gone(app, title):
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None and window.name == title and showing(window):
            return False
    return True


def check_windows(app, pid):
    """Find, Trash, the manager and Settings: each named part by part, each closed by Esc."""
    for letters, title in ((("f",), "Find in Notes"), (("h",), "Trash"), (("m",), "Multi-Note Manager"),
                           (("g",), "Jotlet Settings")):
        activate_window_of(pid)
        choose(pid, *letters)
        window = dialog(app, title)
        time.sleep(0.5)  # its parts are listed once it shows
        check_focusable(window)
        keys("Escape")
        wait_for(lambda: gone(app, title), "Esc to close '%s'" % title)
    print("PASS: every part of Find, Trash, the manager and Settings is named, and Esc closes each")


def main(pid):
    app = application()
    activate_window_of(pid)
    window, text = wait_for(lambda: (note_windows(app) or [None])[0], "a note window")
    type_text("Milk and bread")
    wait_for(lambda: "Milk and bread" in text_of(text), "the typed words in the text named 'Note text'")
    for name in ("Note title", "Note caption", "Note menu", "Resize note"):
        if not find_all(window, name=name):
            fail("the note has no part named '%s'" % name)
    buttons = {}
    for name in ("Help", "Close note"):
        found = find_all(window, "push button", name)
        if not found:
            fail("the note has no push button named '%s'" % name)
        if not {"press", "click"} & set(action_names(found[0])):
            fail("'%s' has no press action (it has %s)" % (name, action_names(found[0])))
        buttons[name] = found[0]
    print("PASS: the note's text, parts and buttons are named; help and close can be pressed")
    wait_for(lambda: window.name.startswith("Note \u201cMilk and bread") and window.name.endswith("not saved"),
             "the note named by its first words, unsaved (it is named %r)" % window.name)
    print("PASS: the note is named by its first words and says it is not saved")
    check_windows(app, pid)

    choose(pid, "e", "a")  # Special Note > Reminder (alarm)
    check_fields(dialog(app, "Reminder Time"))
    keys("Escape")
    choose(pid, "g")  # Settings...
    check_fields(dialog(app, "Jotlet Settings"))
    keys("Escape")
    print("PASS: every field of the reminder and settings windows has a name or a label")

    press(buttons["Close note"])
    question = dialog(app, "Save Changes?")
    answers = [b.name for b in find_all(question, "push button")]
    if sorted(a.replace("&", "") for a in answers) != ["Cancel", "No", "Yes"]:
        fail("the save question offers %s" % answers)
    no = [b for b in find_all(question, "push button") if b.name.replace("&", "") == "No"][0]
    press(no)
    print("PASS: pressing close over AT-SPI asked the save question; No closed the note")


if __name__ == "__main__":
    main(int(sys.argv[1]))
