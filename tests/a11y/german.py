# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program under LANG=de_DE.UTF-8 on the X server: the note's parts, the reminder dialog, the manager and the save
question (with Qt's own buttons) speak German."""
import sys

from atspi import (activate_window_of, application, choose, dialog, fail, find_all, keys, note_windows, press,
                   type_text, wait_for)


def main(pid):
    app = application()
    activate_window_of(pid)
    window, _ = wait_for(lambda: (note_windows(app, "Notiztext") or [None])[0], "a note whose text is 'Notiztext'")
    type_text("Einkaufsliste")
    if not find_all(window, "push button", "Notiz schließen"):
        fail("the close button is not 'Notiz schließen'")

    choose(pid, "l", "e")  # Spezialnotiz > Erinnerung (Wecker)
    reminder = dialog(app, "Erinnerungszeit")
    buttons = sorted(b.name.replace("&", "") for b in find_all(reminder, "push button"))
    if buttons != ["Abbrechen", "OK"]:
        fail("the reminder dialog offers %s" % buttons)
    keys("Escape")
    choose(pid, "v")  # Notizverwaltung
    dialog(app, "Notizverwaltung")
    keys("alt+F4")
    print("PASS: the reminder dialog and the manager are German")

    close = wait_for(lambda: find_all(window, "push button", "Notiz schließen"), "the close button again")[0]
    press(close)
    question = dialog(app, "Änderungen speichern?")
    answers = sorted(b.name.replace("&", "") for b in find_all(question, "push button"))
    if answers != ["Abbrechen", "Ja", "Nein"]:
        fail("the save question offers %s" % answers)
    press([b for b in find_all(question, "push button") if b.name.replace("&", "") == "Abbrechen"][0])
    print("PASS: the save question asks in German, with Qt's buttons Ja, Nein, Abbrechen")


if __name__ == "__main__":
    main(int(sys.argv[1]))
