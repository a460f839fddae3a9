#pragma once

#include "platform/spellengine.h"
#include "window/note.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace jotlet {

// The open notes of the program, in the order they were made. The board owns them; each note leaves it when it
// closes. With a view factory (the program's: one note window each) every note gets a window as it is made;
// without one (tests, the manager's previews) notes live without windows.
class NoteBoard : public QObject
{
    Q_OBJECT

public:
    explicit NoteBoard(QObject* parent = nullptr);
    ~NoteBoard() override;

    using ViewFactory = std::function<void(Note*)>;
    void setViewFactory(ViewFactory factory) { m_viewFactory = std::move(factory); }

    // What writes special notes (the program's providers); without one, choosing a special kind writes nothing.
    void setSpecialContentFactory(SpecialContentFactory factory) { m_specialFactory = std::move(factory); }
    std::unique_ptr<SpecialContent> makeSpecialContent(SpecialKind kind) const;

    // Shows a short message in a popup that slides up from the corner of the screen the note is on (the
    // program's alert window); without a presenter, nothing is shown.
    using AlertPresenter = std::function<void(const QString& text, int durationMs, const Note& note)>;
    void setAlertPresenter(AlertPresenter presenter) { m_alertPresenter = std::move(presenter); }
    void showAlert(const QString& text, int durationMs, const Note& note) const;

    // Opens the multi-note manager for a note (the program's manager window); without an opener, nothing opens.
    using ManagerOpener = std::function<void(Note& note)>;
    void setManagerOpener(ManagerOpener opener) { m_managerOpener = std::move(opener); }
    void openManager(Note& note) const;

    // Opens the spelling dictionary (the program's: Hunspell with the user's word lists); without a factory, or when
    // it gives nullptr, spelling cannot be checked and *error says why.
    using SpellEngineFactory = std::function<std::unique_ptr<SpellEngine>(QString* error)>;
    void setSpellEngineFactory(SpellEngineFactory factory) { m_spellEngineFactory = std::move(factory); }
    std::unique_ptr<SpellEngine> openSpellEngine(QString* error) const;

    // A new note on the board (not shown yet).
    Note* createNote(NoteOrigin origin = NoteOrigin::New);

    QList<Note*> notes() const;
    int count() const { return int(m_notes.size()); }
    // True when no other note is open.
    bool isLast(const Note* note) const;

    // The session ends: every note goes to the main note file, in order, in one write, without a question, and the
    // program is registered to start at the next log-on. The main note file then holds exactly the open notes when
    // this run opened it; otherwise the notes it holds stay and the open notes are added after them. False when the
    // notes could not be written, *failure saying why (the notes are gone from the board either way: the recovery
    // journal still holds them).
    bool endSession(bool mainFileOpened = true, QString* failure = nullptr);

signals:
    void noteAdded(Note* note);
    // The last note closed.
    void emptied();

private:
    void remove(Note* note);

    std::vector<std::unique_ptr<Note>> m_notes;
    ViewFactory m_viewFactory;
    SpecialContentFactory m_specialFactory;
    AlertPresenter m_alertPresenter;
    ManagerOpener m_managerOpener;
    SpellEngineFactory m_spellEngineFactory;
};

} // namespace jotlet
