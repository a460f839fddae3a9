# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
"""The translation check catches what it is there for: words built in English below the windows (a planted
message in support/ fails it; the same message as a Problem passes), and a window's text handed over without
tr(). Runs the check on small source trees made here, without lupdate."""
import os
import subprocess
import sys
import tempfile

CHECK = sys.argv[1]

CASES = [
    ("support/planted.cpp", 'bool f(QString* e) { *e = QStringLiteral("Cannot open the file"); return false; }', 1),
    ("support/planted.cpp",
     'bool f(Problem* e) { *e = Problem(QT_TRANSLATE_NOOP("Problem", "Cannot open the file")); return false; }', 0),
    ("platform/planted.cpp", 'void f() { logError(kWhere, 5, QStringLiteral("The file was not read")); }', 0),
    ("notes/planted.cpp", 'const QString kWhere = QStringLiteral("modNote: LoadNote");', 0),
    ("notes/planted.cpp", 'const QString header = QStringLiteral("[Desktop Entry]"); // untranslated: a format', 0),
    ("dialogs/planted.cpp", 'void f(QLabel* l) { l->setText(QStringLiteral("Choose a folder")); }', 1),
]


def main():
    failures = 0
    for path, code, expected in CASES:
        with tempfile.TemporaryDirectory() as root:
            os.makedirs(os.path.join(root, "i18n"))
            os.makedirs(os.path.join(root, "window"))
            with open(os.path.join(root, "window", "notemenus.cpp"), "w") as f:
                f.write("")
            os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
            with open(os.path.join(root, path), "w") as f:
                f.write(code + "\n")
            result = subprocess.run([sys.executable, CHECK, root, "/nonexistent/lupdate"], capture_output=True,
                                    text=True)
            if (result.returncode != 0) != bool(expected):
                failures += 1
                print("FAIL: %s %s the check: %s\n%s" % (path, "should fail" if expected else "should pass", code,
                                                          result.stdout))
            else:
                print("PASS: %s %s: %s" % (path, "fails" if expected else "passes", code[:70]))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
