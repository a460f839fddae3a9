#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
"""Two computers sharing a notes folder, used as two people use them.

Two real jotlet programs, each on an X display of its own (Xvfb with openbox), with its own data folder, its own host
name (unshare --uts) and its own Syncthing, the two Syncthings talking only to each other on 127.0.0.1 (discovery,
relays, NAT traversal, usage reporting and upgrades off). The programs are driven only by keys and clicks (xdotool):
typing into a note at its end, its start or where a click lands, new notes, closing notes, moving them and colouring
them; the link between the computers is paused now and then, and a program is killed (kill -9) more than half a
second after its last key and started again. A daily reminder that goes off and is closed on one computer while
the other is off is not shown again when the other starts. At the end both programs end as a session does (SIGTERM), the
Syncthings carry what is left, and the run checks that every word typed is in a note file, that both folders hold
the same files and that every note file reads.

  tests/soak/twocomputers.py --jotlet build/app/jotlet --minutes 20      # the soak, on demand
  tests/soak/twocomputers.py --jotlet build/app/jotlet --minutes 2       # what the test command runs

Exit status 0 when nothing was lost, 1 when something was, 77 when a tool it needs is not installed.
"""
import argparse
import json
import os
import random
import re
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time
import urllib.request
import xml.etree.ElementTree as ElementTree

TOOLS = ["Xvfb", "openbox", "xdotool", "xprop", "xdpyinfo", "syncthing"]
WORD = re.compile(r"\b[ab]\d{5}\b")


def log(message):
    print("[%7.1f] %s" % (time.monotonic() - START, message), flush=True)


START = time.monotonic()


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def run(args, env=None, timeout=20, check=False):
    return subprocess.run(args, env=env, timeout=timeout, check=check, stdout=subprocess.PIPE,
                          stderr=subprocess.DEVNULL, text=True)


class Display:
    """A private X server with a window manager, on a display number nobody uses."""

    def __init__(self, root, first):
        self.root = root
        self.processes = []
        for number in range(first, 400):
            if (os.path.exists("/tmp/.X%d-lock" % number) or os.path.exists("/tmp/.X11-unix/X%d" % number)
                    or "@/tmp/.X11-unix/X%d\n" % number in open("/proc/net/unix").read()):
                continue
            self.name = ":%d" % number
            if self._start():
                return
            self.stop()
        raise RuntimeError("no X server could be started")

    def _start(self):
        runtime = tempfile.mkdtemp(dir=self.root)
        os.chmod(runtime, 0o700)
        xvfb = subprocess.Popen(["Xvfb", self.name, "-screen", "0", "1280x800x24", "-nolisten", "tcp", "-noreset"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(xvfb)
        if not wait(lambda: run(["xdpyinfo", "-display", self.name]).returncode == 0, 10):
            return False
        wm = subprocess.Popen(["openbox", "--sm-disable"], env=dict(os.environ, DISPLAY=self.name,
                              XDG_RUNTIME_DIR=runtime), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(wm)
        return wait(lambda: "window id" in run(["xprop", "-display", self.name, "-root",
                                                 "_NET_SUPPORTING_WM_CHECK"]).stdout, 10)

    def stop(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
        self.processes = []


def wait(probe, seconds, step=0.1):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            if probe():
                return True
        except Exception:  # a probe that cannot answer yet
            pass
        time.sleep(step)
    return False


class Syncthing:
    FOLDER = "jotlet"

    def __init__(self, name, home, folder):
        self.name = name
        self.home = home
        self.folder = folder
        self.port = free_port()
        self.gui = free_port()
        self.key = "jotlet-soak-" + name
        run(["syncthing", "generate", "--home=" + home, "--no-default-folder"], timeout=120, check=True)
        self.device = run(["syncthing", "serve", "--home=" + home, "--device-id"], timeout=60).stdout.strip()
        self.process = None

    def configure(self, other, watcher_delay):
        version = re.search(r'<configuration version="(\d+)"', open(os.path.join(self.home, "config.xml")).read())
        device = ('<device id="%s" name="%s" compression="metadata" introducer="false">'
                  "<address>tcp://127.0.0.1:%d</address></device>\n")
        config = ('<configuration version="%s">\n'
                  '<folder id="%s" label="Notes" path="%s" type="sendreceive" rescanIntervalS="3600" '
                  'fsWatcherEnabled="true" fsWatcherDelayS="%d"><device id="%s"></device><device id="%s"></device>'
                  "<maxConflicts>10</maxConflicts></folder>\n" % (version.group(1), self.FOLDER, self.folder,
                                                                    watcher_delay, self.device, other.device)
                  + device % (self.device, self.name, self.port) + device % (other.device, other.name, other.port)
                  + '<gui enabled="true" tls="false"><address>127.0.0.1:%d</address><apikey>%s</apikey></gui>\n'
                  % (self.gui, self.key)
                  + "<options><listenAddress>tcp://127.0.0.1:%d</listenAddress>" % self.port
                  + "<globalAnnounceEnabled>false</globalAnnounceEnabled><localAnnounceEnabled>false"
                    "</localAnnounceEnabled><relaysEnabled>false</relaysEnabled><natEnabled>false</natEnabled>"
                    "<urAccepted>-1</urAccepted><startBrowser>false</startBrowser><autoUpgradeIntervalH>0"
                    "</autoUpgradeIntervalH><crashReportingEnabled>false</crashReportingEnabled>"
                    "<announceLANAddresses>false</announceLANAddresses><stunKeepaliveStartS>0"
                    "</stunKeepaliveStartS></options>\n</configuration>\n")
        with open(os.path.join(self.home, "config.xml"), "w") as file:
            file.write(config)

    def start(self):
        env = dict(os.environ, STNOUPGRADE="1", STNODEFAULTFOLDER="1")
        self.process = subprocess.Popen(["syncthing", "serve", "--home=" + self.home, "--no-browser", "--no-restart",
                                         "--no-upgrade"], env=env, stdout=open(os.path.join(self.home, "log"), "w"),
                                        stderr=subprocess.STDOUT)

    def rest(self, verb, path):
        request = urllib.request.Request("http://127.0.0.1:%d%s" % (self.gui, path), method=verb,
                                         headers={"X-API-Key": self.key})
        with urllib.request.urlopen(request, timeout=10) as reply:
            body = reply.read()
        return json.loads(body) if body else {}

    def connected(self, other):
        return self.rest("GET", "/rest/system/connections")["connections"].get(other.device, {}).get("connected")

    def pause(self, other, paused):
        self.rest("POST", "/rest/system/%s?device=%s" % ("pause" if paused else "resume", other.device))

    def in_step_with(self, other):
        self.rest("POST", "/rest/db/scan?folder=" + self.FOLDER)
        done = self.rest("GET", "/rest/db/completion?folder=%s&device=%s" % (self.FOLDER, other.device))
        status = self.rest("GET", "/rest/db/status?folder=" + self.FOLDER)
        return done.get("completion", 0) >= 100 and done.get("needItems", 1) == 0 and status.get("needFiles", 1) == 0

    def stop(self):
        if self.process:
            self.process.terminate()
            self.process.wait(20)


class Computer:
    """One person's computer: a display, a jotlet program with its own data, a notes folder."""

    def __init__(self, name, root, jotlet, display):
        self.name = name
        self.letter = name[-1]
        self.jotlet = jotlet
        self.display = display
        self.root = os.path.join(root, name)
        self.folder = os.path.join(self.root, "Notes")
        for sub in ("home", "config/Quorvel", "data", "runtime", "Notes", "syncthing"):
            os.makedirs(os.path.join(self.root, sub), exist_ok=True)
        os.chmod(os.path.join(self.root, "runtime"), 0o700)
        with open(os.path.join(self.root, "config/Quorvel/Jotlet.conf"), "w") as settings:
            settings.write("[General]\nNotesFolder=%s\nShowTrayIcon=False\n" % self.folder)
        self.env = dict(os.environ, DISPLAY=display.name, QT_QPA_PLATFORM="xcb",
                        JOTLET_HOME=os.path.join(self.root, "home"), XDG_CONFIG_HOME=os.path.join(self.root, "config"),
                        XDG_DATA_HOME=os.path.join(self.root, "data"), XDG_RUNTIME_DIR=os.path.join(self.root, "runtime"),
                        JOTLET_DEVICE_NAME=name, LANG="en_US.UTF-8", QT_LOGGING_RULES="jotlet.sync.debug=true")
        self.process = None
        self.serial = 0
        self.typed = []
        self.unkept = []
        self.last_key = 0.0
        self.kills = 0

    def start(self):
        command = [self.jotlet]
        if run(["unshare", "--uts", "true"]).returncode == 0:
            # A host name of its own, as a second computer has.
            command = ["unshare", "--uts", "sh", "-c", 'hostname "$0" && exec "$@"', self.name, self.jotlet]
        self.process = subprocess.Popen(command, env=self.env, stdout=open(os.path.join(self.root, "out"), "a"),
                                        stderr=subprocess.STDOUT)
        if not wait(lambda: self.notes(), 30):
            raise RuntimeError("%s: no note window came up" % self.name)

    def xdotool(self, *args, timeout=20):
        return run(["xdotool"] + list(args), env=self.env, timeout=timeout)

    def windows(self):
        out = self.xdotool("search", "--onlyvisible", "--pid", str(self.process.pid)).stdout.split()
        found = []
        for window in out:
            name = self.xdotool("getwindowname", window).stdout.strip()
            geometry = self.xdotool("getwindowgeometry", "--shell", window).stdout
            values = dict(line.split("=") for line in geometry.split() if "=" in line)
            if int(values.get("WIDTH", 0)) > 20:
                found.append((window, name, int(values["X"]), int(values["Y"]), int(values["WIDTH"]),
                              int(values["HEIGHT"])))
        return found

    def notes(self):
        return [w for w in self.windows() if w[1].startswith("Jotlet") and w[4] >= 60]

    def dialogs(self):
        return [w for w in self.windows() if not w[1].startswith("Jotlet")]

    def answer_dialogs(self):
        """Any question or notice: the default button (Yes to saving, OK to a notice)."""
        for _ in range(5):
            boxes = self.dialogs()
            if not boxes:
                return
            window = boxes[0][0]
            log("%s: answering '%s'" % (self.name, boxes[0][1]))
            self.xdotool("windowactivate", "--sync", window, timeout=10)
            self.xdotool("key", "--window", window, "Return")
            time.sleep(0.5)

    def focus(self, note):
        window, _, x, y, width, height = note
        self.xdotool("windowactivate", "--sync", window, timeout=10)
        return window, x, y, width, height

    def type_words(self, note, rng, count):
        window, x, y, width, height = self.focus(note)
        where = rng.choice(["end", "end", "start", "click"])
        if where == "click":
            self.xdotool("mousemove", str(x + rng.randint(10, max(11, width - 20))),
                         str(y + rng.randint(30, max(31, height - 30))), "click", "1")
            self.xdotool("key", "End")
        else:
            self.xdotool("mousemove", str(x + width // 2), str(y + 40), "click", "1")
            self.xdotool("key", "ctrl+End" if where == "end" else "ctrl+Home")
        words = []
        for _ in range(count):
            self.serial += 1
            words.append("%s%05d" % (self.letter, self.serial))
        text = " " + " ".join(words) + " "
        if rng.random() < 0.2:
            text += "\n"
        focused = self.xdotool("getwindowfocus", "getwindowname").stdout.strip()
        self.xdotool("type", "--delay", "25", text, timeout=60)
        self.typed.extend(words)
        self.last_key = time.monotonic()
        # Half a second later every word is kept somewhere (the recovery journal, the folder).
        time.sleep(0.6)
        if not self.keeps(words[-1]):
            log("%s: NOT KEPT 0.6 s after typing: %s (typed into '%s', focus on '%s')"
                % (self.name, " ".join(words), note[1], focused))
            self.unkept.extend(words)
        return words

    def keeps(self, word):
        for base in (os.path.join(self.root, "home"), self.folder):
            for path, _, names in os.walk(base):
                for name in names:
                    try:
                        if word in open(os.path.join(path, name), encoding="utf-8", errors="replace").read():
                            return True
                    except OSError:
                        pass
        return False

    def key(self, *keys):
        self.xdotool("key", "--delay", "80", *keys)
        self.last_key = time.monotonic()

    def kill(self):
        # More than half a second after the last key: everything typed is kept from then on.
        time.sleep(max(0.0, 0.6 - (time.monotonic() - self.last_key)))
        self.process.kill()
        self.process.wait(20)
        self.kills += 1

    def end(self):
        if self.process and self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(30)
            except subprocess.TimeoutExpired:
                self.process.kill()


def act(computer, rng, peers):
    notes = computer.notes()
    if not notes:
        computer.start()
        return "restarted (no notes)"
    computer.answer_dialogs()
    note = rng.choice(notes)
    choice = rng.random()
    if choice < 0.55:
        words = computer.type_words(note, rng, rng.randint(1, 6))
        return "typed %s in '%s'" % (" ".join(words), note[1])
    if choice < 0.65:
        computer.focus(note)
        computer.key("ctrl+n")
        time.sleep(0.8)
        fresh = [n for n in computer.notes() if n[0] not in {m[0] for m in notes}]
        if fresh:
            words = computer.type_words(fresh[0], rng, rng.randint(1, 4))
            return "new note with %s" % " ".join(words)
        return "new note (not seen)"
    if choice < 0.72 and len(notes) > 1:
        window, x, y, width, height = computer.focus(note)
        computer.xdotool("mousemove", str(x + width - 8), str(y + 8), "click", "1")
        time.sleep(0.6)
        computer.answer_dialogs()
        return "closed '%s'" % note[1]
    if choice < 0.80:
        computer.focus(note)
        computer.key("alt+F7", *(["Right"] * rng.randint(1, 6)), *(["Down"] * rng.randint(0, 4)), "Return")
        return "moved '%s'" % note[1]
    if choice < 0.88:
        computer.focus(note)
        computer.key("shift+F10")
        time.sleep(0.3)
        computer.key("i", "c", rng.choice("lbgrept"))
        return "coloured '%s'" % note[1]
    if choice < 0.94:
        pause = rng.randint(15, 45)
        peers[0].pause(peers[1], True)
        peers[1].pause(peers[0], True)
        return "paused the link (%d s)" % pause, pause
    computer.kill()
    computer.start()
    return "kill -9 and started again"


def prologue(computers, syncthings):
    """What must hold first, step by step: a note made on A opens on B with its words; moving it on A changes no file;
    a note let go of on A (closed with No) goes to B's trash and leaves B's screen."""
    a, b = computers
    before = len(b.notes())
    note = a.notes()[0]
    words = a.type_words(note, random.Random(0), 2)
    if not wait(lambda: any(words[-1] in open(os.path.join(b.folder, n)).read() for n in os.listdir(b.folder)
                            if n.endswith(".not")) and len(b.notes()) == before + 1, 90, 0.5):
        return "a note made on A did not open on B with its words"
    log("check: a note made on A opened on B")
    time.sleep(3)
    files = folder_files(a.folder)
    a.focus(a.notes()[0])
    a.key("alt+F7", "Right", "Right", "Down", "Return")
    time.sleep(3.5)
    if folder_files(a.folder) != files:
        return "moving a note on A changed a file"
    log("check: moving a note on A wrote nothing")
    a.focus(a.notes()[0])
    a.key("ctrl+n")
    time.sleep(1)
    fresh = [n for n in a.notes() if n[1] == "Jotlet"] or a.notes()
    let_go = a.type_words(fresh[-1], random.Random(1), 1)
    a.typed.remove(let_go[0])  # closed with No: not a word to keep
    shown_on_b = len(b.notes())
    if not wait(lambda: any(let_go[0] in open(os.path.join(b.folder, n)).read() for n in os.listdir(b.folder)
                            if n.endswith(".not")) and len(b.notes()) == shown_on_b + 1, 90, 0.5):
        return "the note to let go of did not reach B's screen"
    count = len(b.notes())
    a.focus([n for n in a.notes() if n[0] == fresh[-1][0]][0])
    a.key("ctrl+End")
    a.xdotool("type", "--delay", "25", " more")
    a.key("alt+F4")
    time.sleep(0.8)
    a.key("alt+n")  # "No" in the save question: let go of
    trash = os.path.join(b.folder, ".trash")
    if not wait(lambda: os.path.isdir(trash) and any(let_go[0] in open(os.path.join(trash, n)).read()
                                                     for n in os.listdir(trash)) and len(b.notes()) == count - 1,
                90, 0.5):
        return "a note let go of on A did not go to B's trash and off B's screen"
    log("check: a note let go of on A went to B's trash and off B's screen")
    return None


def reminder_last(folder, text):
    """REMINDERLAST of the note in the folder that holds the text, or None."""
    for name in os.listdir(folder):
        if name.endswith(".not"):
            content = open(os.path.join(folder, name), encoding="utf-8", errors="replace").read()
            found = re.search(r"<REMINDERLAST>([^<]*)</REMINDERLAST>", content)
            if text in content and found:
                return found.group(1)
    return None


def alerts(computer):
    return computer.xdotool("search", "--onlyvisible", "--name", "^Alert - Jotlet$").stdout.split()


def reminder_epilogue(computers):
    """A reminder that went off on A and was dismissed there is not shown again on B, which was off meanwhile."""
    a, b = computers
    b.end()
    note = a.notes()[0]
    window, x, y, width, height = a.focus(note)
    a.xdotool("mousemove", str(x + width // 2), str(y + 40), "click", "1")
    a.key("ctrl+End")
    a.xdotool("type", "--delay", "25", " dentist")
    a.key("shift+F10")
    time.sleep(0.4)
    a.key("e", "a")  # Special Note > Reminder
    if not wait(lambda: a.dialogs(), 10):
        return "the reminder window did not open on A"
    due = time.time() + 25
    a.xdotool("windowactivate", "--sync", a.dialogs()[0][0], timeout=10)
    a.xdotool("type", "--delay", "60", time.strftime("%I%M%S%p", time.localtime(due)))  # into the time field
    a.key("Return")  # every day, today
    log("check: a daily reminder set on A for %s" % time.strftime("%H:%M:%S", time.localtime(due)))
    if not wait(lambda: alerts(a), 60, 0.1):
        return "the reminder did not go off on A"
    shown = alerts(a)[0]
    a.xdotool("mousemove", "--window", shown, "124", "13", "click", "1")  # its close image
    went_off = time.strftime("%Y-%m-%dT%H:%M:%S", time.gmtime(int(due)))
    if not wait(lambda: (reminder_last(b.folder, "dentist") or "") >= went_off, 90, 0.5):
        return "that the reminder went off on A did not reach B's folder"
    last = reminder_last(b.folder, "dentist")
    log("check: the reminder went off on A and was closed; B's folder has it (%s)" % last)
    b.start()
    if wait(lambda: alerts(b), 12, 0.1) or reminder_last(b.folder, "dentist") != last:
        return "the reminder dismissed on A went off again on B"
    log("check: B started after and did not show it again")
    return None


def words_in(folder):
    found = {}
    damaged = []
    for base, _, names in os.walk(folder):
        for name in names:
            if not name.endswith(".not") or name.startswith((".", "~")):
                continue
            path = os.path.join(base, name)
            text = open(path, encoding="utf-8", errors="replace").read()
            try:
                ElementTree.fromstring(text.encode("utf-8"))
            except ElementTree.ParseError as error:
                damaged.append("%s: %s" % (path, error))
            for word in WORD.findall(text):
                found.setdefault(word, set()).add(os.path.relpath(path, folder))
    return found, damaged


def folder_files(folder):
    files = {}
    for base, _, names in os.walk(folder):
        if ".stversions" in base:
            continue
        for name in names:
            if name.endswith(".not") and not name.startswith("~"):
                path = os.path.join(base, name)
                files[os.path.relpath(path, folder)] = open(path, "rb").read()
    return files


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--jotlet", required=True)
    parser.add_argument("--minutes", type=float, default=20)
    parser.add_argument("--seed", type=int, default=int(time.time()))
    parser.add_argument("--watcher-delay", type=int, default=10, help="Syncthing's fsWatcherDelayS (its default: 10)")
    parser.add_argument("--keep", action="store_true", help="keep the run's folders")
    options = parser.parse_args()
    missing = [tool for tool in TOOLS if not shutil.which(tool)]
    if missing:
        print("SKIP: not installed: " + ", ".join(missing))
        return 77
    rng = random.Random(options.seed)
    root = tempfile.mkdtemp(prefix="jotlet-two-computers-")
    log("seed %d, %.1f minutes, in %s" % (options.seed, options.minutes, root))
    displays = []
    syncthings = []
    computers = []
    try:
        displays = [Display(root, 140), Display(root, 141)]
        computers = [Computer("desk-a", root, options.jotlet, displays[0]),
                     Computer("desk-b", root, options.jotlet, displays[1])]
        syncthings = [Syncthing(c.name, os.path.join(c.root, "syncthing"), c.folder) for c in computers]
        syncthings[0].configure(syncthings[1], options.watcher_delay)
        syncthings[1].configure(syncthings[0], options.watcher_delay)
        for syncthing in syncthings:
            syncthing.start()
        if not wait(lambda: syncthings[0].connected(syncthings[1]) and syncthings[1].connected(syncthings[0]), 90,
                    0.5):
            print("FAIL: the two Syncthings did not connect")
            return 1
        for computer in computers:
            computer.start()
        log("both programs are up")
        failed = prologue(computers, syncthings) or reminder_epilogue(computers)
        if failed:
            print("FAIL: " + failed)
            return 1
        end = time.monotonic() + options.minutes * 60
        paused_until = 0.0
        actions = 0
        while time.monotonic() < end:
            if paused_until and time.monotonic() > paused_until:
                syncthings[0].pause(syncthings[1], False)
                syncthings[1].pause(syncthings[0], False)
                paused_until = 0.0
                log("link resumed")
            computer = rng.choice(computers)
            done = act(computer, rng, syncthings if not paused_until else None) if not paused_until else None
            if paused_until:
                # While paused, only typing and new notes: the link is the point.
                note = rng.choice(computer.notes() or [None])
                if note:
                    done = "typed %s (paused)" % " ".join(computer.type_words(note, rng, rng.randint(1, 5)))
            if isinstance(done, tuple):
                done, pause = done
                paused_until = time.monotonic() + pause
            actions += 1
            log("%s: %s" % (computer.name, done))
            time.sleep(rng.uniform(0.3, 2.5))
        if paused_until:
            syncthings[0].pause(syncthings[1], False)
            syncthings[1].pause(syncthings[0], False)
        # The end of the day: both sessions end, the engines carry what is left.
        time.sleep(1)
        for computer in computers:
            computer.answer_dialogs()
            computer.end()
        log("both programs ended; waiting for the folders to agree")
        agreed = wait(lambda: syncthings[0].in_step_with(syncthings[1]) and syncthings[1].in_step_with(syncthings[0])
                      and folder_files(computers[0].folder) == folder_files(computers[1].folder), 180, 2)
        typed = [word for computer in computers for word in computer.typed]
        found = {}
        damaged = []
        for computer in computers:
            words, broken = words_in(computer.folder)
            for word, places in words.items():
                found.setdefault(word, set()).update(places)
            damaged += broken
        live = {w for w, places in found.items() if any("/" not in p for p in places)}
        lost = [w for w in typed if w not in found]
        only_aside = [w for w in typed if w in found and w not in live]
        files_a, files_b = folder_files(computers[0].folder), folder_files(computers[1].folder)
        differ = sorted(set(files_a) ^ set(files_b)) + sorted(n for n in set(files_a) & set(files_b)
                                                             if files_a[n] != files_b[n])
        conflicts = [n for n in files_a if "conflict" in n and "/" not in n]
        print("RESULT: %d actions, %d words typed, %d lost (%.1f %%), %d only in .trash/.merged, %d conflict copies, "
              "%d kill -9, %d damaged files, folders %s" % (
                  actions, len(typed), len(lost), 100.0 * len(lost) / max(1, len(typed)), len(only_aside),
                  len(conflicts), sum(c.kills for c in computers), len(damaged),
                  "the same" if agreed and not differ else "different: " + ", ".join(differ[:10])))
        if lost:
            print("LOST: " + " ".join(lost[:200]))
        for line in damaged:
            print("DAMAGED: " + line)
        return 0 if not lost and not damaged and agreed and not differ else 1
    finally:
        for computer in computers:
            computer.end()
        for syncthing in syncthings:
            syncthing.stop()
        for display in displays:
            display.stop()
        if not options.keep:
            shutil.rmtree(root, ignore_errors=True)
        else:
            print("kept: " + root)


if __name__ == "__main__":
    sys.exit(main())
