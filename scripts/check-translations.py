#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a text the user sees is not ready for translation.

1. In the program's window, dialog, menu and message code, a string literal handed to something that shows it
   (setText, setWindowTitle, addAction, a message box, a dialog's title or prompt, ...) must go through tr(),
   QCoreApplication::translate() or a QT_TR_NOOP/QT_TRANSLATE_NOOP table. Log lines, settings names, object names
   and file names are never translated, and are not handed to those calls.
   Below the windows (support, platform, notes, rtf, special, search, sync) no words are built as plain strings:
   what went wrong is a Problem, its text marked with QT_TRANSLATE_NOOP("Problem", ...), which the log takes in
   English and a window shows in the user's language. Only log lines (a logError() statement) and texts of a file
   format, marked on their line with "untranslated:" and why, are plain strings there.
2. Every .ts file in i18n/ must translate every text the sources mark (checked with lupdate when it is installed):
   a language is complete or it is not shipped.

Usage: check-translations.py [source root] [lupdate]
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
LUPDATE = sys.argv[2] if len(sys.argv) > 2 else "/usr/lib/qt6/bin/lupdate"

# The code that shows text to the user.
UI_DIRS = ["note", "special", "dialogs", "window", "manager", "search", "app", "sync"]
# The code below the windows: it reports problems, and words nothing itself.
LOWER_DIRS = ["support", "platform", "notes", "rtf", "special", "search", "sync"]
# Every folder whose texts lupdate reads.
SOURCE_DIRS = ["support", "platform", "rtf", "notes"] + UI_DIRS

# Calls whose string arguments the user reads.
SINKS = re.compile(
    r"\b(setText|setWindowTitle|setToolTip|setStatusTip|setWhatsThis|setPlaceholderText|setAccessibleName|"
    r"setAccessibleDescription|addRow|addAction|addMenu|addButton|addTab|setTitle|setLabelText|setHeaderLabels?|"
    r"showMessage|setItemText|addItem|information|warning|critical|question|confirm|textDialog|timeDialog|"
    r"inputText|inputTime|setSelText|writeSpecialHeading|appendLabelledLine|StartupNotice|OpenFailureText|"
    r"QLabel|QPushButton|QCheckBox|QGroupBox|QRadioButton|QAction|QMessageBox|tellNotOpened|label|action|"
    r"explanation|field)\s*[({]"
)
# A literal as the program's code spells one: QStringLiteral("..."), QLatin1String("..."), QString::fromUtf8("...")
# and friends, with adjacent literals joined.
LITERAL = re.compile(
    r'\b(QStringLiteral|QLatin1String|QLatin1StringView|QString::fromUtf8|QString::fromLatin1|u)\s*\(?\s*'
    r'((?:"(?:[^"\\]|\\.)*"\s*)+)'
)
# Texts that are the same in every language: the program's and its maker's names, placeholders and signs.
SAME_EVERYWHERE = {"Jotlet", "Quorvel"}


# Two words of two letters or more, whatever stands between them ("Choose a folder").
TWO_WORDS = r"[A-Za-z]{2,}.*[^A-Za-z][A-Za-z]{2,}"


def strip_comments(text):
    text = re.sub(r"/\*.*?\*/", lambda m: "\n" * m.group(0).count("\n"), text, flags=re.S)
    return re.sub(r'//[^\n"]*(?=\n)', "", text)


def statements(text):
    """Yields (offset, statement) for each statement: text up to each ";" or "}" outside string literals."""
    start, i, in_string = 0, 0, False
    while i < len(text):
        c = text[i]
        if in_string:
            if c == "\\":
                i += 1
            elif c == '"':
                in_string = False
        elif c == '"':
            in_string = True
        elif c in ";}":
            yield start, text[start:i + 1]
            start = i + 1
        i += 1


def is_prose(literal):
    """Words, not a name: object names (txtInput), addresses and host names are not prose."""
    text = re.sub(r"%\d+|\\[nrt]|<[^>]+>", " ", literal).strip()
    if text in SAME_EVERYWHERE or "://" in text:
        return False
    return re.search(TWO_WORDS, text) is not None and " " in text \
        or re.fullmatch(r"[A-Z][a-z]+[:.!?]?", text) is not None


def cpp_files(folders):
    """Yields (path, text) of each .cpp file in the folders."""
    for folder in folders:
        for base, _, files in os.walk(os.path.join(ROOT, folder)):
            for name in sorted(files):
                if name.endswith(".cpp"):
                    path = os.path.join(base, name)
                    with open(path, encoding="utf-8") as f:
                        yield path, f.read()


def unwrapped_texts():
    problems = []
    for path, raw in cpp_files(UI_DIRS):
        code = strip_comments(raw)
        for offset, statement in statements(code):
            if "logError" in statement or "logOnce" in statement or not SINKS.search(statement):
                continue
            for match in LITERAL.finditer(statement):
                literal = "".join(re.findall(r'"((?:[^"\\]|\\.)*)"', match.group(2)))
                if is_prose(literal):
                    line = code.count("\n", 0, offset + match.start()) + 1
                    problems.append("%s:%d: \"%s\"" % (os.path.relpath(path, ROOT), line, literal[:70]))
    # Menu tables: every caption is marked for translation.
    for path in [os.path.join(ROOT, "window", "notemenus.cpp")]:
        with open(path, encoding="utf-8") as f:
            for number, text in enumerate(f, 1):
                if re.search(r'\{\d+,\s*"[^-"]', text):
                    problems.append("%s:%d: a menu caption without QT_TRANSLATE_NOOP" % (
                        os.path.relpath(path, ROOT), number))
    return problems


LOG_CALL = re.compile(r"\b(logError|logOnce|qDebug|qInfo|qWarning|qCritical|qCDebug|qCInfo|qCWarning)\s*\(")
# Where a log line says it happened ("modNote: SaveNote"): a name, not words.
LOG_LOCATION = re.compile(r"^\w+: \w+$")


def words_below_the_windows():
    problems = []
    for path, raw in cpp_files(LOWER_DIRS):
        lines = raw.split("\n")
        code = strip_comments(raw)
        for offset, statement in statements(code):
            if LOG_CALL.search(statement):
                continue
            for match in LITERAL.finditer(statement):
                literal = "".join(re.findall(r'"((?:[^"\\]|\\.)*)"', match.group(2)))
                text = re.sub(r"%\d+|\\[nrt]|<[^>]+>", " ", literal).strip()
                prose = re.search(TWO_WORDS, text) and " " in text
                if not prose or "://" in text or LOG_LOCATION.match(text):
                    continue
                line = code.count("\n", 0, offset + match.start()) + 1
                marked = any("untranslated:" in lines[n - 1] for n in (line, line - 1) if 0 < n <= len(lines))
                if not marked:
                    problems.append("%s:%d: \"%s\" (a Problem with QT_TRANSLATE_NOOP(\"Problem\", ...))" % (
                        os.path.relpath(path, ROOT), line, literal[:70]))
    return problems


def untranslated_messages():
    ts_files = sorted(f for f in os.listdir(os.path.join(ROOT, "i18n")) if f.endswith(".ts"))
    if not os.path.exists(LUPDATE):
        print("lupdate (qt6-l10n-tools) is not installed: the .ts files were not checked against the sources")
        return []
    sources = []
    for folder in SOURCE_DIRS:
        for base, _, files in os.walk(os.path.join(ROOT, folder)):
            sources += [os.path.join(base, f) for f in files if f.endswith((".cpp", ".h"))]
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        for ts in ts_files:
            copy = os.path.join(scratch, ts)
            with open(os.path.join(ROOT, "i18n", ts), "rb") as f, open(copy, "wb") as out:
                out.write(f.read())
            subprocess.run([LUPDATE, "-silent", "-I", ROOT, "-no-obsolete", "-locations", "none"] + sources
                           + ["-ts", copy], check=True, stdout=subprocess.DEVNULL)
            for context in ET.parse(copy).getroot().iter("context"):
                for message in context.iter("message"):
                    translation = message.find("translation")
                    empty = not (translation.text or "").strip() and translation.find("numerusform") is None
                    if translation.get("type") in ("unfinished", "vanished", "obsolete") or empty:
                        problems.append("i18n/%s: %s: \"%s\" is not translated" % (
                            ts, context.findtext("name"), message.findtext("source")[:70].replace("\n", "\\n")))
    return problems


def main():
    problems = unwrapped_texts() + words_below_the_windows()
    if problems:
        print("Texts the user sees that do not go through tr():")
        print("\n".join("  " + p for p in problems))
    missing = untranslated_messages()
    if missing:
        print("Texts a translation lacks (update it: cmake --build build --target update_translations):")
        print("\n".join("  " + p for p in missing))
    if problems or missing:
        return 1
    print("Every text the user sees goes through tr(), and every translation is complete.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
