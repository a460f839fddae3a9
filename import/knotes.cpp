// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// KNotes keeps each note as a MIME message in maildir folders (its Akonadi resource's local folder): the title in
// Subject, the text as the main text part (text/plain, or text/html for rich text), the time it was made in Date and
// the last change in X-Akonotes-LastModified. Messages are read with GMime, in a module loaded when they are.
#include "import/readers.h"

#include "import/mimenote.h"
#include "support/modules.h"

#include <QDirIterator>
#include <QFile>
#include <QTextCursor>
#include <QTextDocument>

namespace jotlet {

using namespace importing;

namespace {

constexpr qint64 kMaxMessageBytes = 32LL * 1024 * 1024;

void noteOfMessage(const MimeNote& message, const QString& name, ImportSource* source)
{
    QTextDocument doc;
    if (message.html) {
        doc.setHtml(message.text);
    } else {
        doc.setPlainText(message.text.trimmed());
    }
    const QString title = message.subject.trimmed();
    if (!title.isEmpty() && !doc.toPlainText().startsWith(title)) {
        QTextCursor top(&doc);
        top.insertBlock();
        top.movePosition(QTextCursor::Start);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        top.insertText(title, bold);
    }
    NoteRecord note = noteOf(doc, QString());
    setTime(&note, message.date);
    source->notes << found(source->kind, name, note, doc);
}

} // namespace

void readKNotes(ImportSource* source)
{
    const auto parseMessage = moduleFunction<ParseMimeNote>("jotlet-mime", kParseMimeNote);
    if (!parseMessage) {
        source->problems << QStringLiteral("'%1' cannot be read: the module that reads KNotes' messages is missing")
                                .arg(source->path);
        return;
    }
    QStringList paths;
    QDirIterator it(source->path, QDir::Files | QDir::NoSymLinks | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString folder = it.fileInfo().dir().dirName();
        if (folder == QLatin1String("cur") || folder == QLatin1String("new")) {
            paths << path; // maildir messages; tmp/ holds messages still being written
        }
    }
    paths.sort();
    for (const QString& path : std::as_const(paths)) {
        QFile file(path);
        if (file.size() > kMaxMessageBytes || !file.open(QIODevice::ReadOnly)) {
            source->problems << QStringLiteral("'%1' cannot be read").arg(path);
            continue;
        }
        MimeNote message;
        if (!parseMessage(file.readAll(), &message)) {
            source->problems << QStringLiteral("'%1' is not a note KNotes wrote").arg(path);
            continue;
        }
        // A maildir message keeps its name up to the ":" that carries its flags.
        noteOfMessage(
            message, it.path().isEmpty() ? path : QFileInfo(path).fileName().section(QLatin1Char(':'), 0, 0), source);
    }
}

} // namespace jotlet
