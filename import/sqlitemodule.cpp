// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The module "jotlet-sqlite": Qt SQL's side of reading other programs' databases.
#include "import/sqlitemodule.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

namespace {

void readRows(QSqlDatabase& db, const QString& statement, jotlet::SqliteRows* result)
{
    QSqlQuery query(db);
    if (!query.exec(statement)) {
        result->outcome = jotlet::SqliteRows::Outcome::QueryFailed;
        result->error = query.lastError().text();
        return;
    }
    const QSqlRecord columns = query.record();
    while (query.next()) {
        QVariantHash row;
        for (int column = 0; column < columns.count(); ++column) {
            row.insert(columns.fieldName(column), query.value(column));
        }
        result->rows << row;
    }
    result->outcome = jotlet::SqliteRows::Outcome::Read;
}

} // namespace

extern "C" Q_DECL_EXPORT void jotletReadSqlite(const QString& path, const QString& query, jotlet::SqliteRows* result)
{
    const QString connection = QStringLiteral("read-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open()) {
            result->outcome = jotlet::SqliteRows::Outcome::NotOpened;
            result->error = db.lastError().text();
        } else {
            readRows(db, query, result);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
}
