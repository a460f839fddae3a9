// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QVariantHash>

namespace jotlet {

// What a query on an SQLite file gave: every row, its columns by name.
struct SqliteRows
{
    enum class Outcome { Read, NotOpened, QueryFailed };
    Outcome outcome = Outcome::NotOpened;
    QString error; // SQLite's reason, for NotOpened and QueryFailed
    QList<QVariantHash> rows;
};

// Runs one query on the SQLite file at path, through Qt SQL, in the module "jotlet-sqlite" (support/modules.h), so
// that Qt SQL is loaded when another program's database is read, not with every start. Any thread may call it.
using ReadSqlite = void (*)(const QString& path, const QString& query, SqliteRows* result);
inline constexpr char kReadSqlite[] = "jotletReadSqlite";
inline constexpr char kSqliteModule[] = "jotlet-sqlite";

} // namespace jotlet
