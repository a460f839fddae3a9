// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notes/noterecord.h"

#include <QStringList>

#include <optional>

namespace jotlet {

// Notes written out for other programs, one file per note, named after its first words: Markdown (GitHub's: bold,
// italic, strike-through, lists, check items as "- [ ]" and "- [x]", pictures as files beside it), HTML (the same,
// on the note's colour), or plain text (check items as "[ ]" and "[x]"). Markdown and HTML also carry the note's
// colour and time stamp (Markdown in a front matter block). A file that is there already is never replaced: the
// new one takes a numbered name.
enum class ExportFormat { Markdown, Html, Text };

// "markdown" (or "md"), "html", "text" (or "txt"); nothing for anything else.
std::optional<ExportFormat> exportFormatNamed(const QString& name);
QString exportSuffix(ExportFormat format);
// The first words of a stored note's text on one line, at most length characters, "…" where it was cut.
QString noteFirstWords(const NoteRecord& note, int length);

struct ExportOutcome
{
    QStringList written; // the notes' files, in the order of the notes
    QStringList failed;  // one English line for each note that could not be written
};

ExportOutcome exportNotes(const NoteList& notes, const QString& folder, ExportFormat format);

} // namespace jotlet
