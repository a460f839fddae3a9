// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Microsoft Sticky Notes keeps its notes in plum.sqlite, table Note: Text (one line per paragraph, each starting
// with "\id=<uuid> "), Theme (Yellow, Green, Pink, Purple, Blue, Gray, Charcoal), WindowPosition
// ("...;Position=x,y;Size=w,h"), and times in .NET ticks (100 ns since the year 1). A deleted note has DeletedAt.
#include "import/readers.h"
#include "import/sqlitemodule.h"
#include "support/modules.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>

namespace jotlet {

using namespace importing;

namespace {

constexpr qint64 kTicksPerSecond = 10'000'000;
constexpr qint64 kTicksToUnixSeconds = 62'135'596'800;

// Its themes by name, as the nearest of Jotlet's colours.
QString themeColor(const QString& theme)
{
    static const QHash<QString, QString> themes = {{QStringLiteral("Yellow"), QStringLiteral("yellow")},
                                                   {QStringLiteral("Green"), QStringLiteral("green")},
                                                   {QStringLiteral("Pink"), QStringLiteral("red")},
                                                   {QStringLiteral("Purple"), QStringLiteral("purple")},
                                                   {QStringLiteral("Blue"), QStringLiteral("blue")},
                                                   {QStringLiteral("Gray"), QStringLiteral("grey")},
                                                   {QStringLiteral("Charcoal"), QStringLiteral("grey")}};
    return themes.value(theme, QStringLiteral("yellow"));
}

QString paragraphsOf(const QString& text)
{
    static const QRegularExpression id(QStringLiteral("^\\\\id=[0-9a-fA-F-]+ ?"), QRegularExpression::MultilineOption);
    QString plain = text;
    plain.remove(id);
    return plain;
}

void placeOf(const QString& windowPosition, NoteRecord* note)
{
    static const QRegularExpression position(QStringLiteral("Position=(-?\\d+),(-?\\d+)"));
    static const QRegularExpression size(QStringLiteral("Size=(\\d+),(\\d+)"));
    const QRegularExpressionMatch p = position.match(windowPosition);
    const QRegularExpressionMatch s = size.match(windowPosition);
    if (p.hasMatch() && s.hasMatch()) {
        setGeometry(note, p.captured(1).toInt(), p.captured(2).toInt(), s.captured(1).toInt(), s.captured(2).toInt());
    }
}

void readNote(const QVariantHash& row, ImportSource* source)
{
    if (row.value(QStringLiteral("DeletedAt")).toLongLong() > 0) {
        return; // deleted in the program
    }
    QTextDocument doc;
    doc.setPlainText(paragraphsOf(row.value(QStringLiteral("Text")).toString()));
    NoteRecord note = noteOf(doc, themeColor(row.value(QStringLiteral("Theme")).toString()));
    placeOf(row.value(QStringLiteral("WindowPosition")).toString(), &note);
    note.isOnTop = row.value(QStringLiteral("IsAlwaysOnTop")).toInt() == 1;
    const qint64 ticks = row.value(QStringLiteral("UpdatedAt")).toLongLong();
    if (ticks > 0) {
        setTime(&note, QDateTime::fromSecsSinceEpoch(ticks / kTicksPerSecond - kTicksToUnixSeconds, Qt::UTC));
    }
    source->notes << found(source->kind, row.value(QStringLiteral("Id")).toString(), note, doc);
}

} // namespace

void readMicrosoftSticky(ImportSource* source)
{
    // A copy is read, so that the user's file (and the journal files beside it) stay exactly as they were.
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("plum.sqlite"));
    if (!scratch.isValid() || !QFile::copy(source->path, copy)) {
        source->problems << QStringLiteral("'%1' could not be copied to be read").arg(source->path);
        return;
    }
    for (const char* journal : {"-wal", "-shm"}) {
        QFile::copy(source->path + QLatin1String(journal), copy + QLatin1String(journal));
    }
    const auto read = moduleFunction<ReadSqlite>(kSqliteModule, kReadSqlite);
    if (!read) {
        source->problems
            << QStringLiteral("'%1' cannot be read: the module that reads SQLite files is missing").arg(source->path);
        return;
    }
    SqliteRows table;
    read(copy, QStringLiteral("SELECT * FROM Note"), &table);
    switch (table.outcome) {
    case SqliteRows::Outcome::NotOpened:
        source->problems << QStringLiteral("'%1' cannot be read: %2").arg(source->path, table.error);
        return;
    case SqliteRows::Outcome::QueryFailed:
        source->problems
            << QStringLiteral("'%1' has no notes table that can be read: %2").arg(source->path, table.error);
        return;
    case SqliteRows::Outcome::Read:
        break;
    }
    for (const QVariantHash& row : std::as_const(table.rows)) {
        readNote(row, source);
    }
}

} // namespace jotlet
