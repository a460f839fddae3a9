// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/autostartentry.h"

#include <QStringList>

namespace jotlet {

QString quoteExecArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = argument.isEmpty();
    for (const QChar c : argument) {
        needsQuotes = needsQuotes || reserved.contains(c);
    }
    QString quoted;
    for (const QChar c : argument) {
        if (needsQuotes
            && (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))) {
            quoted += QLatin1Char('\\');
        }
        quoted += c;
    }
    // "%" introduces field codes; a literal one is doubled.
    quoted.replace(QLatin1String("%"), QLatin1String("%%"));
    if (needsQuotes) {
        quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    // The whole value is a desktop entry string, whose own escape character is the backslash.
    quoted.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    return quoted;
}

QString autostartEntryText(const QString& name, const QString& program)
{
    QStringList lines {
        QStringLiteral("[Desktop Entry]"), // untranslated: the file format's own name
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=") + name,
        // untranslated: a desktop entry carries its translations as Comment[de]= lines of its own
        QStringLiteral("Comment=Reopens the notes that were open when the session ended"),
        QStringLiteral("Exec=") + quoteExecArgument(program),
        // Skipped once the program is gone (the package removed): the session does not keep starting nothing.
        QStringLiteral("TryExec=") + QString(program).replace(QLatin1String("\\"), QLatin1String("\\\\")),
        QStringLiteral("Icon=jotlet"),
        QStringLiteral("Terminal=false"),
        QStringLiteral("X-GNOME-Autostart-enabled=true"),
    };
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

static QString unescapeString(const QString& value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value.at(++i);
            out += next == QLatin1Char('s')   ? QChar(QLatin1Char(' '))
                   : next == QLatin1Char('n') ? QChar(QLatin1Char('\n'))
                   : next == QLatin1Char('t') ? QChar(QLatin1Char('\t'))
                                              : next;
        } else {
            out += value.at(i);
        }
    }
    return out;
}

// The first argument of an Exec value (already string-unescaped).
static QString firstExecArgument(const QString& exec)
{
    QString arg;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (quoted && c == QLatin1Char('\\') && i + 1 < exec.size()) {
            arg += exec.at(++i);
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (!quoted && c.isSpace()) {
            if (!arg.isEmpty()) {
                break;
            }
        } else {
            arg += c;
        }
    }
    return arg.replace(QLatin1String("%%"), QLatin1String("%"));
}

QString autostartEntryProgram(const QString& entryText)
{
    bool inMainGroup = false;
    for (const QString& rawLine : entryText.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]"); // untranslated: the format's group name
        } else if (inMainGroup && line.startsWith(QLatin1String("Exec"))) {
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq > 0 && line.left(eq).trimmed() == QLatin1String("Exec")) {
                return firstExecArgument(unescapeString(line.mid(eq + 1).trimmed()));
            }
        }
    }
    return QString();
}

} // namespace jotlet
