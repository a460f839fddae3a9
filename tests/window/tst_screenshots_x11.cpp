// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures software centres show (share/screenshots, named in the AppStream file), taken on the test X server:
// notes of several colours and kinds, and the About window.
#include "dialogs/aboutwindow.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "special/specialcontent.h"
#include "special/specialnotedriver.h"
#include "window/notewindow.h"
#include "xtools.h"

#include <QImage>
#include <QTest>

using namespace jotlet;

namespace {

// A picture of the screen, checked to be the whole screen and not one colour.
void takeAndCheck(const QString& name)
{
    screenshot(name);
    const QImage shot(QStringLiteral(JOTLET_SCREENSHOT_DIR "/") + name + QStringLiteral(".png"));
    if (shot.isNull()) {
        QSKIP("ImageMagick's import is not installed: no screenshot");
    }
    QCOMPARE(shot.size(), QSize(1280, 800));
    QVERIFY(shot.pixel(10, 10) != shot.pixel(700, 300) || shot.pixel(10, 10) != shot.pixel(300, 200));
}

} // namespace

class TestScreenshotsX11 : public QObject
{
    Q_OBJECT

private slots:
    void notesOfSeveralKinds();
    void aboutWindow();
};

void TestScreenshotsX11::notesOfSeveralKinds()
{
    NoteBoard board;
    board.setViewFactory([](Note* note) { new NoteWindow(note); });
    board.setSpecialNoteFactory(specialNoteFactory(specialContentFactory(), {}));
    const struct
    {
        QRect place; // twips
        int color;
        const char* text;
    } notes[] = {{{3000, 2400, 4200, 3300}, 0, "Buy milk, eggs and bread\nCall Anna about the trip"},
                 {{8400, 3000, 3900, 2900}, 1, "Dentist on Thursday at 9"},
                 {{13200, 2400, 3600, 3000}, 2, ""},
                 {{5400, 7200, 4500, 2800}, 5, "Ideas for the garden"},
                 {{11400, 7500, 3600, 2600}, 6, "Pay the electricity bill"}};
    for (const auto& each : notes) {
        Note* note = board.createNote();
        note->setSaveNewNoteOnClose(false);
        note->setGeometry(each.place);
        note->run(Command::NoteColor, each.color);
        if (QByteArray(each.text).isEmpty()) {
            note->run(Command::SpecialTime);
        } else {
            note->text().setText(QString::fromUtf8(each.text));
        }
        note->show();
    }
    Note* formatted = board.notes().at(3);
    formatted->text().setSelStart(0);
    formatted->text().setSelLength(20);
    formatted->run(Command::StyleBold);
    formatted->text().setSelLength(0);
    runTool(QStringLiteral("xsetroot"), {QStringLiteral("-solid"), QStringLiteral("#3d6a99")}); // a desktop's blue
    QTest::qWait(1500);
    takeAndCheck(QStringLiteral("metainfo-notes"));
    for (Note* note : board.notes()) {
        note->discard();
    }
}

void TestScreenshotsX11::aboutWindow()
{
    AboutWindow about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::qWait(1000);
    takeAndCheck(QStringLiteral("metainfo-about"));
}

QTEST_MAIN(TestScreenshotsX11)
#include "tst_screenshots_x11.moc"
