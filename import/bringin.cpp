// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/bringin.h"

#include "note/note.h"
#include "note/noteboard.h"
#include "notes/notestore.h"
#include "support/appinfo.h"
#include "support/errorlog.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace jotlet {

namespace {

void keepCopy(const ImportSource& source, const NoteList& notes)
{
    const QString folder = dataFilePath(QStringLiteral("imported"));
    QDir().mkpath(folder);
    const QString stem = folder + QLatin1Char('/') + importKindKey(source.kind) + QLatin1Char(' ')
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HHmmss"));
    QString path = stem + QStringLiteral(".not");
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = stem + QStringLiteral(" (%1).not").arg(n);
    }
    Problem problem;
    if (!saveNotesFile(notes, path, &problem)) {
        logError(QStringLiteral("Import"), 75, problem.english());
    }
}

const QString kImportPrefix = QStringLiteral("--import\t");

} // namespace

QString importRequestText(const QString& source, const QString& path)
{
    return kImportPrefix + source + QLatin1Char('\t') + path;
}

std::optional<ImportRequest> importRequestOf(const QString& commandLine)
{
    if (!commandLine.startsWith(kImportPrefix)) {
        return std::nullopt;
    }
    const QStringList parts = commandLine.mid(kImportPrefix.size()).split(QLatin1Char('\t'));
    const std::optional<ImportKind> kind = importKindForKey(parts.value(0));
    if (!kind) {
        return std::nullopt;
    }
    return ImportRequest {*kind, parts.value(1)};
}

BringInOutcome bringIn(NoteBoard& board, const ImportSource& source, QList<int> chosen, ImportMemory& memory)
{
    if (chosen.isEmpty()) {
        for (int i = 0; i < source.notes.size(); ++i) {
            chosen << i;
        }
    }
    BringInOutcome outcome;
    NoteList notes;
    QStringList keys;
    for (int index : std::as_const(chosen)) {
        if (index < 0 || index >= source.notes.size()) {
            continue;
        }
        const FoundNote& found = source.notes.at(index);
        if (memory.knows(found.key) || keys.contains(found.key)) {
            ++outcome.known;
            continue;
        }
        notes << found.record;
        keys << found.key;
    }
    if (notes.isEmpty()) {
        return outcome;
    }
    keepCopy(source, notes);
    for (const NoteRecord& record : std::as_const(notes)) {
        Note* note = board.createNote(NoteOrigin::New);
        if (note->setFromRecord(record, QString())) {
            note->show();
            ++outcome.added;
        } else {
            note->discard();
        }
    }
    if (!memory.remember(keys)) {
        logError(QStringLiteral("Import"), 75, QStringLiteral("what was imported could not be remembered"));
    }
    return outcome;
}

} // namespace jotlet
