// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "special/alert/alertwindow.h"

#include "note/dialogresponder.h"
#include "note/screens.h"
#include "platform/alertsound.h"
#include "special/alert/gradientpainter.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <cmath>

#include <algorithm>

namespace jotlet {

namespace {

constexpr int kWidthTwips = 2055;
constexpr int kHeightTwips = 1695;
constexpr int kCloseSize = 16;

QPixmap closePicture(bool hovered)
{
    QPixmap pixmap(kCloseSize, kCloseSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(hovered ? QColor(200, 40, 40) : QColor(255, 255, 255, 150));
    p.drawRoundedRect(QRectF(0.5, 0.5, kCloseSize - 1, kCloseSize - 1), 3, 3);
    p.setPen(QPen(hovered ? Qt::white : QColor(60, 60, 60), 1.6));
    p.drawLine(QPointF(4.5, 4.5), QPointF(kCloseSize - 4.5, kCloseSize - 4.5));
    p.drawLine(QPointF(kCloseSize - 4.5, 4.5), QPointF(4.5, kCloseSize - 4.5));
    return pixmap;
}

// The popup's background: light blue at the top fading to white, tilted a little.
QPixmap backgroundPicture(const QSize& size)
{
    QPixmap pixmap(size);
    GradientPainter gradient;
    gradient.setAngle(-100);
    gradient.setColor1(0xFF953D); // red 61, green 149, blue 255
    gradient.setColor2(0xFFFFFF);
    gradient.paint(pixmap);
    return pixmap;
}

} // namespace

QRect areaClearOf(const QRect& workArea, const QRect& trayIcon)
{
    if (!trayIcon.isValid() || !workArea.intersects(trayIcon)) {
        return workArea;
    }
    QRect area = workArea;
    // Along the edge the icon is nearest to: a panel at the bottom or top, or at the right or left.
    const int toBottom = workArea.bottom() - trayIcon.bottom();
    const int toTop = trayIcon.top() - workArea.top();
    const int toRight = workArea.right() - trayIcon.right();
    const int toLeft = trayIcon.left() - workArea.left();
    const int nearest = std::min({toBottom, toTop, toRight, toLeft});
    if (nearest == toBottom) {
        area.setBottom(trayIcon.top() - 1);
    } else if (nearest == toRight) {
        area.setRight(trayIcon.left() - 1);
    } else if (nearest == toTop) {
        area.setTop(trayIcon.bottom() + 1);
    } else {
        area.setLeft(trayIcon.right() + 1);
    }
    return area;
}

AlertWindow* AlertWindow::display(const QString& text, int durationMs, const QRect& workArea, AlertSound* sound)
{
    auto* alert = new AlertWindow(text, durationMs, workArea);
    alert->show();
    if (sound) {
        sound->play();
    }
    alert->m_timer.start();
    return alert;
}

AlertWindow::AlertWindow(const QString& text, int durationMs, const QRect& workArea)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
    , m_motion(kHeightTwips, durationMs)
    , m_slot(AlertSlots::take())
    , m_workArea(workArea)
    , m_message(new QLabel(text, this))
    , m_close(new QLabel(this))
{
    setObjectName(QStringLiteral("frmAlert"));
    setWindowTitle(tr("Alert - Jotlet"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    QScreen* screen = QGuiApplication::screenAt(workArea.center());
    m_twipsPerPixel = twipsPerPixel(screen).y;
    const TwipsPerPixel perPixel = twipsPerPixel(screen);
    const QSize full(int(std::lround(kWidthTwips / perPixel.x)), int(std::lround(kHeightTwips / perPixel.y)));
    m_background = backgroundPicture(full);
    setFixedWidth(full.width());

    m_message->setObjectName(QStringLiteral("lblAlert"));
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setGeometry(toPixels(QRect(90, 600, 1815, 735), perPixel));
    m_message->setMouseTracking(true);
    m_message->installEventFilter(this);
    m_close->setObjectName(QStringLiteral("imgClose"));
    setHovered(false, false);
    m_close->setGeometry(full.width() - kCloseSize - 5, 5, kCloseSize, kCloseSize);
    m_close->setToolTip(tr("Close"));
    m_close->installEventFilter(this);

    m_timer.setInterval(AlertMotion::kTickMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &AlertWindow::advance);
    place();
}

void AlertWindow::place()
{
    // The bottom edge stays put: the popup grows upward from it and shrinks back down to it.
    const int fullHeight = int(std::lround(m_motion.fullHeight() / m_twipsPerPixel));
    const int height = std::max(1, int(std::lround(m_motion.height() / m_twipsPerPixel)));
    const int bottom = m_workArea.bottom() + 1 - (m_slot - 1) * fullHeight;
    setGeometry(m_workArea.right() + 1 - width(), bottom - height, width(), height);
}

void AlertWindow::advance()
{
    m_motion.tick();
    if (m_motion.phase() == AlertMotion::Phase::Gone) {
        m_timer.stop();
        AlertSlots::release(m_slot);
        hide();
        deleteLater(); // whether it was still showing or already hidden by its close image
        return;
    }
    place();
}

void AlertWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
    QFont heading = font();
    heading.setBold(true);
    painter.setFont(heading);
    painter.setPen(QColor(20, 40, 90));
    painter.drawText(QRect(6, 4, width() - kCloseSize - 16, kCloseSize + 2),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Jotlet"));
}

void AlertWindow::setHovered(bool onMessage, bool onClose)
{
    // The background is light whatever the theme: the message is black, blue and underlined while pointed at.
    QFont font = m_message->font();
    font.setUnderline(onMessage);
    m_message->setFont(font);
    QPalette colors = m_message->palette();
    colors.setColor(QPalette::WindowText, onMessage ? QColor(0, 0, 255) : QColor(Qt::black));
    m_message->setPalette(colors);
    m_close->setPixmap(closePicture(onClose));
}

bool AlertWindow::eventFilter(QObject* watched, QEvent* event)
{
    const bool onMessage = watched == m_message;
    switch (event->type()) {
    case QEvent::Enter:
        setHovered(onMessage, !onMessage);
        break;
    case QEvent::Leave:
        setHovered(false, false);
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            if (onMessage) {
                dialogResponder().information(nullptr, tr("The time on your reminder note has expired"));
            } else {
                hide(); // the motion goes on, and the popup goes away at its end as usual
            }
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace jotlet
