// The note window without a screen: its defaults, the unsaved mark and the close question, saving, start-up, roll-up
// and the end of the session.
#include "appinfo.h"
#include "fakedialogs.h"
#include "frmmain.h"
#include "modnote.h"
#include "notesettings.h"
#include "richtextbox.h"
#include "settings.h"
#include "startup.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

using namespace jotlet;

namespace {

NoteRecord fileNote(const QString& text, const QString& color, int left)
{
    NoteRecord note;
    note.Color = color;
    note.Data = QStringLiteral("{\\rtf1\\ansi %1\\par\r\n}").arg(text);
    note.TimeDate = QStringLiteral("12/6/2026 3:04:05 PM");
    note.Height = 2500;
    note.Width = 3000;
    note.Left = left;
    note.Top = 1500;
    return note;
}

QString autostartEntry()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/autostart/jotlet.desktop");
}

void closeAll()
{
    for (frmMain* window : frmMain::openWindows()) {
        window->setIsDirty(false);
        window->setSaveNewNoteOnClose(false);
        window->record().FileName.clear();
        window->setCaption(QStringLiteral("Jotlet"));
        window->close();
    }
    QApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newNoteDefaults();
    void unsavedMarkAndQuestion_data();
    void unsavedMarkAndQuestion();
    void autoSaveWithoutAsking();
    void saveAsCancelled();
    void startFromCommandLine();
    void startFromMainNoteFile();
    void rollUpAndRestore();
    void reset();
    void sessionEndWritesEveryNote();
    void closingTheLastNoteRemovesAutostart();

private:
    QTemporaryDir m_dir;
};

void TestFrmMain::init()
{
    QFile::remove(mainNoteFilePath());
    QFile::remove(autostartEntry());
    SaveRegSetting(jotletSection(), QStringLiteral("SaveSetting"), QStringLiteral("False"));
    SaveRegSetting(jotletSection(), QStringLiteral("SaveNewNoteOnClose"), QStringLiteral("True"));
    SaveRegSetting(jotletSection(), QStringLiteral("AutoSave"), QStringLiteral("True"));
}

void TestFrmMain::cleanup()
{
    closeAll();
    QCOMPARE(frmMain::openWindows().size(), 0);
}

void TestFrmMain::newNoteDefaults()
{
    auto* note = new frmMain;
    note->Show();
    QCOMPARE(note->Width(), 2325);
    QCOMPARE(note->Height(), 2085);
    QCOMPARE(note->record().Color, QStringLiteral("yellow"));
    QCOMPARE(note->palette().color(QPalette::Window), QColor(255, 255, 192));
    QCOMPARE(note->RTB1()->FontName(), QStringLiteral("Comic Sans MS"));
    QCOMPARE(note->RTB1()->FontSize(), 10.0);
    QVERIFY(note->record().IsOnTop);
    QVERIFY(note->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!note->lblSubCaption()->text().isEmpty());
    QCOMPARE(note->lblSubCaption()->text(), note->record().TimeDate);
    QCOMPARE(note->lblCaption()->text(), QStringLiteral("Jotlet"));
    QVERIFY(note->windowFlags() & Qt::FramelessWindowHint);
}

void TestFrmMain::unsavedMarkAndQuestion_data()
{
    QTest::addColumn<bool>("saveNewOnClose");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("stillOpen");
    QTest::newRow("marked, Cancel keeps it open") << true << int(QMessageBox::Cancel) << true << true;
    QTest::newRow("marked, No closes without saving") << true << int(QMessageBox::No) << true << false;
    QTest::newRow("not marked: closes without asking") << false << int(QMessageBox::Cancel) << false << false;
}

void TestFrmMain::unsavedMarkAndQuestion()
{
    QFETCH(bool, saveNewOnClose);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, stillOpen);
    FakeDialogs dialogs;
    dialogs.questionAnswers << answer;
    auto* note = new frmMain;
    note->Show();
    note->setSaveNewNoteOnClose(saveNewOnClose);
    note->RTB1()->setText(QStringLiteral("milk"));
    QCOMPARE(note->lblCaption()->text().endsWith(QLatin1String(" *")), saveNewOnClose);
    QCOMPARE(note->windowTitle(), note->lblCaption()->text());

    QPointer<frmMain> guard(note);
    note->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(dialogs.questionsAsked.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(dialogs.questionsAsked.first(),
                 QStringLiteral("Perform Save|Changes have been made to this note.\nWould you like to save now?"));
    }
    QCOMPARE(!guard.isNull(), stillOpen);
    if (guard) {
        QVERIFY(guard->windowHandle()->flags() & Qt::WindowStaysOnTopHint); // on top again after Cancel
    }
}

void TestFrmMain::autoSaveWithoutAsking()
{
    FakeDialogs dialogs;
    const QString path = m_dir.filePath(QStringLiteral("auto.not"));
    QCOMPARE(SaveNote(fileNote(QStringLiteral("old"), QStringLiteral("blue"), 100), path), path);
    Main(path);
    QCOMPARE(frmMain::openWindows().size(), 1);
    frmMain* note = frmMain::openWindows().first();
    note->setIsDirty(true);
    note->RTB1()->setText(QStringLiteral("new text"));
    QVERIFY(note->lblCaption()->text().endsWith(QLatin1Char('*')));
    note->close();
    QVERIFY(dialogs.questionsAsked.isEmpty());
    const NoteList saved = LoadNote(false, path);
    QCOMPARE(saved.size(), 1);
    QVERIFY(saved.first().Data.contains(QLatin1String("new text")));
    QCOMPARE(saved.first().Color, QStringLiteral("blue"));
}

void TestFrmMain::saveAsCancelled()
{
    FakeDialogs dialogs;
    auto* note = new frmMain;
    note->Show();
    note->setTag(QStringLiteral("/tmp/kept.not"));
    note->setCaption(QStringLiteral("Jotlet - kept.not *"));
    note->PerformSave(1);
    QCOMPARE(dialogs.fileRequests.size(), 1);
    QCOMPARE(note->Tag(), QStringLiteral("/tmp/kept.not"));
    QCOMPARE(note->lblCaption()->text(), QStringLiteral("Jotlet - kept.not *"));
}

void TestFrmMain::startFromCommandLine()
{
    const QString path = m_dir.filePath(QStringLiteral("three.not"));
    SaveNote(fileNote(QStringLiteral("first"), QStringLiteral("green"), 600), path);
    AppendNote(fileNote(QStringLiteral("second"), QStringLiteral("red"), 900), path);
    AppendNote(fileNote(QStringLiteral("third"), QStringLiteral("tang"), 1200), path);

    Main(QLatin1Char('"') + path + QLatin1Char('"'));
    QCOMPARE(frmMain::openWindows().size(), 1);
    frmMain* note = frmMain::openWindows().first();
    QCOMPARE(note->RTB1()->Text(), QStringLiteral("first"));
    QCOMPARE(note->lblCaption()->text(), QStringLiteral("Jotlet - three.not"));
    QCOMPARE(note->Tag(), path);
    QCOMPARE(note->record().Color, QStringLiteral("green"));
    QCOMPARE(note->Width(), 3000);
    QCOMPARE(note->Left(), 600);
    QCOMPARE(note->lblSubCaption()->text(), QStringLiteral("12/6/2026 3:04:05 PM"));
    QVERIFY(!note->IsDirty());
}

void TestFrmMain::startFromMainNoteFile()
{
    QVERIFY(SaveMainNote(fileNote(QStringLiteral("one"), QStringLiteral("red"), 300)));
    QVERIFY(SaveMainNote(fileNote(QStringLiteral("two"), QStringLiteral("purple"), 4500)));
    Main(QString());
    const QList<frmMain*> windows = frmMain::openWindows();
    QCOMPARE(windows.size(), 2);
    QCOMPARE(windows.at(0)->RTB1()->Text(), QStringLiteral("one"));
    QCOMPARE(windows.at(1)->RTB1()->Text(), QStringLiteral("two"));
    QCOMPARE(windows.at(1)->Left(), 4500);
    QVERIFY(windows.at(0)->IsDirty() && windows.at(1)->IsDirty());
    QVERIFY(windows.at(0)->Tag().isEmpty());
    QVERIFY(!QFile::exists(mainNoteFilePath()));
}

void TestFrmMain::rollUpAndRestore()
{
    auto* note = new frmMain;
    note->Show();
    note->setWidth(3000);
    note->setHeight(2500);
    note->RTB1()->setText(QStringLiteral("Buy milk\nCall Anna about the trip to Berlin"));
    note->ToggleMinimize();
    QCOMPARE(note->Width(), 500);
    QCOMPARE(note->Height(), 425);
    QCOMPARE(note->imgIcon()->toolTip(), QStringLiteral("Buy milk Call Anna about the trip "));
    QVERIFY(!note->minimizeEnabled());
    note->ToggleMinimize();
    QCOMPARE(note->Width(), 3000);
    QCOMPARE(note->Height(), 2500);
    note->setWidth(200); // below the minimum: the layout puts it back
    QCOMPARE(note->Width(), 500);
}

void TestFrmMain::reset()
{
    auto* note = new frmMain;
    note->Show();
    note->SetNoteColor(QStringLiteral("blue"), false);
    note->RTB1()->setText(QStringLiteral("text"));
    note->ChangeForeColor(0x0000FF);
    note->setTag(QStringLiteral("/tmp/a.not"));
    note->setWidth(4000);
    note->Reset();
    QCOMPARE(note->Width(), 2325);
    QCOMPARE(note->Height(), 2085);
    QCOMPARE(note->record().Color, QStringLiteral("yellow"));
    QCOMPARE(note->lblCaption()->text(), QStringLiteral("Jotlet - "));
    QCOMPARE(note->Tag(), QString());
    note->RTB1()->setSelStart(1);
    QCOMPARE(note->RTB1()->SelColor(), quint32(0));
}

void TestFrmMain::sessionEndWritesEveryNote()
{
    auto* first = new frmMain;
    first->Show();
    first->RTB1()->setText(QStringLiteral("first"));
    first->SetNoteColor(QStringLiteral("green"), false);
    first->setWidth(3300);
    auto* second = new frmMain;
    second->Show();
    second->RTB1()->setText(QStringLiteral("second"));
    second->setLeft(900);

    FakeDialogs dialogs;
    for (frmMain* window : frmMain::openWindows()) {
        window->closeForSessionEnd();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialogs.questionsAsked.isEmpty());
    QCOMPARE(frmMain::openWindows().size(), 0);
    QVERIFY(QFile::exists(autostartEntry()));
    const NoteList notes = LoadNote(true);
    QCOMPARE(notes.size(), 2);
    QCOMPARE(notes.at(0).Color, QStringLiteral("green"));
    QCOMPARE(notes.at(0).Width, 3300); // the size it has now, not the size it was loaded with
    QCOMPARE(notes.at(1).Left, 900);
}

void TestFrmMain::closingTheLastNoteRemovesAutostart()
{
    RunAtStartUp();
    QVERIFY(QFile::exists(autostartEntry()));
    auto* first = new frmMain;
    first->Show();
    auto* second = new frmMain;
    second->Show();
    first->close();
    QVERIFY(QFile::exists(autostartEntry()));
    second->close();
    QVERIFY(!QFile::exists(autostartEntry()));
    QVERIFY(!QFile::exists(mainNoteFilePath()));
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
