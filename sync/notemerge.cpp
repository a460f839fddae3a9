// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/notemerge.h"

#include "note/textmerge.h"
#include "rtf/reader.h"

#include <tuple>

namespace jotlet {

namespace {

// Everything a folder note's file carries besides its text, place and identity.
template <typename Record>
auto values(Record& note)
{
    return std::tie(note.color,
                    note.look,
                    note.timeDate,
                    note.height,
                    note.width,
                    note.keepsSpecial,
                    note.specialType,
                    note.reminder,
                    note.reminderAt,
                    note.reminderZone,
                    note.reminderRepeat,
                    note.reminderSnooze,
                    note.reminderLast,
                    note.feedUrl,
                    note.stockSymbol);
}

// One value: the side that changed it; both changed it differently, the larger, so that every computer agrees.
template <typename T>
void mergeValue(const T& base, T& ours, const T& theirs)
{
    if (ours == base || (theirs != base && theirs > ours)) {
        ours = theirs;
    }
}

template <typename Const, typename Mutable, size_t... I>
void mergeValues(const Const& base, Mutable& ours, const Const& theirs, std::index_sequence<I...>)
{
    (mergeValue(std::get<I>(base), std::get<I>(ours), std::get<I>(theirs)), ...);
}

} // namespace

bool sameContent(const NoteRecord& a, const NoteRecord& b)
{
    return a.data == b.data && values(a) == values(b);
}

std::optional<NoteRecord> mergeNoteRecords(const NoteRecord& base, const NoteRecord& ours, const NoteRecord& theirs)
{
    NoteRecord merged = ours;
    if (ours.data == base.data || ours.data == theirs.data) {
        merged.data = theirs.data;
    } else if (theirs.data != base.data) {
        const std::optional<QByteArray> text
            = mergeRtf(storedRtfBytes(base.data), storedRtfBytes(ours.data), storedRtfBytes(theirs.data));
        if (!text) {
            return std::nullopt;
        }
        merged.data = QString::fromLatin1(*text);
    }
    auto mergedValues = values(merged);
    mergeValues(values(base),
                mergedValues,
                values(theirs),
                std::make_index_sequence<std::tuple_size_v<decltype(values(base))>>());
    return merged;
}

} // namespace jotlet
