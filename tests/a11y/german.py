# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program under LANG=de_DE.UTF-8 on the X server: the note's parts, the reminder dialog, the manager, the save
question (with Qt's own buttons) and why a file that is no note file did not open speak German, the last with the
words the file reader below the windows reported."""
import os
import subprocess
import sys
import tempfile

from atspi import (activate_window_of, application, choose, dialog, fail, find_all, keys, note_windows, press,
                   type_text, wait_for)


def check_not_a_note_file(app, program):
    """`jotlet kaputt.not` while the program runs: the running program tells why, in German."""
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "kaputt.not")
        with open(path, "w") as f:
            f.write("Das ist keine Notiz.\n")
        subprocess.run([program, path], timeout=30, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        notice = dialog(app, "Notiz nicht geöffnet")
        words = " ".join(a.name for a in find_all(notice, "label"))
        if "Keine Notizdatei" not in words or "Zeile 1" not in words:
            fail("the notice reads: %r" % words)
        press([b for b in find_all(notice, "push button")][0])
    print("PASS: a file that is no note file is told in German: %s" % words.replace("\n", " ")[:120])


def main(pid, program):
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
    check_not_a_note_file(app, program)


if __name__ == "__main__":
    main(int(sys.argv[1]), sys.argv[2])
