// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Microsoft Sticky Notes keeps its notes in plum.sqlite, table Note: Text (one line per paragraph, each starting
// with "\id=<uuid> "), Theme (Yellow, Green, Pink, Purple, Blue, Gray, Charcoal), WindowPosition
// ("...;Position=x,y;Size=w,h"), and times in .NET ticks (100 ns since the year 1). A deleted note has DeletedAt.
#include "import/readers.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QUuid>

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

void readNotes(QSqlDatabase& db, ImportSource* source)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT * FROM Note"))) {
        source->problems << QStringLiteral("'%1' has no notes table that can be read: %2")
                                .arg(source->path, query.lastError().text());
        return;
    }
    const QSqlRecord columns = query.record();
    const auto value = [&](const char* name) { return query.value(columns.indexOf(QLatin1String(name))); };
    while (query.next()) {
        if (value("DeletedAt").toLongLong() > 0) {
            continue; // deleted in the program
        }
        QTextDocument doc;
        doc.setPlainText(paragraphsOf(value("Text").toString()));
        NoteRecord note = noteOf(doc, themeColor(value("Theme").toString()));
        placeOf(value("WindowPosition").toString(), &note);
        note.isOnTop = value("IsAlwaysOnTop").toInt() == 1;
        const qint64 ticks = value("UpdatedAt").toLongLong();
        if (ticks > 0) {
            setTime(&note, QDateTime::fromSecsSinceEpoch(ticks / kTicksPerSecond - kTicksToUnixSeconds, Qt::UTC));
        }
        source->notes << found(source->kind, value("Id").toString(), note, doc);
    }
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
    const QString connection = QStringLiteral("import-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(copy);
        if (!db.open()) {
            source->problems << QStringLiteral("'%1' cannot be read: %2").arg(source->path, db.lastError().text());
        } else {
            readNotes(db, source);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
}

} // namespace jotlet
