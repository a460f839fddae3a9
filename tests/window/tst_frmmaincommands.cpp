// The note window's commands as its menus and keys reach them: colours, on-top, transparency, the main Size menu,
// Clear All, the key table, the plain-paste guard, file drops and the help notice.
#include "fakedialogs.h"
#include "logcapture.h"
#include "notes/notestore.h"
#include "support/settings.h"
#include "window/frmmain.h"
#include "window/notemenus.h"
#include "window/richtextbox.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using namespace jotlet;

namespace {

QStringList checkedItems(frmMain& note, const QString& array, int count)
{
    QStringList checked;
    for (int i = 0; i < count; ++i) {
        if (note.menus().isChecked(QStringLiteral("%1(%2)").arg(array).arg(i))) {
            checked << QString::number(i);
        }
    }
    return checked;
}

} // namespace

class TestFrmMainCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void setNoteColor_data();
    void setNoteColor();
    void colorMenu_data();
    void colorMenu();
    void transparencyChecks_data();
    void transparencyChecks();
    void transparencyCommandWaitsForDeactivation();
    void mainSizeSetsBaseSizeAndSetting();
    void alwaysOnTopToggles();
    void clearAll_data();
    void clearAll();
    void keys();
    void plainPasteGuard();
    void fileDrop_data();
    void fileDrop();
    void helpShowsNotice();

private:
    frmMain* m_note = nullptr;
    QTemporaryDir m_dir;
};

void TestFrmMainCommands::init()
{
    clearErrorLog();
    m_note = new frmMain;
    m_note->Show();
    m_note->setSaveNewNoteOnClose(false);
}

void TestFrmMainCommands::cleanup()
{
    m_note->setCaption(QStringLiteral("Jotlet"));
    m_note->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestFrmMainCommands::setNoteColor_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QColor>("painted");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("checked");
    QTest::newRow("YELLOW") << "YELLOW" << true << QColor(255, 255, 192) << "YELLOW" << QStringList {"0"};
    QTest::newRow("blue as a number") << "16763955" << true << QColor(51, 204, 255) << "16763955" << QStringList {"1"};
    QTest::newRow("a custom number") << "1193046" << true << QColor(0x56, 0x34, 0x12) << "1193046" << QStringList {};
    QTest::newRow("bad text changes nothing")
        << "sky" << false << QColor(171, 255, 204) << "green" << QStringList {"2"};
}

void TestFrmMainCommands::setNoteColor()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(QColor, painted);
    QFETCH(QString, stored);
    QFETCH(QStringList, checked);
    QVERIFY(m_note->SetNoteColor(QStringLiteral("green"), false));
    m_note->RTB1()->setSelColor(0xFF0000);
    QCOMPARE(m_note->SetNoteColor(text, false), accepted);
    QCOMPARE(m_note->RTB1()->SelColor(), 0u); // what is typed next is black, whatever the colour text
    QCOMPARE(m_note->palette().color(QPalette::Window), painted);
    QCOMPARE(m_note->RTB1()->palette().color(QPalette::Base), painted);
    QCOMPARE(m_note->record().Color, stored);
    QCOMPARE(checkedItems(*m_note, QStringLiteral("mnuSetColor"), 8), checked);
}

void TestFrmMainCommands::colorMenu_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("dialogAnswer"); // for "Custom Color"; invalid: cancelled
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("checked");
    QTest::newRow("Peach") << 5 << QColor() << "10079487" << QStringList {"5"};
    QTest::newRow("Custom Color") << 9 << QColor(1, 2, 3) << "197121" << QStringList {};
    QTest::newRow("Custom Color cancelled") << 9 << QColor() << "yellow" << QStringList {"0"};
}

void TestFrmMainCommands::colorMenu()
{
    QFETCH(int, index);
    QFETCH(QColor, dialogAnswer);
    QFETCH(QString, stored);
    QFETCH(QStringList, checked);
    FakeDialogs dialogs;
    if (dialogAnswer.isValid()) {
        dialogs.colorAnswer = dialogAnswer;
    }
    m_note->RTB1()->setText(QStringLiteral("red text"));
    m_note->ChangeForeColor(0x0000FF);
    m_note->runMenuCommand(QStringLiteral("mnuSetColor"), index);
    QCOMPARE(m_note->record().Color, stored);
    QCOMPARE(checkedItems(*m_note, QStringLiteral("mnuSetColor"), 8), checked);
    const bool changed = stored != QLatin1String("yellow");
    QCOMPARE(m_note->record().ForeColor, changed ? 0 : 0x0000FF); // a chosen colour turns the text black
    m_note->RTB1()->setSelStart(3);
    QCOMPARE(m_note->RTB1()->SelColor(), changed ? 0u : 0x0000FFu);
    QVERIFY(m_note->windowHandle()->flags() & Qt::WindowStaysOnTopHint); // back on top after the dialog
}

void TestFrmMainCommands::transparencyChecks_data()
{
    QTest::addColumn<int>("alpha");
    QTest::addColumn<QStringList>("checked");
    QTest::newRow("Low") << 225 << QStringList {"0"};
    QTest::newRow("Medium") << 150 << QStringList {"1"};
    QTest::newRow("High") << 50 << QStringList {"2"};
    QTest::newRow("Off") << 255 << QStringList {"3"};
    QTest::newRow("another level checks none") << 100 << QStringList {};
}

void TestFrmMainCommands::transparencyChecks()
{
    QFETCH(int, alpha);
    QFETCH(QStringList, checked);
    m_note->record().Alpha = alpha;
    m_note->SetTransparencyChecks();
    QCOMPARE(checkedItems(*m_note, QStringLiteral("mnuTransparent"), 4), checked);
}

void TestFrmMainCommands::transparencyCommandWaitsForDeactivation()
{
    m_note->runMenuCommand(QStringLiteral("mnuTransparent"), 2);
    QCOMPARE(m_note->record().Alpha, 50);
    QCOMPARE(checkedItems(*m_note, QStringLiteral("mnuTransparent"), 4), QStringList {QStringLiteral("2")});
    QVERIFY(!m_note->isTranslucent());
}

void TestFrmMainCommands::mainSizeSetsBaseSizeAndSetting()
{
    m_note->RTB1()->setText(QStringLiteral("some text"));
    m_note->runMenuCommand(QStringLiteral("mnuFontSize"), 3); // "Large"
    QCOMPARE(m_note->RTB1()->FontSize(), 14.0);
    QCOMPARE(m_note->record().FontSize, 14);
    QCOMPARE(checkedItems(*m_note, QStringLiteral("mnuFontSize"), 5), QStringList {QStringLiteral("3")});
    m_note->runMenuCommand(QStringLiteral("mnuSaveSettings"), -1);
    QVERIFY(m_note->saveSettingsChecked());
    m_note->close();
    QCOMPARE(readSetting(Setting::DefaultFontSize), QStringLiteral("14"));
    writeSetting(Setting::SaveSetting, QStringLiteral("False"));
    m_note = new frmMain; // for cleanup
    m_note->Show();
}

void TestFrmMainCommands::alwaysOnTopToggles()
{
    QWindow* native = m_note->windowHandle();
    m_note->runMenuCommand(QStringLiteral("mnuTop"), -1);
    QVERIFY(!m_note->record().IsOnTop);
    QVERIFY(!m_note->menus().isChecked(QStringLiteral("mnuTop")));
    QVERIFY(!(native->flags() & Qt::WindowStaysOnTopHint));
    QCOMPARE(m_note->menus().item(QStringLiteral("mnuTop"))->property("iconKey").toString(), QStringLiteral("Normal"));
    m_note->runMenuCommand(QStringLiteral("mnuTop"), -1);
    QVERIFY(m_note->record().IsOnTop);
    QVERIFY(native->flags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(m_note->windowHandle(), native); // the same native window throughout
}

void TestFrmMainCommands::clearAll_data()
{
    QTest::addColumn<bool>("ctrlHeld");
    QTest::newRow("empty plain note") << false;
    QTest::newRow("Ctrl held: a text about the program") << true;
}

void TestFrmMainCommands::clearAll()
{
    QFETCH(bool, ctrlHeld);
    m_note->RTB1()->setText(QStringLiteral("12:00:00 PM"));
    m_note->ChangeForeColor(0x00FF00);
    m_note->RTB1()->setLocked(true); // as a time note is
    m_note->clearAll(ctrlHeld);
    QVERIFY(!m_note->RTB1()->Locked());
    QCOMPARE(m_note->RTB1()->Text().isEmpty(), !ctrlHeld);
    QCOMPARE(m_note->RTB1()->SelColor(), 0u);
    QVERIFY(m_note->imgIcon()->isVisible());
    QTest::keyClicks(m_note->RTB1(), QStringLiteral("x")); // editable again
    QVERIFY(m_note->RTB1()->Text().contains(QLatin1Char('x')));
}

void TestFrmMainCommands::keys()
{
    const QString path = m_dir.filePath(QStringLiteral("keys.not"));
    m_note->record().FileName = path;
    m_note->RTB1()->setText(QStringLiteral("saved by key"));
    QTest::keyRelease(m_note->RTB1(), Qt::Key_S, Qt::AltModifier);
    QVERIFY(!QFile::exists(path)); // Alt+S does nothing
    QTest::keyRelease(m_note->RTB1(), Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    QVERIFY(QFile::exists(path));
    QVERIFY(loadNoteFile(path).value(0).Data.contains(QLatin1String("saved by key")));

    const int width = m_note->Width();
    QTest::keyRelease(m_note->RTB1(), Qt::Key_Escape);
    QCOMPARE(m_note->Width(), 500);
    QVERIFY(!m_note->menus().item(QStringLiteral("mnuSystemMinimize"))->isEnabled());
    QTest::keyRelease(m_note->RTB1(), Qt::Key_Escape);
    QCOMPARE(m_note->Width(), width);
    QVERIFY(m_note->menus().item(QStringLiteral("mnuSystemMinimize"))->isEnabled());

    m_note->RTB1()->setText(QString());
    QTest::keyRelease(m_note->RTB1(), Qt::Key_F6, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(m_note->RTB1()->Text(), dateStamp(2, QDateTime::currentDateTime()));
}

void TestFrmMainCommands::plainPasteGuard()
{
    auto* data = new QMimeData;
    data->setHtml(QStringLiteral("<b>bold</b>"));
    data->setText(QStringLiteral("bold"));
    QApplication::clipboard()->setMimeData(data);
    m_note->RTB1()->setText(QString());
    QTest::keyClick(m_note->RTB1(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_note->RTB1()->Text(), QStringLiteral("bold")); // once, from the key release
    m_note->RTB1()->setSelStart(2);
    QVERIFY(!m_note->RTB1()->SelBold());
}

void TestFrmMainCommands::fileDrop_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: the file does not exist
    QTest::addColumn<bool>("replaced");
    QTest::newRow("text file") << QByteArray("from a file\r\nsecond line") << true;
    QTest::newRow("binary file") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << false;
    QTest::newRow("larger than 1 MB") << QByteArray(1024 * 1024 + 1, 'a') << false;
    QTest::newRow("missing file") << QByteArray() << false;
}

void TestFrmMainCommands::fileDrop()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, replaced);
    const QString path = m_dir.filePath(QStringLiteral("dropped.txt"));
    QFile::remove(path);
    if (!content.isEmpty()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    m_note->RTB1()->setText(QStringLiteral("before"));
    m_note->setIsDirty(false);
    m_note->dropFiles({path, m_dir.filePath(QStringLiteral("second.txt"))});
    QCOMPARE(m_note->RTB1()->Text(),
             replaced ? QStringLiteral("from a file\r\nsecond line") : QStringLiteral("before"));
    QCOMPARE(m_note->IsDirty(), replaced);
    QCOMPARE(m_note->lblCaption()->text().endsWith(QLatin1Char('*')), replaced);
    const QStringList log = errorLogLines();
    QCOMPARE(log.size(), replaced ? 0 : 1);
    if (!replaced) {
        QVERIFY(log.first().contains(QLatin1String("frmMain: RTB1_OLEDragDrop")));
    }
}

void TestFrmMainCommands::helpShowsNotice()
{
    FakeDialogs dialogs;
    m_note->runMenuCommand(QStringLiteral("mnuHelp"), -1);
    QCOMPARE(dialogs.notices, QStringList {QStringLiteral("This feature has not been implemented in this release")});
}

QTEST_MAIN(TestFrmMainCommands)
#include "tst_frmmaincommands.moc"
