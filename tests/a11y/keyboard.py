# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
"""A day with the keyboard alone (xdotool keys, the pointer never moves): make a note, type, open its menu with
Shift+F10 (inside the note), colour it, move it with Alt+F7, set a reminder, close it."""
import sys

from atspi import (activate_window_of, application, choose, dialog, extents, fail, journal_note, keys, note_windows,
                   open_menu, text_of, type_text, wait_for)

WORDS = "Keyboard only"


def the_note(app):
    for window, text in note_windows(app):
        if WORDS in text_of(text):
            return window
    return None


def main(pid):
    app = application()
    activate_window_of(pid)
    wait_for(lambda: note_windows(app), "the first note")
    keys("ctrl+n")
    wait_for(lambda: len(note_windows(app)) == 2, "a second note after Ctrl+N")
    type_text(WORDS)
    note = wait_for(lambda: the_note(app), "the typed words in the new note")
    print("PASS: Ctrl+N made a note, and typing went into it")

    mx, my, _, _ = open_menu(pid)
    nx, ny, nw, nh = extents(note)
    if not (nx <= mx < nx + nw and ny <= my < ny + nh):
        fail("the menu opened at %d,%d, outside the note at %d,%d %dx%d" % (mx, my, nx, ny, nw, nh))
    keys("Escape")
    print("PASS: Shift+F10 opened the menu at %d,%d, inside the note" % (mx, my))

    choose(pid, "i", "c", "b")  # Note Options > Color > Blue
    blue = "16763955"  # as note files store it (BGR)
    wait_for(lambda: (journal_note(WORDS) or {}).get("COLOR") == blue, "the note to turn blue")
    print("PASS: the menu's letters made the note blue")

    before = extents(note)
    keys("alt+F7", "Right", "Right", "Right", "Right", "Right", "Down", "Down", "Down", "Return")
    expected = (before[0] + 50, before[1] + 30)
    wait_for(lambda: extents(note)[:2] == expected, "the note to move by 50,30 (it is at %s)" % (extents(note)[:2],))
    print("PASS: Alt+F7 and the arrows moved the note from %d,%d to %d,%d" % (before[:2] + expected))

    choose(pid, "e", "a")  # Special Note > Reminder (alarm)
    dialog(app, "Reminder Time")
    keys("Up", "Return")  # an hour from now
    wait_for(lambda: (journal_note(WORDS) or {}).get("REMINDER"), "the reminder in the note")
    print("PASS: the reminder is set for %s" % journal_note(WORDS)["REMINDER"])

    keys("alt+F4")
    dialog(app, "Save Changes?")
    keys("alt+n")  # No: close without saving
    wait_for(lambda: len(note_windows(app)) == 1 and the_note(app) is None, "the note to close")
    print("PASS: Alt+F4 and No closed the note; the first note stays")


if __name__ == "__main__":
    main(int(sys.argv[1]))
