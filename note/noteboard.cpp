// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/noteboard.h"

#include "note/notelogic.h"
#include "note/screens.h"

#include <algorithm>

namespace jotlet {

NoteBoard::NoteBoard(QObject* parent)
    : QObject(parent)
{
}

NoteBoard::~NoteBoard() = default;

Note* NoteBoard::createNote(NoteOrigin origin)
{
    NoteServices services = m_services;
    services.createNote = [this](NoteOrigin origin) { return createNote(origin); };
    m_notes.push_back(std::make_unique<Note>(origin, std::move(services)));
    Note* note = m_notes.back().get();
    connect(note, &Note::closed, this, [this, note] { remove(note); });
    if (origin != NoteOrigin::Kept) {
        // Connected before the window: the note moves before its window shows, the first time only. Notes kept
        // from the last session keep their places exactly.
        auto once = std::make_shared<QMetaObject::Connection>();
        *once = connect(note, &Note::showRequested, this, [this, note, once] {
            disconnect(*once);
            placeClearOfOthers(note);
        });
    }
    if (m_viewFactory) {
        m_viewFactory(note);
    }
    emit noteAdded(note);
    return note;
}

void NoteBoard::placeClearOfOthers(Note* note)
{
    QList<QPoint> taken;
    for (const auto& other : m_notes) {
        if (other.get() != note && !other->isHidden()) {
            taken << other->geometry().topLeft();
        }
    }
    // The work area of the screen the note is on (the first screen's when it is on none).
    const QList<QRect> areas = screenTwips().available;
    QRect area = areas.value(0);
    for (const QRect& each : areas) {
        if (each.contains(note->geometry().center())) {
            area = each;
        }
    }
    const QPoint place = cascadePlace(note->geometry(), taken, area);
    if (place != note->geometry().topLeft()) {
        note->moveTo(place);
    }
}

QList<Note*> NoteBoard::notes() const
{
    QList<Note*> list;
    for (const auto& note : m_notes) {
        list << note.get();
    }
    return list;
}

bool NoteBoard::isLast(const Note* note) const
{
    return m_notes.size() == 1 && m_notes.front().get() == note;
}

void NoteBoard::remove(Note* note)
{
    for (auto it = m_notes.begin(); it != m_notes.end(); ++it) {
        if (it->get() == note) {
            // The note's signal is still being delivered: let it go once control is back in the event loop.
            it->release()->deleteLater();
            m_notes.erase(it);
            break;
        }
    }
    if (m_notes.empty()) {
        emit emptied();
    }
}

void NoteBoard::showAll()
{
    for (Note* note : notes()) {
        note->setHidden(false);
        emit note->raiseRequested();
    }
}

void NoteBoard::hideAll()
{
    for (Note* note : notes()) {
        note->setHidden(true);
    }
}

bool NoteBoard::allShowing() const
{
    return std::none_of(m_notes.begin(), m_notes.end(), [](const auto& note) { return note->isHidden(); });
}

void NoteBoard::toggleAll()
{
    if (count() > 0 && allShowing()) {
        hideAll();
    } else {
        showAll();
    }
}

} // namespace jotlet
