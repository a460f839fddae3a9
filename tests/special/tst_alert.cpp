// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The alert popup and what it is made of: the gradient of its background (against a line-by-line rendering), its
// motion, how popups stack, and its sound.
#include "fakealertsound.h"
#include "fakedialogs.h"
#include "special/alert/alertwindow.h"
#include "special/alert/gradientpainter.h"

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QtMath>

#include <cmath>

using namespace jotlet;

namespace {

// The gradient drawn the long way: one-pixel lines perpendicular to the direction, each in the next colour of the
// blend, swept across the area one pixel at a time.
QImage lineByLineGradient(int w, int h, float angle, QColor first, QColor second)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    const float cx = float(w / 2);
    const float cy = float(h / 2);
    const float m = float(std::max(w, h));
    const float half = (std::sqrt(m * m + m * m) + 2) / 2;
    const float turn = (angle + 90) - std::floor((angle + 90) / 360) * 360;
    const float a = float(turn * M_PI / 180);
    const auto rotate = [&](float dx, float dy) {
        return QPointF(dy * std::sin(a) + dx * std::cos(a) + cx, cy - (dx * std::sin(a) - dy * std::cos(a)));
    };
    const QPointF p0 = rotate(-half, 0);
    const QPointF p1 = rotate(half, 0);
    const bool steep = std::abs(p0.y() - p1.y()) >= std::abs(p0.x() - p1.x());
    QPointF offset;
    QPoint step;
    const int range = angle <= 90 ? 0 : angle <= 180 ? 1 : angle <= 270 ? 2 : 3;
    if (steep) {
        const bool fromRight = range == 1 || range == 2;
        offset = {fromRight ? w - std::min(p0.x(), p1.x()) : -std::max(p0.x(), p1.x()), 0};
        step = {fromRight ? -1 : 1, 0};
    } else {
        const bool fromBottom = range <= 1;
        offset = {0, fromBottom ? h - std::min(p0.y(), p1.y()) : -std::max(p0.y(), p1.y())};
        step = {0, fromBottom ? -1 : 1};
    }
    const auto beyond = [&](const QPoint& p) {
        return step.x() > 0 ? p.x() > w : step.x() < 0 ? p.x() < 0 : step.y() > 0 ? p.y() > h : p.y() < 0;
    };
    QList<QPoint> points {(p0 + offset).toPoint(), (p1 + offset).toPoint()};
    do {
        points << points.at(points.size() - 2) + step;
    } while (!(beyond(points.last()) && beyond(points.at(points.size() - 2))));
    const int steps = std::max(2, int(std::nearbyint(points.size() / 2.0)));
    for (int i = 0; i + 1 < points.size(); i += 2) {
        const int k = i / 2;
        const auto channel = [&](int c1, int c2) {
            return k >= steps - 1 ? c2 : int(std::nearbyint(c1 + k * double(c2 - c1) / steps));
        };
        const QRgb color = qRgb(channel(first.red(), second.red()),
                                channel(first.green(), second.green()),
                                channel(first.blue(), second.blue()));
        const QPoint from = points.at(i);
        const QPoint to = points.at(i + 1);
        const int length = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
        for (int s = 0; s < length; ++s) {
            // Rounded the same way on both sides of zero, so that every line is the first one moved.
            const int x = int(std::floor(from.x() + s * double(to.x() - from.x()) / length + 0.5));
            const int y = int(std::floor(from.y() + s * double(to.y() - from.y()) / length + 0.5));
            if (x >= 0 && x < w && y >= 0 && y < h) {
                image.setPixel(x, y, color);
            }
        }
    }
    return image;
}

int largestDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max(
                {largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

// Steps a popup until it has gone (or the steps run out).
void runToTheEnd(AlertWindow* alert)
{
    QPointer<AlertWindow> watched(alert);
    for (int i = 0; i < 2000 && watched && watched->motion().phase() != AlertMotion::Phase::Gone; ++i) {
        watched->advance();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestAlert : public QObject
{
    Q_OBJECT

private slots:
    void clearOfTheTrayIcon_data();
    void clearOfTheTrayIcon();
    void gradientAngle_data();
    void gradientAngle();
    void gradientMatchesLineByLine_data();
    void gradientMatchesLineByLine();
    void motion();
    void popupsStackAndTheSlotResets();
    void closedWhileOpeningGoesLater();
    void chimeIsAWaveFile();
};

void TestAlert::gradientAngle_data()
{
    QTest::addColumn<float>("set");
    QTest::addColumn<float>("kept");
    QTest::newRow("450") << 450.0F << 90.0F;
    QTest::newRow("-100") << -100.0F << 260.0F;
    QTest::newRow("360") << 360.0F << 0.0F;
    QTest::newRow("-720.5") << -720.5F << 359.5F;
}

void TestAlert::gradientAngle()
{
    QFETCH(float, set);
    QFETCH(float, kept);
    GradientPainter gradient;
    gradient.setAngle(set);
    QCOMPARE(gradient.angle(), kept);
}

void TestAlert::gradientMatchesLineByLine_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<float>("angle");
    QTest::newRow("alert") << QSize(137, 113) << 260.0F;
    for (float angle : {0.0F, 45.0F, 90.0F, 135.0F, 180.0F, 200.0F, 270.0F, 315.0F}) {
        QTest::addRow("100x50 at %g", double(angle)) << QSize(100, 50) << angle;
    }
    QTest::newRow("tall at 30") << QSize(40, 300) << 30.0F;
}

void TestAlert::gradientMatchesLineByLine()
{
    QFETCH(QSize, size);
    QFETCH(float, angle);
    GradientPainter gradient;
    gradient.setAngle(angle);
    gradient.setColor1(0xFF953D);
    gradient.setColor2(0x102000);
    QImage painted(size, QImage::Format_RGB32);
    QVERIFY(gradient.paint(painted));
    const QImage reference
        = lineByLineGradient(size.width(), size.height(), angle, QColor(61, 149, 255), QColor(0, 32, 16));
    const int difference = largestDifference(painted, reference);
    // Within one colour step and its rounding: the lines' staircase against a smooth blend.
    QVERIFY2(difference <= 3, qPrintable(QString::number(difference)));

    QImage thin(1, 100, QImage::Format_RGB32);
    thin.fill(Qt::red);
    QVERIFY(!gradient.paint(thin));
    QCOMPARE(thin.pixel(0, 50), QColor(Qt::red).rgb());
}

void TestAlert::motion()
{
    AlertMotion motion(1695, 3000);
    int ticks = 0;
    int previous = motion.height();
    while (motion.phase() == AlertMotion::Phase::Opening) {
        motion.tick();
        ++ticks;
        QVERIFY(motion.height() - previous <= 30 && motion.height() <= 1695);
        previous = motion.height();
    }
    QCOMPARE(motion.height(), 1695);
    QCOMPARE(ticks, 55); // 54 steps from 90 twips (the last one shorter), and the tick that finds it full
    for (int i = 0; i < 299; ++i) {
        motion.tick();
    }
    QCOMPARE(motion.phase(), AlertMotion::Phase::Showing);
    motion.tick(); // three seconds
    QCOMPARE(motion.phase(), AlertMotion::Phase::Closing);
    while (motion.phase() == AlertMotion::Phase::Closing) {
        motion.tick();
    }
    QVERIFY(motion.height() < 121);
}

void TestAlert::popupsStackAndTheSlotResets()
{
    FakeAlertSound sound;
    const QRect workArea(0, 0, 800, 760); // a panel of 40 pixels below
    AlertWindow* first = AlertWindow::display(QStringLiteral("one"), 3000, workArea, &sound);
    AlertWindow* second = AlertWindow::display(QStringLiteral("two"), 3000, workArea, &sound);
    QCOMPARE(sound.plays, 2);
    QCOMPARE(first->geometry().bottomRight(), QPoint(799, 759));
    QCOMPARE(first->geometry().right(), second->geometry().right());
    QCOMPARE(first->geometry().bottom() - second->geometry().bottom(), 113); // one full popup higher
    QVERIFY(first->height() < 10);                                           // it opens from a sliver
    while (first->motion().phase() == AlertMotion::Phase::Opening) {
        first->advance();
    }
    QCOMPARE(first->geometry(), QRect(800 - 137, 760 - 113, 137, 113));

    runToTheEnd(first); // the lower one goes: the count stays while the higher one is there
    QCOMPARE(AlertSlots::count(), 2);
    runToTheEnd(second);
    QCOMPARE(AlertSlots::count(), 0);
    AlertWindow* next = AlertWindow::display(QStringLiteral("three"), 3000, workArea, nullptr);
    QCOMPARE(next->slot(), 1);
    runToTheEnd(next);
}

void TestAlert::closedWhileOpeningGoesLater()
{
    FakeDialogs dialogs;
    QPointer<AlertWindow> alert = AlertWindow::display(QStringLiteral("one"), 3000, QRect(0, 0, 800, 800), nullptr);
    alert->advance();
    auto* message = alert->findChild<QLabel*>(QStringLiteral("lblAlert"));
    QTest::mouseClick(message, Qt::LeftButton);
    QCOMPARE(dialogs.notices, QStringList {"The time on your reminder note has expired"});
    QTest::mouseClick(alert->findChild<QLabel*>(QStringLiteral("imgClose")), Qt::LeftButton);
    QVERIFY(alert->isHidden());
    QCOMPARE(alert->motion().phase(), AlertMotion::Phase::Opening); // still going through its motion
    runToTheEnd(alert);
    QVERIFY(alert.isNull());
    QCOMPARE(AlertSlots::count(), 0);
}

void TestAlert::chimeIsAWaveFile()
{
    const QByteArray wave = chimeWave();
    QVERIFY(wave.startsWith("RIFF") && wave.mid(8, 8) == "WAVEfmt ");
    const auto number = [&wave](int at, int size) {
        quint32 value = 0;
        for (int i = size - 1; i >= 0; --i) {
            value = value << 8 | quint8(wave.at(at + i));
        }
        return value;
    };
    QCOMPARE(number(4, 4), quint32(wave.size() - 8));
    QCOMPARE(number(24, 4), 22050U);
    QCOMPARE(number(34, 2), 8U);
    QCOMPARE(number(40, 4), quint32(wave.size() - 44));
    QVERIFY(qAbs(double(number(40, 4)) / 22050 - 0.66) < 0.01);
    const auto [low, high]
        = std::minmax_element(wave.begin() + 44, wave.end(), [](char a, char b) { return quint8(a) < quint8(b); });
    QVERIFY(quint8(*high) - quint8(*low) > 150 && quint8(*high) < 255 && quint8(*low) > 0); // loud, not clipped
}

void TestAlert::clearOfTheTrayIcon_data()
{
    QTest::addColumn<QRect>("tray");
    QTest::addColumn<QRect>("area");
    const QRect work(0, 0, 1280, 760);
    QTest::newRow("no icon") << QRect() << work;
    QTest::newRow("icon in a panel outside the work area") << QRect(1250, 770, 24, 24) << work;
    QTest::newRow("icon at the bottom right") << QRect(1250, 730, 24, 24) << QRect(0, 0, 1280, 730);
    QTest::newRow("icon at the right, halfway down") << QRect(1256, 300, 24, 24) << QRect(0, 0, 1256, 760);
    QTest::newRow("icon at the top right") << QRect(1250, 0, 24, 24) << QRect(0, 24, 1280, 736);
}

void TestAlert::clearOfTheTrayIcon()
{
    QFETCH(QRect, tray);
    QFETCH(QRect, area);
    QCOMPARE(areaClearOf(QRect(0, 0, 1280, 760), tray), area);
}

QTEST_MAIN(TestAlert)
#include "tst_alert.moc"
