// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "note/note.h"
#include "note/notecollection.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

namespace jotlet {

// The open notes of the program, in the order they were made. The board owns them; each note leaves it when it
// closes. It answers what the notes ask of the program around them (new notes beside them, the manager, spelling,
// their special notes) with what the program gave it. With a view factory (the program's: one note window each)
// every note gets a window as it is made; without one (tests, the manager's previews) notes live without windows.
class NoteBoard : public QObject
{
    Q_OBJECT

public:
    explicit NoteBoard(QObject* parent = nullptr);
    ~NoteBoard() override;

    using ViewFactory = std::function<void(Note*)>;
    void setViewFactory(ViewFactory factory) { m_viewFactory = std::move(factory); }
    // The special notes (the program's: refresh and content writers); without it no note becomes one.
    void setSpecialNoteFactory(SpecialNoteFactory factory) { m_services.makeSpecial = std::move(factory); }
    // Opens the multi-note manager for a note (the program's manager window); without it, nothing opens.
    void setManagerOpener(std::function<void(Note&)> opener) { m_services.openManager = std::move(opener); }
    // Open "Find in Notes" and the trash (the program's windows); without them, nothing opens.
    void setFinderOpener(std::function<void(Note*)> opener) { m_services.openFinder = std::move(opener); }
    void setTrashOpener(std::function<void(Note*)> opener) { m_services.openTrash = std::move(opener); }
    // Opens the windows for commands on every note (import, export, restore from a backup).
    void setNotesWindowOpener(std::function<void(Command, Note*)> opener)
    {
        m_services.openNotesWindow = std::move(opener);
    }
    // Opens the spelling dictionary (the program's: Hunspell with the user's word lists); without it, or when it
    // gives nullptr, spelling cannot be checked and *error says why.
    void setSpellEngineFactory(std::function<std::unique_ptr<SpellEngine>(Problem* error)> factory)
    {
        m_services.openSpellEngine = std::move(factory);
    }

    // Where a note back from the program's own session files (the recovery journal, the notes kept at a session's
    // end) that belonged to a storage (the notes folder) goes: the storage takes it again (true) or it stays a note
    // of this computer. And whether notes of the storage are on their way, so that no empty note need open.
    void setKeptNoteAdopter(std::function<bool(Note*, const NoteRecord&)> adopter) { m_adoptKept = std::move(adopter); }
    bool adoptKept(Note* note, const NoteRecord& kept) { return m_adoptKept && m_adoptKept(note, kept); }
    void setNotesComing(bool coming) { m_notesComing = coming; }
    // The notes kept outside any one file (the notes folder), for the manager; nullptr when there are none.
    void setCollection(NoteCollection* collection) { m_collection = collection; }
    NoteCollection* collection() const { return m_collection; }
    bool notesComing() const { return m_notesComing; }

    // A new note on the board (not shown yet).
    Note* createNote(NoteOrigin origin = NoteOrigin::New);

    QList<Note*> notes() const;
    int count() const { return int(m_notes.size()); }
    // True when no other note is open.
    bool isLast(const Note* note) const;

    // Every note back on the desktop and in front; every note put away (still open); whether none is put away.
    void showAll();
    void hideAll();
    bool allShowing() const;
    // What a click on the tray icon does: hides the notes when all are showing, else shows them all.
    void toggleAll();

signals:
    void noteAdded(Note* note);
    // The last note closed.
    void emptied();

private:
    void remove(Note* note);
    // Moves a note that is about to show for the first time off any other note's exact place.
    void placeClearOfOthers(Note* note);

    std::vector<std::unique_ptr<Note>> m_notes;
    ViewFactory m_viewFactory;
    std::function<bool(Note*, const NoteRecord&)> m_adoptKept;
    bool m_notesComing = false;
    QPointer<NoteCollection> m_collection;
    NoteServices m_services;
};

} // namespace jotlet
