// The note window's chrome: its controls and their layout, moving, resizing, rolling up and the sub-caption.
#include "window/frmmain.h"

#include "support/errorlog.h"
#include "window/notelogic.h"
#include "window/richtextbox.h"

#include "window/notemenus.h"
#include <QFrame>

#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <cmath>

namespace jotlet {

namespace {

// Small pictures for the chrome, drawn here so the note looks the same with any icon theme.
QPixmap drawnIcon(const QString& kind, int size)
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
    } else if (kind == QLatin1String("close") || kind == QLatin1String("help")) {
        p.setBrush(QColor(128, 128, 128));
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

QLabel* pictureLabel(QWidget* parent, const QString& name, const QString& tooltip)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setToolTip(tooltip);
    label->setScaledContents(true);
    return label;
}

} // namespace

void frmMain::createControls()
{
    m_rtb = new RichTextBox(this);
    m_rtb->setObjectName(QStringLiteral("RTB1"));
    m_rtb->setFrameShape(QFrame::NoFrame);
    connect(m_rtb, &RichTextBox::Change, this, &frmMain::RTB1_Change);

    m_caption = new QLabel(QStringLiteral("Jotlet"), this);
    m_caption->setObjectName(QStringLiteral("lblCaption"));
    m_caption->setFont(QFont(QStringLiteral("Verdana"), 9));
    m_caption->setAutoFillBackground(true);
    m_caption->setStyleSheet(QStringLiteral("background: rgb(128,128,128); color: white;"));

    m_subCaption = new QLabel(this);
    m_subCaption->setObjectName(QStringLiteral("lblSubCaption"));
    m_subCaption->setFont(QFont(QStringLiteral("Verdana"), 8));
    m_subCaption->setToolTip(QStringLiteral("Double-click to refresh caption"));

    const QString iconTip = QStringLiteral("Right-click for options");
    m_icon = pictureLabel(this, QStringLiteral("imgIcon"), iconTip);
    m_iconReminder[0] = pictureLabel(this, QStringLiteral("imgIconReminder0"), iconTip);
    m_iconReminder[1] = pictureLabel(this, QStringLiteral("imgIconReminder1"), iconTip);
    m_iconReminder[0]->hide();
    m_iconReminder[1]->hide();
    m_help = pictureLabel(this, QStringLiteral("imgHelp"), QStringLiteral("Display help"));
    m_close = pictureLabel(this, QStringLiteral("CloseImage"), QStringLiteral("Close note"));
    m_resize = pictureLabel(this, QStringLiteral("imgResize"), QStringLiteral("Resize note"));
    m_resize->setCursor(Qt::SizeFDiagCursor);
    m_line = new QFrame(this);
    m_line->setObjectName(QStringLiteral("Line1"));
    m_line->setFrameShape(QFrame::HLine);

    for (QWidget* w : {static_cast<QWidget*>(m_caption),
                       static_cast<QWidget*>(m_subCaption),
                       static_cast<QWidget*>(m_icon),
                       static_cast<QWidget*>(m_iconReminder[0]),
                       static_cast<QWidget*>(m_iconReminder[1]),
                       static_cast<QWidget*>(m_close),
                       static_cast<QWidget*>(m_help),
                       static_cast<QWidget*>(m_resize)}) {
        w->installEventFilter(this);
    }
}

qint32 frmMain::twipsOf(TwipsAxis& axis, int pixels, double perPixel)
{
    if (axis.set && axis.pixels == pixels) {
        return axis.twips;
    }
    return qint32(std::lround(pixels * perPixel));
}

int frmMain::pixelsOf(TwipsAxis& axis, qint32 twips, double perPixel)
{
    axis.set = true;
    axis.twips = twips;
    axis.pixels = int(std::lround(twips / perPixel));
    return axis.pixels;
}

qint32 frmMain::Height()
{
    return twipsOf(m_height, height(), twipsPerPixel(this).y);
}

qint32 frmMain::Width()
{
    return twipsOf(m_width, width(), twipsPerPixel(this).x);
}

qint32 frmMain::Left()
{
    return twipsOf(m_left, x(), twipsPerPixel(this).x);
}

qint32 frmMain::Top()
{
    return twipsOf(m_top, y(), twipsPerPixel(this).y);
}

QSize frmMain::desktopTwips() const
{
    const QRect desktop = screen() ? screen()->virtualGeometry() : QRect(0, 0, 1024, 768);
    const TwipsPerPixel tpp = twipsPerPixel(this);
    return {int(std::lround(desktop.width() * tpp.x)), int(std::lround(desktop.height() * tpp.y))};
}

void frmMain::setHeight(qint32 twips)
{
    // A note never grows past the desktop, whatever a file says: a window of 2^31 twips would need gigabytes.
    twips = sizeWithinDesktop(twips, kMinimumHeightTwips, desktopTwips().height());
    resize(width(), pixelsOf(m_height, twips, twipsPerPixel(this).y));
}

void frmMain::setWidth(qint32 twips)
{
    twips = sizeWithinDesktop(twips, kMinimumWidthTwips, desktopTwips().width());
    resize(pixelsOf(m_width, twips, twipsPerPixel(this).x), height());
}

void frmMain::setLeft(qint32 twips)
{
    move(pixelsOf(m_left, twips, twipsPerPixel(this).x), y());
}

void frmMain::setTop(qint32 twips)
{
    move(x(), pixelsOf(m_top, twips, twipsPerPixel(this).y));
}

void frmMain::layoutChrome()
{
    const TwipsPerPixel tpp = twipsPerPixel(this);
    const auto px
        = [&tpp](double twips, bool vertical) { return int(std::lround(twips / (vertical ? tpp.y : tpp.x))); };
    const auto place = [&](QWidget* w, double left, double top, double wide, double high) {
        w->setGeometry(px(left, false), px(top, true), qMax(0, px(wide, false)), qMax(0, px(high, true)));
    };
    // The window manager keeps the minimum during its own sizing; the check below covers the rest.
    const QSize minimum(px(kMinimumWidthTwips, false), px(kMinimumHeightTwips, true));
    if (minimumSize() != minimum) {
        setMinimumSize(minimum);
    }
    const int w = Width();
    const int h = Height();
    if (h < kMinimumHeightTwips || w < kMinimumWidthTwips) {
        const QSize limited = limitedSize(QSize(w, h));
        setWidth(limited.width());
        setHeight(limited.height());
    }
    place(m_rtb, 45, 360, w - 220, h - 700);
    const int gripSize = 180;
    place(m_subCaption, 40, h - 320, w - gripSize, 255);
    place(m_line, 50, h - 350, w - 220 - 50, 15);
    place(m_resize, w - gripSize - 50, h - gripSize - 50, gripSize, gripSize);
    place(m_caption, 480, 10, w - 1100, 250);
    const int button = 255;
    place(m_close, w - button - 30, 10, button, button);
    place(m_help, w - 2 * button - 50, 10, button, button);
    for (QLabel* icon : {m_icon, m_iconReminder[0], m_iconReminder[1]}) {
        place(icon, 0, icon == m_iconReminder[1] ? 0 : 15, 480, 480);
    }
    const int iconPx = px(480, false);
    if (m_icon->pixmap().width() != iconPx) {
        m_icon->setPixmap(drawnIcon(QStringLiteral("note"), iconPx));
        m_close->setPixmap(drawnIcon(QStringLiteral("close"), px(button, false)));
        m_help->setPixmap(drawnIcon(QStringLiteral("help"), px(button, false)));
        m_resize->setPixmap(drawnIcon(QStringLiteral("grip"), px(gripSize, false)));
    }
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutChrome();
}

void frmMain::mousePressEvent(QMouseEvent* event)
{
    menus().mnuPopUpMenu()->hide();
    if (event->button() == Qt::RightButton) {
        menus().mnuPopUpMenu()->popup(event->globalPosition().toPoint());
    } else if (event->button() == Qt::LeftButton) {
        const TwipsPerPixel tpp = twipsPerPixel(this);
        m_cDock.StartDockDrag(float(event->position().x() * tpp.x), float(event->position().y() * tpp.y));
    }
    QWidget::mousePressEvent(event);
}

void frmMain::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton) {
        const TwipsPerPixel tpp = twipsPerPixel(this);
        m_cDock.UpdateDockDrag(float(event->position().x() * tpp.x), float(event->position().y() * tpp.y));
    }
    QWidget::mouseMoveEvent(event);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (chromeMouseEvent(watched, event)) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool frmMain::chromeMouseEvent(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonDblClick
        && type != QEvent::MouseButtonRelease) {
        return false;
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    const bool isIcon = watched == m_icon || watched == m_iconReminder[0] || watched == m_iconReminder[1];
    if (watched == m_resize) {
        resizeByGrip(mouse);
        return true;
    }
    if (watched == m_close && type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
        close();
        return true;
    }
    if (watched == m_subCaption && type == QEvent::MouseButtonRelease && mouse->button() == Qt::RightButton) {
        menus().mnuPopupCaption()->popup(mouse->globalPosition().toPoint());
        return true;
    }
    if (isIcon && type == QEvent::MouseButtonPress && mouse->button() == Qt::RightButton) {
        menus().mnuSystemMenu()->popup(mouse->globalPosition().toPoint());
        return true;
    }
    if (watched == m_help && type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
        runMenuCommand(QStringLiteral("mnuHelp"), -1);
        return true;
    }
    if (watched == m_subCaption && type == QEvent::MouseButtonDblClick) {
        refreshSubCaption();
        return true;
    }
    if (isIcon && type == QEvent::MouseButtonDblClick) {
        ToggleMinimize();
        return true;
    }
    if (isIcon || watched == m_caption) {
        // The element moves with the window, so window coordinates serve as the element's.
        const QPointF pos = static_cast<QWidget*>(watched)->mapTo(this, mouse->position());
        const TwipsPerPixel tpp = twipsPerPixel(this);
        if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
            m_cDock.StartDockDrag(float(pos.x() * tpp.x), float(pos.y() * tpp.y));
            return true;
        }
        if (type == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton)) {
            m_cDock.UpdateDockDrag(float(pos.x() * tpp.x), float(pos.y() * tpp.y));
            return true;
        }
    }
    return false;
}

void frmMain::resizeByGrip(QMouseEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        // The window manager's own sizing loop where there is one; otherwise follow the mouse.
        if (windowHandle() && windowHandle()->startSystemResize(Qt::BottomEdge | Qt::RightEdge)) {
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

void frmMain::MinimizeNote()
{
    ensureLoaded();
    m_record.Height = Height();
    m_record.Width = Width();
    setHeight(kMinimumHeightTwips);
    setWidth(kMinimumWidthTwips);
    m_icon->setToolTip(rollUpTooltip(m_rtb->Text()));
    m_minimizeEnabled = false;
    menus().item(QStringLiteral("mnuSystemMinimize"))->setEnabled(false);
}

void frmMain::RestoreNote()
{
    ensureLoaded();
    setHeight(m_record.Height);
    setWidth(m_record.Width);
    m_icon->setToolTip(QStringLiteral("Right-click for options"));
    m_minimizeEnabled = true;
    menus().item(QStringLiteral("mnuSystemMinimize"))->setEnabled(true);
}

void frmMain::ToggleMinimize()
{
    if (Width() == kMinimumWidthTwips) {
        RestoreNote();
    } else {
        MinimizeNote();
    }
}

void frmMain::DefaultSize()
{
    setWidth(kDefaultWidthTwips);
    setHeight(kDefaultHeightTwips);
}

void frmMain::Reset()
{
    ensureLoaded();
    DefaultSize();
    SetNoteColor(QStringLiteral("yellow"), true);
    m_record.TimeDate = generalDateTimeText(QDateTime::currentDateTime());
    setSubCaption(m_record.TimeDate);
    m_tag.clear();
    setCaption(QStringLiteral("Jotlet - "));
}

void frmMain::StopSpecialNote()
{
    ensureLoaded();
    m_iconReminder[0]->hide();
    m_iconReminder[1]->hide();
    m_icon->show();
    setCaption(noteTitle(m_tag, false));
}

} // namespace jotlet
