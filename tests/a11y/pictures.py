# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
"""A picture and a checklist as a user makes them on a real X server: a PNG copied with xclip and pasted with Ctrl+V
goes in at the note's width, Ctrl+Enter ticks a check item and makes the note unsaved, and after the session ends
and the program starts again both are back."""
import os
import signal
import struct
import subprocess
import sys
import tempfile
import time
import zlib

from atspi import (activate_window_of, application, fail, journal_note, keys, note_windows, text_of, type_text,
                   wait_for)


def png(width, height):
    """A PNG of the given size, made here (a blue band over yellow)."""
    rows = b"".join(b"\0" + (b"\x20\x40\xc0" if y < height // 2 else b"\xf0\xe0\x20") * width for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def picture_goal(data):
    """The shown width and height (twips) of the first picture in a note's RTF."""
    at = data.find("\\pngblip")
    if at < 0:
        return None
    def value(word):
        start = data.find(word, at) + len(word)
        end = start
        while data[end].isdigit():
            end += 1
        return int(data[start:end])
    return value("\\picwgoal"), value("\\pichgoal")


def main(pid, program):
    app = application()
    activate_window_of(pid)
    window, text = wait_for(lambda: (note_windows(app) or [None])[0], "a note window")
    type_text("Shopping")
    keys("Return")
    type_text("milk")
    keys("ctrl+shift+l")
    wait_for(lambda: "\\u9744" in (journal_note("milk") or {}).get("DATA", ""), "milk to become a check item")

    picture = os.path.join(tempfile.mkdtemp(), "band.png")
    with open(picture, "wb") as f:
        f.write(png(800, 200))
    subprocess.run(["xclip", "-selection", "clipboard", "-t", "image/png", "-i", picture], check=True, timeout=30)
    keys("ctrl+End", "Return", "ctrl+v")
    goal = wait_for(lambda: picture_goal((journal_note("milk") or {}).get("DATA", "")), "the pasted picture")
    note_width = int(journal_note("milk")["WIDTH"])
    if not (goal[0] < note_width and goal[0] < 800 * 15 and abs(goal[0] - 4 * goal[1]) <= 60):
        fail("the picture is shown at %s twips in a note %d twips wide" % (goal, note_width))
    print("PASS: the pasted 800x200 picture is shown at %dx%d twips in a note %d twips wide" % (goal + (note_width,)))

    keys("ctrl+Home", "Down", "ctrl+Return")
    wait_for(lambda: "\\u9746" in (journal_note("milk") or {}).get("DATA", ""), "Ctrl+Enter to tick milk")
    wait_for(lambda: window.name.endswith("not saved"), "the note to say it is unsaved")
    print("PASS: Ctrl+Enter ticked the item, and the note is unsaved")

    os.kill(pid, signal.SIGTERM)  # the session ends: the notes are kept
    wait_for(lambda: subprocess.run(["kill", "-0", str(pid)], capture_output=True).returncode != 0,
             "the program to end with the session")
    again = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        app = application()
        wait_for(lambda: any("milk" in text_of(t) and "\ufffc" in text_of(t) for _, t in note_windows(app)),
                 "the note with its picture after the program started again")
        print("PASS: after the session ended the note came back with its picture and checklist")
    finally:
        again.terminate()
        again.wait(timeout=30)
        subprocess.run(["pkill", "-f", picture], check=False)


if __name__ == "__main__":
    main(int(sys.argv[1]), sys.argv[2])
