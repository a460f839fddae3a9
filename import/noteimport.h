// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notes/noterecord.h"

#include <QColor>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

class QTextDocument;

namespace jotlet {

// The programs whose notes Jotlet brings in. Each is only read, never changed.
enum class ImportKind {
    Xpad,            // ~/.config/xpad: content-* (the text) and info-* (size, place, colours) files
    KNotes,          // ~/.local/share/notes: one MIME message per note in maildir folders
    MintSticky,      // ~/.config/sticky/notes.json: groups of notes in its own mark-up
    GnomeSticky,     // ~/.local/share/com.vixalien.sticky/notes/*.json: one JSON file per note
    MicrosoftSticky, // plum.sqlite copied from Windows: the Note table
    TextFolder,      // a folder of .txt and .md files
};
inline constexpr ImportKind kImportKinds[] = {ImportKind::Xpad,
                                              ImportKind::KNotes,
                                              ImportKind::MintSticky,
                                              ImportKind::GnomeSticky,
                                              ImportKind::MicrosoftSticky,
                                              ImportKind::TextFolder};

// The name the command line takes ("xpad", "knotes", "mint", "gnome", "microsoft", "folder") and the program's
// own name as the user knows it.
QString importKindKey(ImportKind kind);
std::optional<ImportKind> importKindForKey(const QString& key);
QString importProgramName(ImportKind kind);

// Where the program keeps its notes for this user ("" for a source the user names: plum.sqlite, a folder).
QString defaultImportPath(ImportKind kind);

// One note as found in the source, with what names it there (so that it is not brought in twice).
struct FoundNote
{
    NoteRecord record;
    QString key; // the source's own name for the note, with a digest of its text
    QString preview;
};

// What a source holds: its notes and what of it could not be read (one English line each).
struct ImportSource
{
    ImportKind kind = ImportKind::TextFolder;
    QString path;
    QList<FoundNote> notes;
    QStringList problems;
};

ImportSource readImportSource(ImportKind kind, const QString& path);

// The sources of the known programs that are there for this user, each with its notes.
QList<ImportSource> findImportSources();

// What was brought in before (keys kept in the data folder), so that a second import adds nothing.
class ImportMemory
{
public:
    explicit ImportMemory(QString path = defaultPath());
    static QString defaultPath();
    bool knows(const QString& key) const { return m_keys.contains(key); }
    bool remember(const QStringList& keys);

private:
    QString m_path;
    QSet<QString> m_keys;
};

// Building a note from what a source holds.
namespace importing {

// The Jotlet colour nearest to a colour.
QString nearestNoteColor(const QColor& color);
// A note of the document's text, with the colour, size and place in pixels where the source has them.
NoteRecord noteOf(const QTextDocument& doc, const QString& colorName);
void setGeometry(NoteRecord* note, int x, int y, int width, int height);
void setTime(NoteRecord* note, const QDateTime& when);
QString keyOf(ImportKind kind, const QString& name, const QString& text);
FoundNote found(ImportKind kind, const QString& name, NoteRecord record, const QTextDocument& doc);
// Markdown without a front matter block (as Jotlet's own export writes one), and its colour when it names one.
QString withoutFrontMatter(const QString& markdown, QString* color);

} // namespace importing

} // namespace jotlet
