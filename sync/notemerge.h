// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notes/noterecord.h"

#include <optional>

namespace jotlet {

// Whether two versions of a folder note hold the same content (what its file carries besides its identity).
bool sameContent(const NoteRecord& a, const NoteRecord& b);

// Two versions of a folder note merged against the version both started from: the text paragraph by paragraph and
// word by word (a conflict when both changed the same words: nothing), every other value taken from the side that
// changed it (where both changed it differently, the same side on every computer). The identity is ours.
std::optional<NoteRecord> mergeNoteRecords(const NoteRecord& base, const NoteRecord& ours, const NoteRecord& theirs);

} // namespace jotlet
