// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The note window's chrome: its controls and their layout, and what the mouse does on them.
#include "note/notelogic.h"
#include "note/notelook.h"
#include "note/screens.h"
#include "support/colors.h"
#include "window/chromebutton.h"
#include "window/conflictstrip.h"
#include "window/edgesnapper.h"
#include "window/noteaccessible.h"
#include "window/notetextbox.h"
#include "window/notewindow.h"
#include "window/windowhelpers.h"

#include <QCursor>
#include <QHash>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWindow>

#include <cmath>

namespace jotlet {

namespace {

constexpr int kIconTwips = 480;
constexpr int kButtonTwips = 255;
constexpr int kGripTwips = 180;

// An alarm clock: waiting in quiet colours, gone off in red with its bells ringing.
void drawAlarmClock(QPainter& p, int size, bool ringing)
{
    const QColor ink = ringing ? QColor(190, 30, 30) : QColor(60, 60, 60);
    const QRectF face(size * 0.2, size * 0.25, size * 0.6, size * 0.6);
    p.setPen(QPen(ink, 1.4));
    p.setBrush(ringing ? QColor(255, 220, 210) : QColor(250, 250, 250));
    p.drawEllipse(face);
    p.setBrush(ink);
    p.drawPie(QRectF(size * 0.08, size * 0.1, size * 0.3, size * 0.3), 45 * 16, 180 * 16);
    p.drawPie(QRectF(size * 0.62, size * 0.1, size * 0.3, size * 0.3), -45 * 16, 180 * 16);
    const QPointF centre = face.center();
    p.drawLine(centre, centre + QPointF(0, -size * 0.2));
    p.drawLine(centre, centre + QPointF(size * 0.14, 0));
    if (ringing) {
        p.drawLine(QPointF(size * 0.02, size * 0.55), QPointF(size * 0.12, size * 0.55));
        p.drawLine(QPointF(size * 0.88, size * 0.55), QPointF(size * 0.98, size * 0.55));
    }
}

// Small pictures for the chrome, drawn here (once per kind and size) so the note looks the same with any theme.
QPixmap drawChromePicture(const QString& kind, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (kind == QLatin1String("note")) {
        p.setBrush(QColor(255, 236, 120));
        p.setPen(QPen(QColor(120, 100, 20), 1));
        p.drawRect(QRectF(3.5, 3.5, size - 7, size - 7));
        p.drawLine(QPointF(7, size * 0.4), QPointF(size - 7, size * 0.4));
        p.drawLine(QPointF(7, size * 0.6), QPointF(size - 10, size * 0.6));
    } else if (kind.startsWith(QLatin1String("reminder"))) {
        drawAlarmClock(p, size, kind == QLatin1String("reminder-fired"));
    } else if (kind == QLatin1String("close") || kind == QLatin1String("help")) {
        p.setBrush(PaintedChrome::captionGrey());
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
        p.setPen(QPen(Qt::white, 1.6));
        if (kind == QLatin1String("close")) {
            p.drawLine(QPointF(size * 0.3, size * 0.3), QPointF(size * 0.7, size * 0.7));
            p.drawLine(QPointF(size * 0.7, size * 0.3), QPointF(size * 0.3, size * 0.7));
        } else {
            p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QStringLiteral("?"));
        }
    } else { // grip
        p.setPen(QPen(QColor(90, 90, 90), 1));
        for (int i = 1; i <= 3; ++i) {
            p.drawLine(QPointF(size - 1, size - 1 - i * size / 4.0), QPointF(size - 1 - i * size / 4.0, size - 1));
        }
    }
    return pixmap;
}

QPixmap chromePicture(const QString& kind, int size)
{
    static QHash<QString, QPixmap> pictures;
    const QString key = kind + QLatin1Char('/') + QString::number(size);
    auto it = pictures.constFind(key);
    if (it == pictures.constEnd()) {
        it = pictures.insert(key, drawChromePicture(kind, size));
    }
    return *it;
}

} // namespace

void NoteWindow::createChrome()
{
    m_textBox = new NoteTextBox(this);
    m_textBox->setObjectName(QStringLiteral("RTB1"));
    m_textBox->setFrameShape(QFrame::NoFrame);
    m_textBox->setContextMenuPolicy(Qt::PreventContextMenu);
    m_textBox->setAccessibleName(NoteWindow::tr("Note text"));
    connect(m_textBox, &NoteTextBox::keyPressed, this, &NoteWindow::onTextKeyPressed);
    connect(m_textBox, &NoteTextBox::mousePressed, this, [this](Qt::MouseButton button) {
        if (button == Qt::RightButton) {
            popUpForText();
        }
    });
    connect(m_textBox, &NoteTextBox::pictureRefused, this, [this](const Problem& reason) {
        if (m_note) {
            m_note->reportPictureRefused(reason);
        }
    });
    connect(m_textBox, &NoteTextBox::filesDropped, this, [this](const QStringList& paths) {
        if (m_note) {
            m_note->dropFiles(paths);
        }
    });

    // The title, sub-caption, line and grip are drawn by the window; the pointer over the grip shows it sizes.
    installNoteAccessibility();
    setMouseTracking(true);

    // Pressed from the keyboard or by a screen reader (the mouse on them is the window's): the icon opens the window
    // menu under it, help and close do what a click does.
    m_icon = chromeButton(QStringLiteral("imgIcon"), NoteWindow::tr("Note menu"), QString(), Command::ShowSystemMenu);
    m_help = chromeButton(
        QStringLiteral("imgHelp"), NoteWindow::tr("Help"), NoteWindow::tr("Display help"), Command::ShowHelp);
    m_close = chromeButton(
        QStringLiteral("CloseImage"), NoteWindow::tr("Close note"), NoteWindow::tr("Close note"), Command::CloseNote);
    // Tab from the icon goes to help, close, then the text (where Tab is typed; Ctrl+Tab leaves it).
    setTabOrder(m_icon, m_help);
    setTabOrder(m_help, m_close);
    setTabOrder(m_close, m_textBox);
}

ChromeButton*
NoteWindow::chromeButton(const QString& name, const QString& accessibleName, const QString& tooltip, Command pressed)
{
    auto* button = new ChromeButton(this, name, accessibleName);
    button->setToolTip(tooltip);
    button->installEventFilter(this);
    connect(button, &ChromeButton::leaveRequested, m_textBox, [this] { m_textBox->setFocus(Qt::OtherFocusReason); });
    connect(button, &QAbstractButton::clicked, this, [this, pressed] { runCommand({pressed}); });
    return button;
}

bool NoteWindow::focusChrome(bool forward)
{
    // Ctrl+Tab from the text reaches the buttons; Tab inside the text types a tab.
    ChromeButton* target = forward ? m_icon : m_close;
    if (!target->isVisible()) {
        return false;
    }
    target->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void NoteWindow::showIcon()
{
    // A reminder note shows whether its reminder waits or has gone off in place of the note icon.
    static const QString kinds[]
        = {QStringLiteral("note"), QStringLiteral("reminder-waiting"), QStringLiteral("reminder-fired")};
    const ReminderIcon icon = m_note && m_note->special() ? m_note->special()->reminderIcon() : ReminderIcon::None;
    m_icon->setPicture(chromePicture(kinds[int(icon)], int(std::lround(kIconTwips / twipsPerPixel(screen()).x))));
    showSubCaption();
}

void NoteWindow::showSubCaption()
{
    // A waiting reminder says when it goes off next, in place of the note's time stamp or count.
    const QString next = m_note && m_note->special() && m_note->special()->reminderIcon() == ReminderIcon::Waiting
                             ? m_note->special()->nextReminderText()
                             : QString();
    update(m_chrome.setSubCaption(next.isEmpty() ? m_note->subCaption() : tr("Next: %1").arg(next)));
}

void NoteWindow::showCaption()
{
    // A long file name is cut with "…"; the whole caption is the tooltip.
    update(m_chrome.setTitle(m_note ? m_note->title() : windowTitle(), this));
}

void NoteWindow::renderColors()
{
    // The note's own paper and ink, whatever the desktop's palette: text that stores no colour is drawn in the ink.
    const NotePaint paint = notePaint(colorFromBgr(m_note->colorValue()), m_note->isDark());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, paint.paper);
    palette.setColor(QPalette::WindowText, paint.ink);
    // The text box takes its paper and ink from here rather than holding a palette of its own.
    palette.setColor(QPalette::Base, paint.paper);
    palette.setColor(QPalette::Text, paint.ink);
    palette.setColor(QPalette::PlaceholderText, paint.ink);
    setPalette(palette);
    setAutoFillBackground(true);
    m_textBox->showPaint(paint);
    update();
}

void NoteWindow::layoutChrome()
{
    const TwipsPerPixel perPixel = twipsPerPixel(screen());
    const auto px = [&perPixel](double twips, bool vertical) {
        return int(std::lround(twips / (vertical ? perPixel.y : perPixel.x)));
    };
    const auto place = [&](QWidget* w, double left, double top, double wide, double high) {
        w->setGeometry(px(left, false), px(top, true), qMax(0, px(wide, false)), qMax(0, px(high, true)));
    };
    // The window manager keeps the minimum during its own sizing; the note holds it for everything else.
    const QSize minimum(px(kMinimumWidthTwips, false), px(kMinimumHeightTwips, true));
    if (minimumSize() != minimum) {
        setMinimumSize(minimum);
    }
    const QRect twips = m_note ? m_note->geometry() : toTwips(geometry(), perPixel);
    const int w = twips.width();
    const int h = twips.height();
    int textHeight = h - 700;
    if (m_conflictStrip && m_conflictStrip->isVisibleTo(this)) {
        // Under the text, above the line: what happened and the choices.
        const int wide = px(w - 220, false);
        const int high = qMin(m_conflictStrip->neededHeight(wide), px(h - 900, true));
        const int highTwips = int(high * perPixel.y);
        textHeight = qMax(0, h - 700 - highTwips - 30);
        m_conflictStrip->setGeometry(px(45, false), px(360 + textHeight + 15, true), wide, high);
    }
    place(m_textBox, 45, 360, w - 220, textHeight);
    const auto at = [&](double left, double top, double wide, double high) {
        return QRect(px(left, false), px(top, true), qMax(0, px(wide, false)), qMax(0, px(high, true)));
    };
    update(m_chrome.place(at(kIconTwips, 10, w - 1100, 250),
                          at(40, h - 320, w - kGripTwips, 255),
                          at(50, h - 350, w - 220 - 50, 15),
                          at(w - kGripTwips - 50, h - kGripTwips - 50, kGripTwips, kGripTwips)));
    place(m_close, w - kButtonTwips - 30, 10, kButtonTwips, kButtonTwips);
    place(m_help, w - 2 * kButtonTwips - 50, 10, kButtonTwips, kButtonTwips);
    place(m_icon, 0, 15, kIconTwips, kIconTwips);
    showIcon();
    m_close->setPicture(chromePicture(QStringLiteral("close"), px(kButtonTwips, false)));
    m_help->setPicture(chromePicture(QStringLiteral("help"), px(kButtonTwips, false)));
    m_chrome.setGripPicture(chromePicture(QStringLiteral("grip"), px(kGripTwips, false)));
    showCaption();
}

void NoteWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    m_chrome.paint(painter, palette().color(QPalette::WindowText), event->rect());
}

void NoteWindow::mousePressEvent(QMouseEvent* event)
{
    m_placement.end();
    NoteMenus::shared().menu(NoteMenu::Main)->hide();
    m_pressedPart = m_note ? m_chrome.partAt(event->position().toPoint()) : ChromePart::None;
    if (paintedPartMouseEvent(m_pressedPart, event)) {
        return;
    }
    if (event->button() == Qt::RightButton) {
        popUp(NoteMenu::Main, event->globalPosition().toPoint());
    } else if (event->button() == Qt::LeftButton) {
        startDrag(event->globalPosition());
    }
    QWidget::mousePressEvent(event);
}

void NoteWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::NoButton) {
        showHoverCursor(event->position().toPoint());
    } else if (paintedPartMouseEvent(m_pressedPart, event)) {
        return;
    } else if (event->buttons() & Qt::LeftButton) {
        m_snapper->dragTo(event->globalPosition());
    }
    QWidget::mouseMoveEvent(event);
}

void NoteWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const ChromePart pressed = m_pressedPart;
    if (event->buttons() == Qt::NoButton) {
        m_pressedPart = ChromePart::None;
    }
    if (!paintedPartMouseEvent(pressed, event)) {
        QWidget::mouseReleaseEvent(event);
    }
}

void NoteWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_pressedPart = m_note ? m_chrome.partAt(event->position().toPoint()) : ChromePart::None;
    if (!paintedPartMouseEvent(m_pressedPart, event)) {
        QWidget::mouseDoubleClickEvent(event); // a press: it drags
    }
}

bool NoteWindow::paintedPartMouseEvent(ChromePart part, QMouseEvent* mouse)
{
    switch (part) {
    case ChromePart::Grip:
        resizeByGrip(mouse);
        return true;
    case ChromePart::SubCaption:
        // Its own menu on a right click; it does not move the note.
        if (mouse->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::RightButton) {
            popUp(NoteMenu::Caption, mouse->globalPosition().toPoint());
        } else if (mouse->type() == QEvent::MouseButtonDblClick) {
            m_note->refreshSubCaption();
        }
        return true;
    case ChromePart::Caption:
        // The caption takes the left button only: it drags the note as the window's paper does.
        return mouse->button() == Qt::RightButton || (mouse->buttons() & Qt::RightButton);
    case ChromePart::None:
        break;
    }
    return false;
}

void NoteWindow::startDrag(const QPointF& globalPointer)
{
    // Where the compositor places windows (Wayland), it moves the note itself, snapping as it does for every window.
    if (!windowSystemPlacesWindows() && windowHandle() && windowHandle()->startSystemMove()) {
        return;
    }
    m_snapper->startDrag(globalPointer);
}

void NoteWindow::showHoverCursor(const QPoint& at)
{
    const bool overGrip = m_chrome.partAt(at) == ChromePart::Grip;
    if (overGrip == m_gripCursor || (m_placementCue && m_placementCue->isVisible())) {
        return;
    }
    m_gripCursor = overGrip;
    if (overGrip) {
        setCursor(Qt::SizeFDiagCursor);
    } else {
        unsetCursor();
    }
}

bool NoteWindow::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && showPartToolTip(static_cast<QHelpEvent*>(event))) {
        return true;
    }
    return QWidget::event(event);
}

bool NoteWindow::showPartToolTip(QHelpEvent* event)
{
    QString tip;
    const ChromePart part = m_chrome.partAt(event->pos());
    switch (part) {
    case ChromePart::Caption:
        tip = m_chrome.title(); // the whole title, where the band shows it cut
        break;
    case ChromePart::SubCaption:
        tip = tr("Double-click to refresh caption");
        break;
    case ChromePart::Grip:
        tip = tr("Resize note");
        break;
    case ChromePart::None:
        return false;
    }
    QToolTip::showText(event->globalPos(), tip, this, m_chrome.rect(part));
    return true;
}

bool NoteWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        if (chromeMouseEvent(watched, static_cast<QMouseEvent*>(event))) {
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool NoteWindow::chromeMouseEvent(QObject* watched, QMouseEvent* mouse)
{
    const QEvent::Type type = mouse->type();
    const bool press = type == QEvent::MouseButtonPress;
    const bool release = type == QEvent::MouseButtonRelease;
    const bool doubleClick = type == QEvent::MouseButtonDblClick;
    const QPoint at = mouse->globalPosition().toPoint();
    if (!m_note) {
        return false;
    }
    if (watched == m_close || watched == m_help) {
        if (release && mouse->button() == Qt::LeftButton) {
            runCommand({watched == m_close ? Command::CloseNote : Command::ShowHelp});
        }
        return true;
    }
    if (watched == m_icon && press && mouse->button() == Qt::RightButton) {
        popUp(NoteMenu::System, at);
        return true;
    }
    if (watched == m_icon && doubleClick) {
        m_note->run(Command::ToggleRollUp);
        return true;
    }
    if (watched == m_icon) {
        if (press && mouse->button() == Qt::LeftButton) {
            startDrag(mouse->globalPosition());
            return true;
        }
        if (type == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton)) {
            m_snapper->dragTo(mouse->globalPosition());
            return true;
        }
    }
    return false;
}

void NoteWindow::resizeByGrip(QMouseEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        // The window manager's own sizing loop where there is one; otherwise follow the mouse. The window manager
        // starts from where the pointer was last seen, not from the press: on a busy machine the pointer may have
        // moved on before the press arrives here, and the note would then lag behind it by that much. Such a
        // late press is followed here, from the press's own position.
        const bool pointerStill = QCursor::pos() == event->globalPosition().toPoint();
        if (pointerStill && windowHandle() && windowHandle()->startSystemResize(Qt::BottomEdge | Qt::RightEdge)) {
            m_gripStartSize = QSize();
            return;
        }
        m_gripStart = event->globalPosition().toPoint();
        m_gripStartSize = size();
    } else if (event->type() == QEvent::MouseMove && m_gripStartSize.isValid()) {
        resize(m_gripStartSize
               + QSize(event->globalPosition().toPoint().x() - m_gripStart.x(),
                       event->globalPosition().toPoint().y() - m_gripStart.y()));
    } else if (event->type() == QEvent::MouseButtonRelease) {
        m_gripStartSize = QSize();
    }
}

} // namespace jotlet
