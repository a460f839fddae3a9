// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// How notes read on a dark desktop, measured on the screen of a real X server: under a dark palette a note whose
// RTF stores no text colour is drawn dark on its light colour, and the dark look chosen from the note's menu is a
// dark paper with light ink, black text included. A picture of light and dark notes goes to build/screenshots.
#include "freshfolders.h"
#include "note/noteboard.h"
#include "note/notecolors.h"
#include "note/notelook.h"
#include "note/notetext.h"
#include "window/notetextbox.h"
#include "window/notewindow.h"
#include "xtools.h"

#include <QApplication>
#include <QHash>
#include <QImage>
#include <QPalette>
#include <QScreen>
#include <QTest>

using namespace jotlet;

namespace {

// What every older note and every note from another program looks like: no colour table, no \cf.
const QByteArray kLegacyRtf = QByteArrayLiteral(
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs36\\b WWW Legacy text WWW\\par MMM second line MMM\\par}");

QPalette darkPalette()
{
    QPalette palette;
    for (const auto& [role, color] : {std::pair {QPalette::Window, QColor(0x35, 0x35, 0x35)},
                                      std::pair {QPalette::WindowText, QColor(Qt::white)},
                                      std::pair {QPalette::Base, QColor(0x2a, 0x2a, 0x2a)},
                                      std::pair {QPalette::Text, QColor(Qt::white)},
                                      std::pair {QPalette::Button, QColor(0x35, 0x35, 0x35)},
                                      std::pair {QPalette::ButtonText, QColor(Qt::white)}}) {
        palette.setColor(role, color);
    }
    return palette;
}

struct Measured
{
    QColor paper;
    double contrast = 1;
};

// The text box as the X server shows it: its commonest colour is the paper, and the text is the pixel furthest from
// it in contrast.
Measured measure(const NoteTextBox* box)
{
    const QRect area(box->viewport()->mapToGlobal(QPoint(0, 0)), box->viewport()->size());
    const QImage shot = box->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            ++counts[shot.pixel(x, y) & 0xFFFFFF];
        }
    }
    QRgb paper = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            paper = it.key();
        }
    }
    Measured measured {QColor::fromRgb(paper), 1};
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        measured.contrast = qMax(measured.contrast, contrastRatio(QColor::fromRgb(it.key()), measured.paper));
    }
    return measured;
}

} // namespace

class TestLookX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void textReadsUnderADarkPalette_data();
    void textReadsUnderADarkPalette();
    void darkLookFromTheMenu();

private:
    Note* openNote(int color, const QRect& place);

    NoteBoard m_board;
    NoteWindow* m_window = nullptr;
};

void TestLookX11::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QApplication::setPalette(darkPalette()); // as a dark desktop theme sets it
}

void TestLookX11::init()
{
    startFromEmptyFolders();
    m_board.setViewFactory([this](Note* note) { m_window = new NoteWindow(note); });
}

void TestLookX11::cleanup()
{
    for (Note* note : m_board.notes()) {
        note->discard();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Note* TestLookX11::openNote(int color, const QRect& place)
{
    Note* note = m_board.createNote();
    note->setSaveNewNoteOnClose(false);
    note->setGeometry(place);
    note->run(Command::NoteColor, color);
    note->text().setRtf(kLegacyRtf);
    note->show();
    return note;
}

void TestLookX11::textReadsUnderADarkPalette_data()
{
    QTest::addColumn<int>("color");
    QTest::addColumn<bool>("dark");
    for (int color = 0; color < int(std::size(kNoteColors)); ++color) {
        QTest::addRow("%s", kNoteColors[color].name) << color << false;
        QTest::addRow("%s, dark look", kNoteColors[color].name) << color << true;
    }
}

void TestLookX11::textReadsUnderADarkPalette()
{
    QFETCH(int, color);
    QFETCH(bool, dark);
    Note* note = openNote(color, QRect(3000, 2400, 6000, 3000));
    note->text().setRtf(kLegacyRtf); // the colour command set the text black: the stored text stores none again
    if (dark) {
        note->setLookChoice(kLookDark);
    }
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTest::qWait(300);
    const Measured measured = measure(m_window->textBox());
    const double paperLightness = measured.paper.lightnessF();
    QVERIFY2(dark ? paperLightness < 0.3 : paperLightness > 0.5,
             qPrintable(QStringLiteral("paper %1").arg(measured.paper.name())));
    QVERIFY2(measured.contrast >= 4.5,
             qPrintable(QStringLiteral("contrast %1:1 on %2").arg(measured.contrast).arg(measured.paper.name())));
}

void TestLookX11::darkLookFromTheMenu()
{
    Note* note = openNote(2, QRect(3000, 2400, 6000, 3000)); // green, its text black from the colour command
    note->run(Command::NoteColor, 2);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    NoteWindow* window = m_window;
    Note* other = m_board.createNote();
    other->setSaveNewNoteOnClose(false);
    other->setGeometry(QRect(9600, 2400, 6000, 3000));
    other->run(Command::NoteColor, 2);
    other->text().setRtf(kLegacyRtf);
    other->show();
    QTest::qWait(300);
    window->activateWindow();
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), window, 5000);
    // Shift+F10, Note Options, Color, Dark: as a person at the keyboard picks it.
    pressKeys(QStringLiteral("shift+F10"));
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget(), 5000);
    for (const char* key : {"i", "c", "d"}) {
        QTest::qWait(150);
        pressKeys(QString::fromLatin1(key));
        QTest::qWait(250); // each submenu opens before the next letter
    }
    QTRY_VERIFY_WITH_TIMEOUT(note->isDark(), 5000);
    QCOMPARE(note->record().look, kLookDark);
    QVERIFY(!other->isDark());
    QTest::qWait(300);
    const Measured measured = measure(window->textBox());
    QVERIFY2(measured.paper.lightnessF() < 0.3, qPrintable(measured.paper.name()));
    QVERIFY2(measured.contrast >= 4.5, qPrintable(QStringLiteral("contrast %1:1").arg(measured.contrast)));
    screenshot(QStringLiteral("note-dark-look"));
}

QTEST_MAIN(TestLookX11)
#include "tst_look_x11.moc"
