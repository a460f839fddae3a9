#include "window/noteboard.h"

#include "notes/notestore.h"
#include "platform/autostart.h"
#include "support/errorlog.h"

namespace jotlet {

NoteBoard::NoteBoard(QObject* parent)
    : QObject(parent)
{
}

NoteBoard::~NoteBoard() = default;

Note* NoteBoard::createNote(NoteOrigin origin)
{
    m_notes.push_back(std::make_unique<Note>(origin, this));
    Note* note = m_notes.back().get();
    connect(note, &Note::closed, this, [this, note] { remove(note); });
    if (m_viewFactory) {
        m_viewFactory(note);
    }
    emit noteAdded(note);
    return note;
}

std::unique_ptr<SpecialContent> NoteBoard::makeSpecialContent(SpecialKind kind) const
{
    return m_specialFactory ? m_specialFactory(kind) : nullptr;
}

QList<Note*> NoteBoard::notes() const
{
    QList<Note*> list;
    for (const auto& note : m_notes) {
        list << note.get();
    }
    return list;
}

void NoteBoard::showAlert(const QString& text, int durationMs, const Note& note) const
{
    if (m_alertPresenter) {
        m_alertPresenter(text, durationMs, note);
    }
}

std::unique_ptr<SpellEngine> NoteBoard::openSpellEngine(QString* error) const
{
    if (!m_spellEngineFactory) {
        *error = QStringLiteral("no spelling checker is set up");
        return nullptr;
    }
    return m_spellEngineFactory(error);
}

void NoteBoard::openManager(Note& note) const
{
    if (m_managerOpener) {
        m_managerOpener(note);
    }
}

bool NoteBoard::isLast(const Note* note) const
{
    return m_notes.size() == 1 && m_notes.front().get() == note;
}

bool NoteBoard::endSession(bool mainFileOpened, QString* failure)
{
    const QList<Note*> open = notes();
    if (open.isEmpty()) {
        return true; // nothing to keep: a main note file already there stays as it is
    }
    // Each note leaves its settings as it closes, the later over the earlier: written once, as they end up.
    NoteList records;
    SettingValues settings;
    for (Note* note : open) {
        records << note->sessionRecord(); // with its file, unsaved mark, on-top and transparency
        settings << note->settingValues();
    }
    SettingsError error;
    if (!writeSettings(settings, &error)) {
        logError(QStringLiteral("frmMain: WriteSettings"), error.number, error.description);
    }
    registerAutostart();
    // A run that did not open the main note file leaves the notes in it as they are and adds its own.
    const bool saved = mainFileOpened ? writeMainNoteFile(records, failure) : addNotesToMainNoteFile(records, failure);
    for (Note* note : open) {
        note->discard();
    }
    return saved;
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

} // namespace jotlet
