# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
"""A screen reader's view of a note: the text is a text named "Note text" holding what was typed, the note's parts
are named, help and close are push buttons with a press action, every field of the reminder and settings dialogs
has a name or a label, and pressing close over AT-SPI asks the save question."""
import sys

import pyatspi
from atspi import (action_names, activate_window_of, application, choose, dialog, fail, find_all, keys, note_windows,
                   press, text_of, type_text, wait_for)

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

    choose(pid, "e", "a")  # Special Note > Reminder (alarm)
    check_fields(dialog(app, "Reminder Time"))
    keys("Escape")
    choose(pid, "g")  # Settings...
    check_fields(dialog(app, "Jotlet Settings"))
    keys("Escape")
    print("PASS: every field of the reminder and settings windows has a name or a label")

    press(buttons["Close note"])
    question = dialog(app, "Perform Save")
    answers = [b.name for b in find_all(question, "push button")]
    if sorted(a.replace("&", "") for a in answers) != ["Cancel", "No", "Yes"]:
        fail("the save question offers %s" % answers)
    no = [b for b in find_all(question, "push button") if b.name.replace("&", "") == "No"][0]
    press(no)
    print("PASS: pressing close over AT-SPI asked the save question; No closed the note")


if __name__ == "__main__":
    main(int(sys.argv[1]))
