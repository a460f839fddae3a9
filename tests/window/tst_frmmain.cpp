// The note window without a screen: its defaults, the unsaved mark and the close question, saving, start-up, roll-up
// and the end of the session.
#include "fakedialogs.h"
#include "filefaults.h"
#include "logcapture.h"
#include "notes/notestore.h"
#include "platform/autostart.h"
#include "support/appinfo.h"
#include "support/errorlog.h"
#include "support/settings.h"
#include "window/frmmain.h"
#include "window/richtextbox.h"
#include "window/startup.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

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
    void fullDiskKeepsTheNoteUnsaved_data();
    void fullDiskKeepsTheNoteUnsaved();
    void unreadableMainNoteFileIsSetAside();
    void hostileFilesGiveANewNote_data();
    void hostileFilesGiveANewNote();

private:
    QTemporaryDir m_dir;
};

void TestFrmMain::init()
{
    QFile::remove(mainNoteFilePath());
    QFile::remove(autostartEntry());
    SettingsStore::write(QStringLiteral("SaveSetting"), QStringLiteral("False"));
    SettingsStore::write(QStringLiteral("SaveNewNoteOnClose"), QStringLiteral("True"));
    SettingsStore::write(QStringLiteral("AutoSave"), QStringLiteral("True"));
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
    QVERIFY(saveNoteFile(fileNote(QStringLiteral("old"), QStringLiteral("blue"), 100), path));
    Main(path);
    QCOMPARE(frmMain::openWindows().size(), 1);
    frmMain* note = frmMain::openWindows().first();
    note->setIsDirty(true);
    note->RTB1()->setText(QStringLiteral("new text"));
    QVERIFY(note->lblCaption()->text().endsWith(QLatin1Char('*')));
    note->close();
    QVERIFY(dialogs.questionsAsked.isEmpty());
    const NoteList saved = loadNoteFile(path);
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
    saveNoteFile(fileNote(QStringLiteral("first"), QStringLiteral("green"), 600), path);
    appendToNoteFile(fileNote(QStringLiteral("second"), QStringLiteral("red"), 900), path);
    appendToNoteFile(fileNote(QStringLiteral("third"), QStringLiteral("tang"), 1200), path);

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
    QVERIFY(addToMainNoteFile(fileNote(QStringLiteral("one"), QStringLiteral("red"), 300)));
    QVERIFY(addToMainNoteFile(fileNote(QStringLiteral("two"), QStringLiteral("purple"), 4500)));
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
    const NoteList notes = loadMainNoteFile();
    QCOMPARE(notes.size(), 2);
    QCOMPARE(notes.at(0).Color, QStringLiteral("green"));
    QCOMPARE(notes.at(0).Width, 3300); // the size it has now, not the size it was loaded with
    QCOMPARE(notes.at(1).Left, 900);
}

void TestFrmMain::closingTheLastNoteRemovesAutostart()
{
    registerAutostart();
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

void TestFrmMain::fullDiskKeepsTheNoteUnsaved_data()
{
    QTest::addColumn<int>("mode"); // 0 Save, 1 Save As, 2 Append To, -1 the end of the session
    QTest::newRow("Save") << 0;
    QTest::newRow("Save As") << 1;
    QTest::newRow("Append To") << 2;
    QTest::newRow("log-off") << -1;
}

void TestFrmMain::fullDiskKeepsTheNoteUnsaved()
{
    QFETCH(int, mode);
    SmallFileSystem disk(256 * 1024);
    if (!disk.isMounted()) {
        QSKIP(qPrintable(disk.reason()));
    }
    const QByteArray home = qgetenv("JOTLET_HOME");
    qputenv("JOTLET_HOME", QFile::encodeName(disk.path()));
    const auto restoreHome = qScopeGuard([&] { qputenv("JOTLET_HOME", home); });
    FakeDialogs dialogs;
    const QString path = mode < 0 ? mainNoteFilePath() : disk.filePath(QStringLiteral("todo.not"));
    QVERIFY(saveNoteFile(fileNote(QStringLiteral("old"), QStringLiteral("blue"), 100), path));
    dialogs.fileAnswers << path;
    Main(mode < 0 ? QString() : path);
    frmMain* note = frmMain::openWindows().value(0);
    QVERIFY(note);
    note->setIsDirty(true);
    note->RTB1()->setText(QString(15 * 1024, QLatin1Char('x'))); // small enough to sit in a write buffer
    if (mode < 0) { // the notes came from the main note file, now gone: an earlier note was kept at log-off
        QVERIFY(saveNoteFile(fileNote(QStringLiteral("old"), QStringLiteral("blue"), 100), path));
    }
    QFile log(errorLogPath());
    QVERIFY(log.open(QIODevice::WriteOnly) && log.write("\r\n") == 2);
    log.close();
    const QByteArray before = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    disk.fillLeaving(0);

    if (mode < 0) {
        note->closeForSessionEnd();
        QVERIFY(dialogs.warnings.isEmpty()); // nothing modal while the session ends
    } else {
        note->PerformSave(mode);
        QVERIFY(note->lblCaption()->text().endsWith(QLatin1String(" *")));
        QCOMPARE(dialogs.warnings.size(), 1);
        QVERIFY2(dialogs.warnings.first().contains(QLatin1String("No space left on device")),
                 qPrintable(dialogs.warnings.first()));
    }
    QFile after(path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before);
    QCOMPARE(errorLogLines().size(), 1);
}

void TestFrmMain::unreadableMainNoteFileIsSetAside()
{
    FakeDialogs dialogs;
    QFile broken(mainNoteFilePath());
    QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("<NOTES><NOTE><DATA>cut short") > 0);
    broken.close();
    clearErrorLog();
    Main(QString());
    QCOMPARE(frmMain::openWindows().size(), 1);
    QVERIFY(!QFile::exists(mainNoteFilePath()));
    QFile aside(mainNoteFilePath() + QStringLiteral(".bad"));
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), QByteArray("<NOTES><NOTE><DATA>cut short"));
    QCOMPARE(dialogs.warnings.size(), 1);
    QCOMPARE(errorLogLines().size(), 2); // why it could not be read, and where it was kept

    // The next end of the session writes a new main note file, which the next start reads.
    frmMain::openWindows().first()->RTB1()->setText(QStringLiteral("kept"));
    frmMain::openWindows().first()->closeForSessionEnd();
    QCOMPARE(loadMainNoteFile().size(), 1);
    aside.remove();
}

void TestFrmMain::hostileFilesGiveANewNote_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("logged");
    QTest::newRow("NOTE elements 100,000 deep") << "deep"
                                                << "nested more than 8 deep";
    QTest::newRow("a pipe") << "fifo"
                            << "not a regular file";
    QTest::newRow("50 MB") << "big"
                           << "too large for a note file";
    QTest::newRow("a million paragraphs") << "paragraphs"
                                          << "more than 100000 paragraphs";
    QTest::newRow("a size of 2^31 twips") << "size"
                                          << "";
}

void TestFrmMain::hostileFilesGiveANewNote()
{
    QFETCH(QString, kind);
    QFETCH(QString, logged);
    const QString path = m_dir.filePath(kind + QStringLiteral(".not"));
    QByteArray bytes;
    NoteRecord note = fileNote(QStringLiteral("text"), QStringLiteral("blue"), 100);
    if (kind == QLatin1String("deep")) {
        bytes = "<NOTES>" + QByteArray("<NOTE>").repeated(100000) + QByteArray("</NOTE>").repeated(100000) + "</NOTES>";
    } else if (kind == QLatin1String("big")) {
        bytes = QByteArray(50 * 1024 * 1024, ' ');
    } else if (kind == QLatin1String("paragraphs")) {
        note.Data = QStringLiteral("{\\rtf1\\ansi %1}").arg(QStringLiteral("x\\par\r\n").repeated(1000000));
    } else if (kind == QLatin1String("size")) {
        note.Height = note.Width = std::numeric_limits<qint32>::max();
    }
    if (kind == QLatin1String("fifo")) {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else if (bytes.isEmpty()) {
        QVERIFY(saveNoteFile(note, path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    clearErrorLog();
    Main(path);
    QCOMPARE(frmMain::openWindows().size(), 1);
    frmMain* window = frmMain::openWindows().first();
    const QRect desktop = window->screen()->virtualGeometry();
    QVERIFY(window->width() <= desktop.width() && window->height() <= desktop.height());
    if (logged.isEmpty()) {
        QCOMPARE(window->RTB1()->Text(), QStringLiteral("text"));
        return;
    }
    QVERIFY(window->RTB1()->Text().isEmpty());
    const QStringList log = errorLogLines();
    QCOMPARE(log.size(), 1);
    QVERIFY2(log.first().contains(logged) && log.first().contains(path), qPrintable(log.first()));
    QFile::remove(path);
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
