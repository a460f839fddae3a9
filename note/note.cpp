// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// A note's life: its look at creation, its text and title, geometry, saving, opening and closing.
#include "note/note.h"

#include "note/notelook.h"

#include "note/notepictures.h"

#include "note/dialogresponder.h"
#include "note/notecolors.h"
#include "note/notefiledialog.h"
#include "note/notelogic.h"
#include "note/notetext.h"
#include "note/screens.h"
#include "notes/notestore.h"
#include "notes/trash.h"
#include "rtf/reader.h"
#include "support/clock.h"
#include "support/errorlog.h"
#include "support/files.h"
#include "support/settings.h"

#include <QTimer>

namespace jotlet {

namespace {

// How long after a change the word or character count is brought up to date.
constexpr int kRecountMs = 150;

// A new time stamp: the same form whatever the locale of the session writing or reading it (ISO 8601's date and a
// 24-hour time). Stamps a note already carries are kept as they were written.
QString currentTimeText()
{
    return Clock::now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString iconHint()
{
    return Note::tr("Right-click for options");
}

} // namespace

StayOnTopPause::StayOnTopPause(Note& note)
    : m_note(note)
{
    if (m_note.m_onTopPauses++ == 0 && m_note.isOnTop()) {
        emit m_note.stayOnTopChanged(false);
    }
}

StayOnTopPause::~StayOnTopPause()
{
    if (--m_note.m_onTopPauses == 0 && m_note.isOnTop()) {
        emit m_note.stayOnTopChanged(true);
    }
}

Note::Note(NoteOrigin origin, NoteServices services)
    : m_services(std::move(services))
    , m_origin(origin)
    , m_text(new NoteText(this))
    , m_iconTooltip(iconHint())
    // Kept notes and the manager's copies hold text that is nowhere else: every change counts (a file's further
    // notes once their text has come, openRecords()).
    , m_keepsEveryChange(origin == NoteOrigin::ManagerCopy || origin == NoteOrigin::Kept)
{
    connect(m_text, &NoteText::changed, this, &Note::onTextChanged);
    connect(m_text, &NoteText::pictureRefused, this, &Note::reportPictureRefused);
    applyLook(origin);
    if (m_services.makeSpecial) {
        m_special = m_services.makeSpecial(*this);
    }
    m_loading = false;
}

Note::~Note() = default;

void Note::applyLook(NoteOrigin origin)
{
    const ScreenTwips screens = screenTwips();
    NoteLook look;
    readNoteLook(look, origin != NoteOrigin::New, screens.primary);
    m_saveSettings = look.saveSetting;
    m_record.alpha = look.alpha;
    m_record.foreColor = look.foreColor;
    m_record.fontSize = look.fontSize;
    m_record.isOnTop = look.isOnTop;
    m_record.autoSave = look.autoSave;
    m_record.saveNewNoteOnClose = look.saveNewNoteOnClose;
    m_record.timeDate = currentTimeText();
    const bool remembered = look.saveSetting && origin == NoteOrigin::New;
    m_record.width = remembered ? look.width : kDefaultWidthTwips;
    m_record.height = remembered ? look.height : kDefaultHeightTwips;
    // The default place centres a window of the size notes have before their own is applied.
    const QPoint place(look.left.value_or((screens.primary.width() - kInitialWidthTwips) / 2),
                       look.top.value_or((screens.primary.height() - kInitialHeightTwips) / 2));
    m_geometry = QRect(place, restoreSize());
    m_text->setFontName(look.fontName);
    m_text->setFontSize(m_record.fontSize);
    if (origin == NoteOrigin::New) {
        if (!setColor(look.color, false)) {
            setColor(QStringLiteral("yellow"), false);
        }
        changeForeColor(m_record.foreColor);
    } else {
        // The text and its colours come from a record (setFromRecord, which sets the colour of what is typed): the
        // empty text is not coloured first, which would leave formats in the note that nothing uses.
        if (!setPaper(look.color)) {
            setPaper(QStringLiteral("yellow"));
        }
    }
    setCaptionType(look.captionType < 0 ? 0 : look.captionType);
    setSubCaptionText(m_record.timeDate);
}

QString Note::title() const
{
    return m_titleShown ? noteTitle(m_filePath, isUnsaved()) : QStringLiteral("Jotlet");
}

bool Note::isUnsaved() const
{
    // The one rule for the mark: a change counts where the note has a file, where its text is nowhere else, or
    // where the user asked to be asked about new notes.
    return m_changed && (!m_filePath.isEmpty() || m_keepsEveryChange || m_record.saveNewNoteOnClose);
}

void Note::noteMarkChange()
{
    m_titleShown = true;
    emit changed(Title);
}

void Note::setSubCaptionText(const QString& text)
{
    m_subCaption = text;
    emit changed(SubCaption);
}

void Note::onTextChanged()
{
    if (m_loading) {
        return;
    }
    m_changed = true;
    if (isUnsaved()) {
        noteMarkChange();
    }
    if (m_captionType == WordCount || m_captionType == CharacterCount) {
        // Counted over the whole text: not at every key, but when the typing has gone on a moment (or paused).
        if (!m_counting) {
            m_counting = new QTimer(this);
            m_counting->setSingleShot(true);
            m_counting->setInterval(kRecountMs);
            connect(m_counting, &QTimer::timeout, this, &Note::showCounts);
        }
        if (!m_counting->isActive()) {
            m_counting->start();
        }
    }
}

void Note::showCounts()
{
    const QString plain = m_text->text();
    m_wordCount = countWords(plain);
    if (m_captionType == WordCount) {
        setSubCaptionText(subCaptionText(WordCount, {}, m_wordCount, 0, m_filePath));
    } else if (m_captionType == CharacterCount) {
        const int kind = m_special ? int(m_special->kind()) : 0;
        const int characters = shownCharacterCount(int(plain.size()), kind);
        setSubCaptionText(subCaptionText(CharacterCount, {}, 0, characters, m_filePath));
    }
}

void Note::setGeometry(const QRect& twips)
{
    const ScreenTwips screens = screenTwips();
    const QSize size(sizeWithinDesktop(twips.width(), kMinimumWidthTwips, screens.desktop.width()),
                     sizeWithinDesktop(twips.height(), kMinimumHeightTwips, screens.desktop.height()));
    const QRect limited(twips.topLeft(), size);
    if (limited != m_geometry) {
        m_geometry = limited;
        emit changed(Geometry);
    }
}

void Note::moveTo(const QPoint& twips)
{
    setGeometry(QRect(twips, m_geometry.size()));
}

void Note::resize(const QSize& twips)
{
    setGeometry(QRect(m_geometry.topLeft(), twips));
}

bool Note::setFromRecord(const NoteRecord& record, const QString& source)
{
    QString error;
    double commonSize = 0;
    if (!m_text->setStoredRtf(storedRtfBytes(record.data), &commonSize, &error)) {
        const QString from = source.isEmpty() ? QString() : QStringLiteral(" from '%1'").arg(source);
        logError(
            QStringLiteral("frmMain: setData"), 7, QStringLiteral("The note%1 was not opened: %2").arg(from, error));
        return false;
    }
    // The face and size most of the note has are its own: Size and Font Family change them.
    if (commonSize > 0) {
        m_record.fontSize = qRound(commonSize);
    }
    if (!record.timeDate.isEmpty()) {
        setTimeStamp(record.timeDate); // kept as it was written, not the moment it was read
    }
    setColor(record.color, false);
    m_record.look = record.look;
    setGeometry(QRect(record.left, record.top, record.width, record.height));
    m_record.width = m_geometry.width();
    m_record.height = m_geometry.height();
    if (m_origin == NoteOrigin::ManagerCopy) {
        // A copy with unsaved changes, tied to no file, so that saving asks for one.
        setTimeStamp(record.timeDate);
        m_changed = true;
        noteMarkChange();
    }
    return true;
}

NoteRecord Note::sessionRecord() const
{
    NoteRecord stored = record();
    if (m_special) {
        m_special->keepIn(&stored); // it comes back as the same special note
    }
    if (m_storage) {
        stored.identity.id = m_storage->keptId(); // it joins its storage again when it comes back
    }
    stored.session.present = true;
    stored.session.file = m_filePath;
    stored.session.unsaved = isUnsaved();
    stored.session.onTop = m_record.isOnTop;
    stored.session.alpha = m_record.alpha;
    return stored;
}

void Note::restoreSession(const NoteRecord::Session& session)
{
    if (!session.present) {
        return;
    }
    m_filePath = session.file;
    m_changed = session.unsaved || session.file.isEmpty();
    noteMarkChange();
    m_record.alpha = session.alpha;
    setOnTop(session.onTop);
}

void Note::resumeSpecial(const NoteRecord& kept)
{
    if (m_special) {
        m_special->resume(kept);
    }
}

void Note::setSavedAs(const QString& path)
{
    m_filePath = path;
    if (m_captionType == NoteFilename) {
        setSubCaptionText(subCaptionText(NoteFilename, {}, 0, 0, m_filePath));
    }
    m_changed = false;
    noteMarkChange();
}

void Note::setTimeStamp(const QString& text)
{
    m_record.timeDate = text;
    if (m_captionType == TimeDateStamp) {
        setSubCaptionText(text);
    }
}

NoteRecord Note::record() const
{
    NoteRecord record = m_record;
    record.data = QString::fromLatin1(m_text->rtf());
    // The stamp, whatever the sub-caption shows now (a word count is no stamp).
    record.fileName = m_filePath;
    // Never a place off every screen, whatever a window system reported.
    const QPoint place = keepOnScreen(m_geometry, {screenTwips().desktop});
    record.left = place.x();
    record.top = place.y();
    // A rolled-up note keeps the size it rolls back to.
    if (!m_rolledUp) {
        record.width = m_geometry.width();
        record.height = m_geometry.height();
    }
    return record;
}

bool Note::setColor(const QString& colorText, bool allowForeColorChange)
{
    m_text->setSelColor(0); // the selection, or what is typed next, in black
    if (allowForeColorChange && noteColorValue(colorText)) {
        changeForeColor(0);
    }
    return setPaper(colorText);
}

bool Note::setPaper(const QString& colorText)
{
    const std::optional<quint32> value = noteColorValue(colorText);
    if (!value) {
        if (!m_loading) {
            logError(QStringLiteral("frmMain: SetNoteColor"),
                     13,
                     QStringLiteral("'%1' is not a note colour; the note keeps its colour").arg(colorText.left(40)));
        }
        return false;
    }
    m_colorValue = *value;
    m_record.color = colorText;
    emit changed(Colors);
    return true;
}

bool Note::isDark() const
{
    return isDarkLook(m_record.look);
}

void Note::setLookChoice(const QString& choice)
{
    if (choice == m_record.look) {
        return;
    }
    m_record.look = choice;
    if (!m_loading) {
        m_changed = true;
        noteMarkChange();
    }
    emit changed(Colors);
}

void Note::changeForeColor(qint32 color)
{
    m_text->setAllColor(quint32(color));
    m_record.foreColor = color;
}

void Note::save(SaveMode mode)
{
    StayOnTopPause pause(*this);
    const NoteRecord note = record();
    Problem failure;
    if (mode == SaveMode::AppendTo) {
        // An append is a copy elsewhere: the note keeps its own file, and its mark unless the note was written.
        const std::optional<QString> target = askForNoteFile(NoteFileDialog::Save, m_dialogOwner);
        if (target && appendToNoteFile(note, *target, &failure)) {
            rememberNoteFile(*target);
            m_changed = false;
            noteMarkChange();
        }
    } else {
        const bool ask = mode == SaveMode::SaveAs || m_filePath.isEmpty();
        const std::optional<QString> target
            = ask ? askForNoteFile(NoteFileDialog::Save, m_dialogOwner) : std::optional<QString>(m_filePath);
        if (target && saveNoteFile(note, *target, &failure)) {
            rememberNoteFile(*target);
            setSavedAs(*target);
        }
    }
    if (!failure.isEmpty()) {
        dialogResponder().warning(m_dialogOwner,
                                  tr("Note Not Saved"),
                                  tr("The note could not be saved.\n\n%1\n\nIt is still open with all its "
                                     "changes; try saving it somewhere else with Save As.")
                                      .arg(failure.text()));
    }
}

void Note::newNote()
{
    if (!m_services.createNote) {
        return;
    }
    Note* note = m_services.createNote(NoteOrigin::New);
    note->moveTo(m_geometry.topLeft() + QPoint(200, 200));
    note->show();
}

void Note::openFile()
{
    StayOnTopPause pause(*this);
    const std::optional<QString> path = askForNoteFile(NoteFileDialog::Open, m_dialogOwner);
    if (path) {
        const NoteList notes = loadNoteFile(*path);
        if (!notes.isEmpty()) {
            rememberNoteFile(*path);
        }
        openRecords(notes);
    }
}

void Note::openRecords(const NoteList& notes)
{
    // Text that is in no file is never replaced: then the file's first note opens in a note of its own, beside this.
    const bool keepThis = isUnsaved() || isSpecial() || (m_filePath.isEmpty() && !m_text->text().isEmpty());
    for (int i = 0; i < notes.size(); ++i) {
        const NoteRecord& stored = notes.at(i);
        if (i == 0 && !keepThis) {
            // The first note comes into this one, which keeps its place.
            const QPoint place = m_geometry.topLeft();
            if (setFromRecord(stored, stored.fileName)) {
                moveTo(place);
                takeFileNote(stored);
            }
            continue;
        }
        if (!m_services.createNote) {
            break;
        }
        Note* note = m_services.createNote(i == 0 ? NoteOrigin::OpenedFile : NoteOrigin::FileCopy);
        if (!note->setFromRecord(stored, stored.fileName)) {
            note->discard();
            continue;
        }
        if (i == 0) {
            note->moveTo(m_geometry.topLeft() + QPoint(200, 200));
            note->takeFileNote(stored);
        }
        // Further notes are copies, not tied to the file: saving one never replaces the whole file.
        note->m_keepsEveryChange = true;
        note->show();
    }
}

void Note::takeFileNote(const NoteRecord& stored)
{
    setTimeStamp(stored.timeDate);
    setSavedAs(stored.fileName);
}

void Note::show(Focus focus)
{
    // A note stored on a monitor that is gone, or beyond a smaller resolution, comes back onto a screen.
    moveTo(keepOnScreen(m_geometry, screenTwips().available));
    m_hidden = false;
    emit showRequested(focus);
    emit stayOnTopChanged(staysOnTopNow());
}

void Note::rollUp()
{
    m_record.width = m_geometry.width();
    m_record.height = m_geometry.height();
    resize(QSize(kMinimumWidthTwips, kMinimumHeightTwips));
    m_iconTooltip = rollUpTooltip(m_text->text());
    m_rolledUp = true;
    emit changed(RolledUp);
}

void Note::restore()
{
    resize(restoreSize());
    m_iconTooltip = iconHint();
    m_rolledUp = false;
    emit changed(RolledUp);
}

void Note::toggleRollUp()
{
    // A note exactly as narrow as a rolled-up one counts as rolled up.
    if (m_geometry.width() == kMinimumWidthTwips) {
        restore();
    } else {
        rollUp();
    }
}

void Note::defaultSize()
{
    resize(QSize(kDefaultWidthTwips, kDefaultHeightTwips));
}

void Note::reset()
{
    putInTrash(); // the note as it was, with its colour, size and file
    defaultSize();
    setColor(QStringLiteral("yellow"), true);
    setTimeStamp(currentTimeText());
    m_filePath.clear(); // a reset note belongs to no file: Save asks where
    m_changed = false;
    noteMarkChange();
}

void Note::setCaptionType(int type)
{
    if (type < 0 || type > 3) {
        return;
    }
    m_captionType = type;
    m_record.captionType = type;
    if (type == WordCount || type == CharacterCount) {
        showCounts();
    } else {
        setSubCaptionText(subCaptionText(type, m_record.timeDate, 0, 0, m_filePath));
    }
}

void Note::refreshSubCaption()
{
    if (m_captionType == TimeDateStamp) {
        setTimeStamp(currentTimeText());
    } else if (m_captionType == WordCount || m_captionType == CharacterCount) {
        onTextChanged();
    }
}

void Note::setOnTop(bool on)
{
    m_record.isOnTop = on;
    emit stayOnTopChanged(staysOnTopNow());
    emit changed(Options);
}

void Note::setTransparency(int index)
{
    if (index >= 0 && index < 4) {
        // Applied the next time the note stops being the active window.
        m_record.alpha = kTransparencyLevels[index];
        emit changed(Options);
    }
}

void Note::setSaveNewNoteOnClose(bool on)
{
    m_record.saveNewNoteOnClose = on;
    if (!m_filePath.isEmpty()) {
        return;
    }
    // In no file: on, its text is an unsaved change at once; off, no change of it is asked about any more.
    if (on && !m_text->text().isEmpty()) {
        m_changed = true;
        noteMarkChange();
    } else if (!on) {
        m_changed = false;
        m_keepsEveryChange = false;
        noteMarkChange();
    }
}

void Note::setSaveSettings(bool on)
{
    m_saveSettings = on;
    writeSettings(); // the next new note takes this look at once
}

void Note::writeSettings()
{
    SettingsError error;
    if (!jotlet::writeSettings(settingValues(), &error)) {
        logError(QStringLiteral("frmMain: WriteSettings"), error.number, error.description);
    }
}

SettingValues Note::settingValues() const
{
    NoteLook look;
    look.color = m_record.color;
    look.height = m_rolledUp ? m_record.height : m_geometry.height();
    look.width = m_rolledUp ? m_record.width : m_geometry.width();
    look.top = m_geometry.top();
    look.left = m_geometry.left();
    look.alpha = m_record.alpha;
    look.captionType = m_captionType;
    look.isOnTop = m_record.isOnTop;
    look.foreColor = m_record.foreColor;
    look.fontName = m_text->fontName();
    look.fontSize = m_record.fontSize;
    look.autoSave = m_record.autoSave;
    look.saveNewNoteOnClose = m_record.saveNewNoteOnClose;
    return noteLookValues(look, m_saveSettings);
}

void Note::clearAll(bool ctrlHeld)
{
    m_text->setLocked(false);
    m_text->setText(QString());
    m_text->setSelColor(0);
    if (m_special) {
        m_special->run(Command::StopSpecialNote);
    } else {
        specialChanged(SpecialChange::Stopped);
    }
    if (ctrlHeld) {
        m_text->setText(aboutJotletText());
    }
}

void Note::runSpecial(Command command)
{
    if (!m_special) {
        return;
    }
    // A special note whose text the program writes, chosen in a note holding the user's own text: that text is
    // never replaced; the special note is made as a new note beside it.
    const bool writesText = command != Command::SpecialReminder && command != Command::StopSpecialNote;
    const bool programsText = isSpecial() && m_special->kind() != SpecialKind::Reminder;
    const bool ownText = !programsText && !m_text->text().trimmed().isEmpty();
    if (writesText && ownText && m_services.createNote) {
        Note* beside = m_services.createNote(NoteOrigin::New);
        beside->moveTo(m_geometry.topLeft() + QPoint(200, 200));
        beside->show();
        beside->run(command);
        return;
    }
    m_special->run(command);
}

void Note::specialChanged(SpecialChange change)
{
    switch (change) {
    case SpecialChange::Kind:
        emit changed(Options);
        break;
    case SpecialChange::Writing:
        m_keepsEveryChange = true; // what the program writes is nowhere else either
        break;
    case SpecialChange::Icon:
        emit changed(Icon);
        break;
    case SpecialChange::Stopped:
        m_changed = false; // the title names the note's file again, without the mark
        noteMarkChange();
        break;
    }
}

void Note::bringForward()
{
    setHidden(false);
    emit stayOnTopChanged(true);
    if (m_rolledUp) {
        restore();
    }
    emit raiseRequested();
}

void Note::present()
{
    if (m_closed) {
        return;
    }
    if (m_rolledUp) {
        restore();
    }
    show();
}

void Note::setHidden(bool hidden)
{
    if (m_hidden != hidden && !m_closed) {
        m_hidden = hidden;
        emit changed(Hidden);
    }
}

void Note::dropFiles(const QStringList& paths)
{
    if (paths.isEmpty()) {
        return;
    }
    const QString path = paths.first();
    if (isPictureFile(path)) {
        insertPictureFile(path); // told why, where it cannot go in
        return;
    }
    if (path.endsWith(QLatin1String(".not"), Qt::CaseInsensitive)) {
        const NoteList notes = loadNoteFile(path);
        if (!notes.isEmpty()) {
            rememberNoteFile(path);
            openRecords(notes); // as Open does: this note's own text is never replaced
            return;
        }
    }
    // A text file opens in a new note beside this one: the words already here stay as they are.
    Problem error;
    if (!readTextFile(path, &error)) {
        logError(QStringLiteral("frmMain: RTB1_OLEDragDrop"), 75, error.english());
    }
}

bool Note::readTextFile(const QString& path, Problem* error)
{
    std::optional<QString> text = textOfFile(path, error);
    if (!text) {
        return false;
    }
    Note* note = m_services.createNote ? m_services.createNote(NoteOrigin::New) : nullptr;
    if (!note) {
        *error = Problem(QT_TRANSLATE_NOOP("Problem", "no note could be made for '%1'"), {path});
        return false;
    }
    note->takeText(*text, path);
    note->moveTo(m_geometry.topLeft() + QPoint(300, 300));
    note->show();
    return true;
}

std::optional<QString> Note::textOfFile(const QString& path, Problem* error)
{
    constexpr qint64 kMaxTextFileBytes = 1024 * 1024;
    QString text;
    if (!readFileText(path, &text, error, kMaxTextFileBytes)) {
        return std::nullopt;
    }
    if (text.contains(QChar(0))) {
        *error = Problem(QT_TRANSLATE_NOOP("Problem", "'%1' is not a text file; no note was made of it"), {path});
        return std::nullopt;
    }
    return text;
}

void Note::takeText(const QString& text, const QString& from)
{
    // Its text is nowhere else in a note file: every change is unsaved, and the stamp says where it came from.
    m_keepsEveryChange = true;
    m_text->setText(text);
    setTimeStamp(tr("From %1").arg(fileNamePart(from)));
}

std::optional<Answer> Note::askToSaveBeforeClose()
{
    StayOnTopPause pause(*this);
    if (m_filePath.isEmpty() || !m_record.autoSave) {
        return dialogResponder().question(m_dialogOwner,
                                          tr("Save Changes?"),
                                          tr("This note has changes that are not saved.\nSave them now? With No, "
                                             "the note closes unsaved and waits in the Trash for 30 days."),
                                          noteDisplayName(m_filePath, m_text->text()));
    }
    return Answer::Yes;
}

bool Note::closeWith(std::optional<Answer> answer)
{
    if (answer == Answer::Cancel) {
        return false;
    }
    if (m_storage) {
        // Its storage is the note: written there, or let go of into its trash.
        return m_storage->closing(*this, answer);
    }
    if (answer == Answer::Yes) {
        save(m_filePath.isEmpty() ? SaveMode::SaveAs : SaveMode::Save);
        return !isUnsaved(); // a save that was cancelled or failed keeps the note open
    }
    if (answer == Answer::No) {
        putInTrash(); // before the window goes: the note closes unsaved as asked, and can still come back
    }
    return true;
}

void Note::markSaved()
{
    if (m_changed) {
        m_changed = false;
        noteMarkChange();
    }
}

void Note::putInTrash()
{
    if (m_text->text().trimmed().isEmpty()) {
        return; // nothing to bring back
    }
    Problem failure;
    if (!Trash().put(record(), m_filePath, Clock::now(), &failure)) {
        logError(QStringLiteral("modTrash: PutNote"), 75, failure.english());
    }
}

bool Note::close()
{
    if (m_closed) {
        return true;
    }
    writeSettings();
    // A conflict note is never asked about: closing it keeps its version as a note of its own.
    const std::optional<Answer> answer
        = isUnsaved() && !isConflict() ? askToSaveBeforeClose() : std::optional<Answer>();
    if (!closeWith(answer)) {
        return false;
    }
    finishClose();
    return true;
}

void Note::setStorage(std::unique_ptr<NoteStorage> storage)
{
    m_storage = std::move(storage);
    emit changed(Title);
}

bool Note::takeStoredVersion(const NoteRecord& stored)
{
    const bool loading = m_loading;
    m_loading = true; // no change of the user's
    const bool taken = m_text->applyRtf(storedRtfBytes(stored.data));
    setColor(stored.color, false);
    setLookChoice(stored.look);
    if (!m_rolledUp) {
        resize(QSize(stored.width, stored.height));
    } else {
        m_record.width = stored.width;
        m_record.height = stored.height;
    }
    m_loading = loading;
    if (m_captionType == TimeDateStamp) {
        setTimeStamp(stored.timeDate);
    } else {
        m_record.timeDate = stored.timeDate;
        showCounts();
    }
    return taken;
}

void Note::finishClose()
{
    m_closed = true;
    emit closed();
}

} // namespace jotlet
