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
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <cmath>

#include <algorithm>

namespace jotlet {

namespace {

constexpr int kWidthTwips = 2055;
constexpr int kHeightTwips = 1695;
constexpr int kCloseSize = 16;
// Light buttons on the popup's light background, whatever the theme.
// untranslated: a style sheet
constexpr char kButtonStyle[] = "QPushButton { color: rgb(20, 40, 90); background: rgba(255, 255, 255, 150);"
                                " border: 1px solid rgb(120, 150, 200); border-radius: 3px; padding: 1px 6px; }"
                                "QPushButton:hover { background: white; }";
// untranslated: a style sheet
constexpr char kMenuButtonStyle[] = "QPushButton { padding-right: 16px; }"
                                    "QPushButton::menu-indicator { subcontrol-origin: padding;"
                                    " subcontrol-position: center right; right: 3px; }";

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

AlertWindow* AlertWindow::display(
    const QString& text, int durationMs, const QRect& workArea, AlertSound* sound, AlertChoices choices)
{
    auto* alert = new AlertWindow(text, durationMs, workArea);
    if (!choices.isEmpty()) {
        alert->addChoices(std::move(choices));
    }
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

void AlertWindow::addChoices(AlertChoices choices)
{
    // A row of small buttons below the message, along the popup's bottom edge.
    const TwipsPerPixel perPixel = twipsPerPixel(QGuiApplication::screenAt(m_workArea.center()));
    const int top = int(std::lround(1380 / perPixel.y));
    const int left = m_message->x();
    m_onChoice = std::move(choices.onChoice);
    if (!choices.menu.isEmpty()) {
        QPushButton* button = addButton(choices.menuLabel, left, top);
        button->setObjectName(QStringLiteral("cmdAlertMenu"));
        auto* menu = new QMenu(button);
        for (const AlertChoices::Choice& choice : std::as_const(choices.menu)) {
            menu->addAction(choice.label, this, [this, key = choice.key] { choose(key); });
        }
        // The popup stays while the user chooses.
        connect(menu, &QMenu::aboutToShow, this, [this] { m_motion.setHeld(true); });
        connect(menu, &QMenu::aboutToHide, this, [this] { m_motion.setHeld(false); });
        button->setMenu(menu);
        button->setStyleSheet(button->styleSheet() + QLatin1String(kMenuButtonStyle));
        button->adjustSize();
    }
    // The others from the right edge, where the close image is above them.
    int right = width() - m_message->x();
    for (const AlertChoices::Choice& choice : std::as_const(choices.buttons)) {
        QPushButton* button = addButton(choice.label, left, top);
        button->setObjectName(QStringLiteral("cmdAlert_") + choice.key);
        button->move(right - button->width(), top);
        right = button->x() - 4;
        connect(button, &QPushButton::clicked, this, [this, key = choice.key] { choose(key); });
    }
}

QPushButton* AlertWindow::addButton(const QString& label, int left, int top)
{
    auto* button = new QPushButton(label, this);
    button->setFocusPolicy(Qt::NoFocus); // the keyboard stays where the user types
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QLatin1String(kButtonStyle));
    button->adjustSize();
    button->move(left, top);
    return button;
}

void AlertWindow::choose(const QString& key)
{
    if (m_onChoice) {
        m_onChoice(key);
    }
    hide(); // the motion goes on, and the popup goes away at its end as usual
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
