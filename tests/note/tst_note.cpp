// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// A note without a window: the look it starts with, the unsaved mark and the close question, saving, opening,
// roll-up, and what it keeps at the end of the session.
#include "fakedialogs.h"
#include "logcapture.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "notes/notestore.h"
#include "samplenotes.h"
#include "support/appinfo.h"
#include "support/settings.h"

#include <QHash>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace jotlet;

class TestNote : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void timeStamps_data();
    void timeStamps();
    void newNoteLook();
    void rememberedLook();
    void unsavedMarkAndQuestion_data();
    void unsavedMarkAndQuestion();
    void unsavedMarkFollowsOriginAndHistory_data();
    void unsavedMarkFollowsOriginAndHistory();
    void yesThenCancelKeepsTheNote();
    void autoSaveWithoutAsking();
    void saveAsThenSave();
    void saveAsCancelled();
    void appendToKeepsFileAndMark_data();
    void appendToKeepsFileAndMark();
    void openPutsEveryNoteInPlace();
    void openNeverReplacesUnsavedText_data();
    void openNeverReplacesUnsavedText();
    void rollUpKeepsTheSizeToSave();
    void captionTypes();
    void reopenedTextFollowsTheNotesSize();
    void saveSettingsWritesAtOnce();
    void resetLeavesAFreshNote();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestNote::init()
{
    QFile::remove(mainNoteFilePath());
    QFile::remove(SettingsStore::location());
    writeSetting(Setting::SaveSetting, QStringLiteral("False"));
    writeSetting(Setting::SaveNewNoteOnClose, QStringLiteral("True"));
    writeSetting(Setting::AutoSave, QStringLiteral("True"));
    clearErrorLog();
}

void TestNote::newNoteLook()
{
    const Note note;
    QCOMPARE(note.geometry().size(), QSize(2325, 2085));
    QCOMPARE(note.colorText(), QStringLiteral("yellow"));
    QCOMPARE(note.colorValue(), 0xC0FFFFu);
    QCOMPARE(note.text().fontName(), QStringLiteral("Comic Sans MS"));
    QCOMPARE(note.text().fontSize(), 10.0);
    QVERIFY(note.isOnTop());
    QVERIFY(!note.subCaption().isEmpty());
    QCOMPARE(note.title(), QStringLiteral("Jotlet"));
    QVERIFY(!note.isUnsaved());
}

void TestNote::rememberedLook()
{
    writeSetting(Setting::SaveSetting, QStringLiteral("TRUE"));
    writeSetting(Setting::Color, QStringLiteral("blue"));
    writeSetting(Setting::Width, QStringLiteral("4000"));
    writeSetting(Setting::Height, QStringLiteral("3000"));
    writeSetting(Setting::Left, QStringLiteral("600"));
    writeSetting(Setting::Top, QStringLiteral("900"));
    writeSetting(Setting::IsOnTop, QStringLiteral("False"));
    const Note fresh;
    QCOMPARE(fresh.geometry(), QRect(600, 900, 4000, 3000));
    QCOMPARE(fresh.colorText(), QStringLiteral("blue"));
    QVERIFY(!fresh.isOnTop());
    // A note from a file keeps the file's colour, size and place; the options still come from the settings.
    const Note fromFile(NoteOrigin::OpenedFile);
    QCOMPARE(fromFile.colorText(), QStringLiteral("yellow"));
    QCOMPARE(fromFile.geometry().size(), QSize(2325, 2085));
    QVERIFY(!fromFile.isOnTop());
}

void TestNote::unsavedMarkAndQuestion_data()
{
    QTest::addColumn<bool>("saveNewOnClose");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("stillOpen");
    QTest::newRow("marked, Cancel keeps it open") << true << int(Answer::Cancel) << true << true;
    QTest::newRow("marked, No closes without saving") << true << int(Answer::No) << true << false;
    QTest::newRow("not marked: closes without asking") << false << int(Answer::Cancel) << false << false;
}

void TestNote::unsavedMarkAndQuestion()
{
    QFETCH(bool, saveNewOnClose);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, stillOpen);
    FakeDialogs dialogs;
    dialogs.questionAnswers << Answer(answer);
    NoteBoard board;
    Note* note = board.createNote();
    note->setSaveNewNoteOnClose(saveNewOnClose);
    note->text().setText(QStringLiteral("milk"));
    QCOMPARE(note->title(), saveNewOnClose ? QStringLiteral("Jotlet *") : QStringLiteral("Jotlet"));
    QSignalSpy paused(note, &Note::stayOnTopChanged);

    QCOMPARE(note->close(), !stillOpen);
    QCOMPARE(dialogs.questionsAsked.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(
            dialogs.questionsAsked.first(),
            QStringLiteral("Save Changes?|This note has changes that are not saved.\nSave them now? With No, the note "
                           "closes unsaved and waits in the Trash for 30 days."));
        QCOMPARE(dialogs.questionDetails.first(), QStringLiteral("\u201Cmilk\u201D")); // which note it asks about
        // Off the top while the question is open, on top again afterwards.
        QCOMPARE(paused.size(), 2);
        QCOMPARE(paused.at(0).at(0).toBool(), false);
        QCOMPARE(paused.at(1).at(0).toBool(), true);
    }
    QCOMPARE(board.count(), stillOpen ? 1 : 0);
}

void TestNote::unsavedMarkFollowsOriginAndHistory_data()
{
    QTest::addColumn<QString>("origin");
    QTest::addColumn<bool>("saveNewOnClose");
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("unsaved"); // and so the close asks
    const struct
    {
        const char* origin;
        bool asIs;  // unsaved as it comes
        bool typed; // unsaved after typing, with "Save New Note on Close" off
    } origins[] = {{"new", false, false},
                   {"opened file", false, true},
                   {"recovered", true, true},
                   {"from jotlet.dat", true, true},
                   {"manager copy", true, true}};
    for (const auto& from : origins) {
        for (bool saveNewOnClose : {true, false}) {
            const QString name = QStringLiteral("%1, Save New Note on Close %2, ")
                                     .arg(QLatin1String(from.origin), saveNewOnClose ? u"on" : u"off");
            const bool typed = from.typed || saveNewOnClose;
            QTest::newRow(qPrintable(name + QStringLiteral("as it came")))
                << from.origin << saveNewOnClose << "nothing" << from.asIs;
            QTest::newRow(qPrintable(name + QStringLiteral("typed")))
                << from.origin << saveNewOnClose << "typed" << typed;
            QTest::newRow(qPrintable(name + QStringLiteral("typed and saved")))
                << from.origin << saveNewOnClose << "saved" << false;
        }
    }
}

void TestNote::unsavedMarkFollowsOriginAndHistory()
{
    QFETCH(QString, origin);
    QFETCH(bool, saveNewOnClose);
    QFETCH(QString, action);
    QFETCH(bool, unsaved);
    writeSetting(Setting::SaveNewNoteOnClose, saveNewOnClose ? QStringLiteral("True") : QStringLiteral("False"));
    writeSetting(Setting::AutoSave, QStringLiteral("False")); // a note with a file asks too
    const QString file = path(QStringLiteral("stored.not"));
    QVERIFY(saveNoteFile(sampleNote(QStringLiteral("stored")), file));
    const NoteRecord stored = loadNoteFile(file).first();
    FakeDialogs dialogs;
    const QHash<QString, NoteOrigin> origins = {{QStringLiteral("new"), NoteOrigin::New},
                                                {QStringLiteral("opened file"), NoteOrigin::OpenedFile},
                                                {QStringLiteral("recovered"), NoteOrigin::Kept},
                                                {QStringLiteral("from jotlet.dat"), NoteOrigin::Kept},
                                                {QStringLiteral("manager copy"), NoteOrigin::ManagerCopy}};
    NoteBoard board;
    Note* note = board.createNote(origins.value(origin));
    if (origin != QLatin1String("new")) {
        QVERIFY(note->setFromRecord(stored, file));
    }
    if (origin == QLatin1String("opened file")) {
        note->setSavedAs(file);
    } else if (origin == QLatin1String("recovered")) {
        note->restoreSession({true, QString(), false, true, 255}); // a note in no file, as the journal keeps it
    }
    if (action != QLatin1String("nothing")) {
        note->text().setText(QStringLiteral("typed"));
    }
    if (action == QLatin1String("saved")) {
        dialogs.fileAnswers << path(QStringLiteral("saved.not"));
        note->run(Command::Save);
    }
    QCOMPARE(note->isUnsaved(), unsaved);
    QCOMPARE(note->title().endsWith(QLatin1String(" *")), unsaved);
    dialogs.questionAnswers << Answer::No;
    QVERIFY(note->close());
    QCOMPARE(dialogs.questionsAsked.size(), unsaved ? 1 : 0); // nothing unsaved closes without a word
}

void TestNote::yesThenCancelKeepsTheNote()
{
    // Yes, then the Save As dialog cancelled: the note is not saved, so it must not go.
    FakeDialogs dialogs;
    dialogs.questionAnswers << Answer::Yes;
    NoteBoard board;
    Note* note = board.createNote();
    note->text().setText(QStringLiteral("do not lose me"));
    QVERIFY(!note->close());
    QCOMPARE(dialogs.fileRequests.size(), 1);
    QCOMPARE(board.count(), 1);
    QVERIFY(note->isUnsaved());
}

void TestNote::autoSaveWithoutAsking()
{
    FakeDialogs dialogs;
    const QString file = path(QStringLiteral("auto.not"));
    QVERIFY(
        saveNoteFile(sampleNote(QStringLiteral("old"), QStringLiteral("blue"), QRect(100, 1500, 3000, 2500)), file));
    Note note(NoteOrigin::OpenedFile);
    QVERIFY(note.setFromRecord(loadNoteFile(file).first(), file));
    note.setSavedAs(file);
    note.text().setText(QStringLiteral("new text"));
    QVERIFY(note.title().endsWith(QLatin1Char('*')));
    QVERIFY(note.close());
    QVERIFY(dialogs.questionsAsked.isEmpty());
    const NoteList saved = loadNoteFile(file);
    QCOMPARE(saved.size(), 1);
    QVERIFY(saved.first().data.contains(QLatin1String("new text")));
    QCOMPARE(saved.first().color, QStringLiteral("blue"));
}

void TestNote::saveAsThenSave()
{
    FakeDialogs dialogs;
    const QString first = path(QStringLiteral("first.not"));
    const QString second = path(QStringLiteral("second.not"));
    dialogs.fileAnswers << first << second;
    Note note;
    note.text().setText(QStringLiteral("one"));
    note.run(Command::Save); // no file yet: asks
    QCOMPARE(note.filePath(), first);
    QCOMPARE(note.title(), QStringLiteral("Jotlet - first.not"));
    note.run(Command::SaveAs);
    note.text().setText(QStringLiteral("two"));
    note.run(Command::Save); // goes where Save As put it, without asking
    QCOMPARE(dialogs.fileRequests.size(), 2);
    QVERIFY(loadNoteFile(second).value(0).data.contains(QLatin1String("two")));
    QVERIFY(loadNoteFile(first).value(0).data.contains(QLatin1String("one")));
    QCOMPARE(note.title(), QStringLiteral("Jotlet - second.not"));
}

void TestNote::saveAsCancelled()
{
    FakeDialogs dialogs;
    const QString kept = path(QStringLiteral("kept.not"));
    Note note;
    note.setSavedAs(kept);
    note.text().setText(QStringLiteral("changed"));
    note.run(Command::SaveAs);
    QCOMPARE(dialogs.fileRequests.size(), 1);
    QCOMPARE(note.filePath(), kept);
    QCOMPARE(note.title(), QStringLiteral("Jotlet - kept.not *"));
}

void TestNote::appendToKeepsFileAndMark_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("appended: saved") << true;
    QTest::newRow("cancelled: still unsaved") << false;
}

void TestNote::appendToKeepsFileAndMark()
{
    QFETCH(bool, confirm);
    FakeDialogs dialogs;
    const QString own = path(QStringLiteral("own.not"));
    const QString other = path(QStringLiteral("other.not"));
    QVERIFY(
        saveNoteFile(sampleNote(QStringLiteral("there"), QStringLiteral("red"), QRect(100, 1500, 3000, 2500)), other));
    dialogs.fileAnswers << (confirm ? std::optional<QString>(other) : std::nullopt);
    Note note;
    note.setSavedAs(own);
    note.text().setText(QStringLiteral("appended"));
    note.run(Command::AppendTo);
    QCOMPARE(note.filePath(), own); // an append is a copy elsewhere
    QCOMPARE(note.isUnsaved(), !confirm);
    QCOMPARE(loadNoteFile(other).size(), confirm ? 2 : 1);
}

void TestNote::openPutsEveryNoteInPlace()
{
    FakeDialogs dialogs;
    const QString file = path(QStringLiteral("three.not"));
    QVERIFY(
        saveNoteFile(sampleNote(QStringLiteral("first"), QStringLiteral("green"), QRect(600, 700, 3000, 2500)), file));
    QVERIFY(appendToNoteFile(sampleNote(QStringLiteral("second"), QStringLiteral("red"), QRect(900, 1000, 3000, 2500)),
                             file));
    QVERIFY(appendToNoteFile(sampleNote(QStringLiteral("third"), QStringLiteral("tang"), QRect(1200, 1300, 3000, 2500)),
                             file));
    dialogs.fileAnswers << file;
    NoteBoard board;
    Note* note = board.createNote();
    const QPoint place = note->geometry().topLeft();
    note->run(Command::OpenNote);
    const QList<Note*> notes = board.notes();
    QCOMPARE(notes.size(), 3);
    QCOMPARE(note->text().text(), QStringLiteral("first"));
    QCOMPARE(note->geometry(), QRect(place, QSize(3000, 2500))); // the file's size, this note's place
    QCOMPARE(note->filePath(), file);
    QCOMPARE(notes.at(1)->text().text(), QStringLiteral("second"));
    QCOMPARE(notes.at(1)->geometry(), QRect(900, 1000, 3000, 2500));
    QCOMPARE(notes.at(2)->geometry().topLeft(), QPoint(1200, 1300));
    QCOMPARE(notes.at(2)->colorText(), QStringLiteral("tang"));
    QVERIFY(notes.at(1)->filePath().isEmpty()); // copies: saving one never replaces the three-note file
}

void TestNote::openNeverReplacesUnsavedText_data()
{
    QTest::addColumn<QString>("before"); // what the note holds when Open is chosen
    QTest::addColumn<bool>("replaced");
    QTest::newRow("an empty new note") << "empty" << true;
    QTest::newRow("typed text in no file") << "typed" << false;
    QTest::newRow("a file's note as saved") << "saved" << true;
    QTest::newRow("a file's note with unsaved changes") << "changed" << false;
}

void TestNote::openNeverReplacesUnsavedText()
{
    QFETCH(QString, before);
    QFETCH(bool, replaced);
    writeSetting(Setting::SaveNewNoteOnClose, QStringLiteral("False")); // typed text is not even marked unsaved
    FakeDialogs dialogs;
    const QString file = path(QStringLiteral("opened.not"));
    QVERIFY(saveNoteFile(sampleNote(QStringLiteral("from the file")), file));
    NoteBoard board;
    Note* note = board.createNote();
    if (before != QLatin1String("empty")) {
        const QString own = path(QStringLiteral("own.not"));
        if (before != QLatin1String("typed")) {
            QVERIFY(saveNoteFile(sampleNote(QStringLiteral("own text")), own));
            QVERIFY(note->setFromRecord(loadNoteFile(own).first(), own));
            note->setSavedAs(own);
        }
        if (before != QLatin1String("saved")) {
            note->text().setText(QStringLiteral("own text"));
        }
    }
    const QString textBefore = note->text().text();
    dialogs.fileAnswers << file;
    note->run(Command::OpenNote);
    QCOMPARE(board.count(), replaced ? 1 : 2);
    QCOMPARE(note->text().text(), replaced ? QStringLiteral("from the file") : textBefore);
    Note* opened = board.notes().last();
    QCOMPARE(opened->text().text(), QStringLiteral("from the file"));
    QCOMPARE(opened->filePath(), file);
    QVERIFY(!opened->isUnsaved());
}

void TestNote::rollUpKeepsTheSizeToSave()
{
    FakeDialogs dialogs;
    const QString file = path(QStringLiteral("rolled.not"));
    Note note;
    note.resize(QSize(3000, 2500));
    note.text().setText(QStringLiteral("Buy milk\nCall Anna about the trip to Berlin"));
    note.run(Command::ToggleRollUp);
    QCOMPARE(note.geometry().size(), QSize(500, 425));
    QCOMPARE(note.iconTooltip(), QStringLiteral("Buy milk Call Anna about the trip "));
    QVERIFY(!note.isEnabled(Command::RollUp));
    QCOMPARE(note.record().width, 3000); // what a save writes: the size it rolls back to
    QCOMPARE(note.record().height, 2500);
    dialogs.fileAnswers << file;
    note.run(Command::Save);
    QCOMPARE(loadNoteFile(file).value(0).width, 3000);
    note.run(Command::ToggleRollUp);
    QCOMPARE(note.geometry().size(), QSize(3000, 2500));
    QVERIFY(note.isEnabled(Command::RollUp));
    note.resize(QSize(200, 100)); // below the minimum
    QCOMPARE(note.geometry().size(), QSize(500, 425));
}

void TestNote::captionTypes()
{
    Note note;
    note.text().setText(QStringLiteral("two  spaces"));
    note.run(Command::CaptionType, 1);
    QCOMPARE(note.subCaption(), QStringLiteral("Word Count: 2"));
    note.text().setText(QStringLiteral("two  spaces more")); // counted again a moment after the typing
    QTRY_COMPARE(note.subCaption(), QStringLiteral("Word Count: 3"));
    QVERIFY(note.isChecked(Command::CaptionType, 1) && !note.isChecked(Command::CaptionType, 0));
    note.run(Command::CaptionType, 2);
    QCOMPARE(note.subCaption(), QStringLiteral("Character Count: 16"));
    note.run(Command::CaptionType, 3);
    QCOMPARE(note.subCaption(), QStringLiteral("File: "));
    note.setSavedAs(path(QStringLiteral("named.not")));
    QCOMPARE(note.subCaption(), QStringLiteral("File: named.not"));
    // The chosen type is what "Save Settings" remembers.
    note.run(Command::SaveSettings);
    QCOMPARE(readSetting(Setting::CaptionType), QStringLiteral("3"));
}

void TestNote::reopenedTextFollowsTheNotesSize()
{
    // Written by a note: typed text at the note's size and face, and one word sized through the selection menu.
    Note writer;
    writer.text().setText(QStringLiteral("typed big"));
    writer.text().setSelStart(6);
    writer.text().setSelLength(3);
    writer.run(Command::SelectionFontSize, 4); // 16 points
    Note reopened(NoteOrigin::OpenedFile);
    QVERIFY(reopened.setFromRecord(writer.record(), QString()));
    QCOMPARE(reopened.fontSize(), 10);
    QVERIFY(reopened.run(Command::NoteFontSize, 3)); // "Large"
    QTextCursor at(reopened.text().document());
    at.setPosition(2);
    QVERIFY(!at.charFormat().hasProperty(QTextFormat::FontPointSize)); // shown at the note's size, now 14
    QCOMPARE(reopened.text().document()->defaultFont().pointSizeF(), 14.0);
    at.setPosition(8);
    QCOMPARE(at.charFormat().fontPointSize(), 16.0);
}

void TestNote::saveSettingsWritesAtOnce()
{
    Note note;
    note.setColor(QStringLiteral("purple"), true);
    note.resize(QSize(3100, 2200));
    note.run(Command::SaveSettings);
    QCOMPARE(readSetting(Setting::SaveSetting), QStringLiteral("True"));
    QCOMPARE(readSetting(Setting::Color), QStringLiteral("purple"));
    const Note next; // takes this look without the first one closing
    QCOMPARE(next.colorText(), QStringLiteral("purple"));
    QCOMPARE(next.geometry().size(), QSize(3100, 2200));
    note.run(Command::SaveSettings);
    QCOMPARE(readSetting(Setting::SaveSetting), QStringLiteral("False"));
}

void TestNote::resetLeavesAFreshNote()
{
    Note note;
    note.setColor(QStringLiteral("blue"), false);
    note.text().setText(QStringLiteral("text"));
    note.changeForeColor(0x0000FF);
    note.setSavedAs(path(QStringLiteral("a.not")));
    note.resize(QSize(4000, 2085));
    note.run(Command::ResetNote);
    QCOMPARE(note.geometry().size(), QSize(2325, 2085));
    QCOMPARE(note.colorText(), QStringLiteral("yellow"));
    QCOMPARE(note.title(), QStringLiteral("Jotlet"));
    QVERIFY(note.filePath().isEmpty());
    note.text().setSelStart(1);
    QCOMPARE(note.text().selColor(), 0u);
}

void TestNote::timeStamps_data()
{
    QTest::addColumn<QString>("stored"); // the stamp a stored note carries ("" for a new note)
    QTest::addColumn<int>("caption");    // what the sub-caption shows
    QTest::addColumn<QString>("kept");   // the stamp written back ("new" for one of the fixed form)
    QTest::addColumn<QString>("shown");  // the sub-caption ("count" for a word count)
    QTest::newRow("kept as written across a restart") << "7/12/2026 9:00:00 AM" << 0 << "7/12/2026 9:00:00 AM"
                                                      << "7/12/2026 9:00:00 AM";
    QTest::newRow("a German stamp stays German") << "07.12.2026 09:00:00" << 0 << "07.12.2026 09:00:00"
                                                 << "07.12.2026 09:00:00";
    QTest::newRow("a word count is no stamp") << "7/12/2026 9:00:00 AM" << 1 << "7/12/2026 9:00:00 AM"
                                              << "count";
    QTest::newRow("a new note's stamp has one form in every language") << "" << 0 << "new"
                                                                       << "new";
}

void TestNote::timeStamps()
{
    QFETCH(QString, stored);
    QFETCH(int, caption);
    QFETCH(QString, kept);
    QFETCH(QString, shown);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // the session's language changes nothing
    NoteBoard board;
    Note* note = board.createNote(stored.isEmpty() ? NoteOrigin::New : NoteOrigin::Kept);
    if (!stored.isEmpty()) {
        NoteRecord record = sampleNote(QStringLiteral("three little words"));
        record.timeDate = stored;
        QVERIFY(note->setFromRecord(record, QString()));
    }
    note->run(Command::CaptionType, caption);
    const QRegularExpression fixedForm(QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}$"));
    if (kept == QLatin1String("new")) {
        QVERIFY2(fixedForm.match(note->record().timeDate).hasMatch(), qPrintable(note->record().timeDate));
    } else {
        QCOMPARE(note->record().timeDate, kept);
    }
    if (shown == QLatin1String("count")) {
        QVERIFY2(note->subCaption().contains(QLatin1Char('3')), qPrintable(note->subCaption()));
    } else if (shown == QLatin1String("new")) {
        QCOMPARE(note->subCaption(), note->record().timeDate);
    } else {
        QCOMPARE(note->subCaption(), shown);
    }
    QLocale::setDefault(QLocale::c());
}

QTEST_MAIN(TestNote)
#include "tst_note.moc"
