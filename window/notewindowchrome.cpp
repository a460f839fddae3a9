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
#include "window/notetextbox.h"
#include "window/notewindow.h"
#include "window/windowhelpers.h"

#include <QCursor>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <cmath>

namespace jotlet {

namespace {

// The caption's grey: white text on it has a contrast of 4.5:1 (WCAG AA; the mid grey it replaces had 3.95:1).
const QColor kCaptionGrey(118, 118, 118);

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
        p.setBrush(kCaptionGrey);
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

QLabel* pictureLabel(QWidget* parent, const QString& name, const QString& tooltip)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setToolTip(tooltip);
    label->setScaledContents(true);
    label->installEventFilter(parent);
    return label;
}

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
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

    m_caption = new QLabel(QStringLiteral("Jotlet"), this);
    m_caption->setObjectName(QStringLiteral("lblCaption"));
    m_caption->setFont(QFont(QStringLiteral("Verdana"), 9));
    m_caption->setAutoFillBackground(true);
    m_caption->setIndent(2);
    QPalette captionColors = m_caption->palette();
    captionColors.setColor(QPalette::Window, kCaptionGrey);
    captionColors.setColor(QPalette::WindowText, Qt::white);
    m_caption->setPalette(captionColors);
    m_caption->installEventFilter(this);
    m_caption->setAccessibleName(NoteWindow::tr("Note title"));

    m_subCaption = new QLabel(this);
    m_subCaption->setObjectName(QStringLiteral("lblSubCaption"));
    m_subCaption->setFont(QFont(QStringLiteral("Verdana"), 8));
    m_subCaption->setToolTip(NoteWindow::tr("Double-click to refresh caption"));
    m_subCaption->installEventFilter(this);
    m_subCaption->setAccessibleName(NoteWindow::tr("Note caption"));
    m_subCaption->setAccessibleDescription(NoteWindow::tr("Double-click to refresh the caption"));

    // Pressed from the keyboard or by a screen reader (the mouse on them is the window's): the icon opens the window
    // menu under it, help and close do what a click does.
    m_icon = chromeButton(QStringLiteral("imgIcon"), NoteWindow::tr("Note menu"), QString(), Command::ShowSystemMenu);
    m_help = chromeButton(
        QStringLiteral("imgHelp"), NoteWindow::tr("Help"), NoteWindow::tr("Display help"), Command::ShowHelp);
    m_close = chromeButton(
        QStringLiteral("CloseImage"), NoteWindow::tr("Close note"), NoteWindow::tr("Close note"), Command::CloseNote);
    m_grip = pictureLabel(this, QStringLiteral("imgResize"), NoteWindow::tr("Resize note"));
    m_grip->setCursor(Qt::SizeFDiagCursor);
    m_grip->setAccessibleName(NoteWindow::tr("Resize note"));
    m_grip->setAccessibleDescription(NoteWindow::tr("Drag to resize the note; Alt+F8 sizes it with the arrow keys"));
    // Tab from the icon goes to help, close, then the text (where Tab is typed; Ctrl+Tab leaves it).
    setTabOrder(m_icon, m_help);
    setTabOrder(m_help, m_close);
    setTabOrder(m_close, m_textBox);
    m_line = new QFrame(this);
    m_line->setObjectName(QStringLiteral("Line1"));
    m_line->setFrameShape(QFrame::HLine);
    m_line->setFrameShadow(QFrame::Plain);
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
    m_subCaption->setText(next.isEmpty() ? m_note->subCaption() : tr("Next: %1").arg(next));
}

void NoteWindow::showCaption()
{
    // A long file name is cut with "…"; the whole caption is the tooltip.
    const QString title = m_note ? m_note->title() : windowTitle();
    const int room = m_caption->contentsRect().width() - m_caption->indent();
    m_caption->setText(m_caption->fontMetrics().elidedText(title, Qt::ElideRight, qMax(0, room)));
    m_caption->setToolTip(title);
}

void NoteWindow::renderColors()
{
    // The note's own paper and ink, whatever the desktop's palette: text that stores no colour is drawn in the ink.
    const NotePaint paint = notePaint(colorFromBgr(m_note->colorValue()), m_note->isDark());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, paint.paper);
    palette.setColor(QPalette::WindowText, paint.ink);
    setPalette(palette);
    setAutoFillBackground(true);
    m_textBox->showPaint(paint);
    setTextColor(m_subCaption, paint.ink);
    setTextColor(m_line, paint.ink);
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
    place(m_subCaption, 40, h - 320, w - kGripTwips, 255);
    place(m_line, 50, h - 350, w - 220 - 50, 15);
    place(m_grip, w - kGripTwips - 50, h - kGripTwips - 50, kGripTwips, kGripTwips);
    place(m_caption, kIconTwips, 10, w - 1100, 250);
    place(m_close, w - kButtonTwips - 30, 10, kButtonTwips, kButtonTwips);
    place(m_help, w - 2 * kButtonTwips - 50, 10, kButtonTwips, kButtonTwips);
    place(m_icon, 0, 15, kIconTwips, kIconTwips);
    showIcon();
    m_close->setPicture(chromePicture(QStringLiteral("close"), px(kButtonTwips, false)));
    m_help->setPicture(chromePicture(QStringLiteral("help"), px(kButtonTwips, false)));
    m_grip->setPixmap(chromePicture(QStringLiteral("grip"), px(kGripTwips, false)));
    showCaption();
}

void NoteWindow::mousePressEvent(QMouseEvent* event)
{
    m_placement.end();
    NoteMenus::shared().menu(NoteMenu::Main)->hide();
    if (event->button() == Qt::RightButton) {
        popUp(NoteMenu::Main, event->globalPosition().toPoint());
    } else if (event->button() == Qt::LeftButton) {
        startDrag(event->globalPosition());
    }
    QWidget::mousePressEvent(event);
}

void NoteWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton) {
        m_snapper->dragTo(event->globalPosition());
    }
    QWidget::mouseMoveEvent(event);
}

void NoteWindow::startDrag(const QPointF& globalPointer)
{
    // Where the compositor places windows (Wayland), it moves the note itself, snapping as it does for every window.
    if (!windowSystemPlacesWindows() && windowHandle() && windowHandle()->startSystemMove()) {
        return;
    }
    m_snapper->startDrag(globalPointer);
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
    if (watched == m_grip) {
        resizeByGrip(mouse);
        return true;
    }
    if (watched == m_close || watched == m_help) {
        if (release && mouse->button() == Qt::LeftButton) {
            runCommand({watched == m_close ? Command::CloseNote : Command::ShowHelp});
        }
        return true;
    }
    if (watched == m_subCaption) {
        // Its own menu on a right click; it does not move the note.
        if (release && mouse->button() == Qt::RightButton) {
            popUp(NoteMenu::Caption, at);
        } else if (doubleClick) {
            m_note->refreshSubCaption();
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
    if (watched == m_caption && mouse->button() == Qt::RightButton) {
        return true; // the caption takes the left button only: it drags the note
    }
    if (watched == m_icon || watched == m_caption) {
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
