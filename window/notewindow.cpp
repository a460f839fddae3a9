// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The note window: it follows its note and hands the user's commands to it.
#include "window/notewindow.h"

#include "note/notelogic.h"
#include "note/notetext.h"
#include "note/screens.h"
#include "platform/desktoplook.h"
#include "window/chromebutton.h"
#include "window/conflictstrip.h"

#include "window/edgesnapper.h"
#include "window/notetextbox.h"
#include "window/translucency.h"
#include "window/windowhelpers.h"
#include <QPushButton>

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

namespace jotlet {

namespace {

// A key that types text, rather than a command or a move.
bool isTyping(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers commandKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !event->text().isEmpty() && event->text().front().isPrint() && !(event->modifiers() & commandKeys);
}

bool g_outOfTaskbar = false;

} // namespace

NoteWindow::NoteWindow(Note* note)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , m_note(note)
{
    setObjectName(QStringLiteral("NoteWindow"));
    createChrome();
    m_textBox->showText(&note->text());
    m_snapper = std::make_unique<EdgeSnapper>(this);
    note->setDialogOwner(this);
    connect(note, &Note::changed, this, &NoteWindow::render);
    connect(note, &Note::stayOnTopChanged, this, &NoteWindow::applyStayOnTop);
    connect(note, &Note::showRequested, this, &NoteWindow::showNote);
    connect(note, &Note::raiseRequested, this, &QWidget::raise);
    connect(note, &Note::viewCommand, this, &NoteWindow::onViewCommand);
    connect(note, &Note::closed, this, [this] {
        hide();
        m_textBox->detachText();
        deleteLater();
    });
    connect(note, &QObject::destroyed, this, [this] {
        m_textBox->detachText(); // the note's text goes after this signal, with the note's children
        deleteLater();
    });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, &NoteWindow::onApplicationStateChanged);
    // The desktop turning dark or light, or the program's look setting, changes notes that follow them.
    DesktopLook::instance().start();
    connect(&DesktopLook::instance(), &DesktopLook::changed, this, &NoteWindow::renderColors);
    setStaysOnTop(this, note->staysOnTopNow());
    render(Note::Title | Note::SubCaption | Note::Colors | Note::Geometry | Note::RolledUp);
    addDropShadow(this);
}

NoteWindow::~NoteWindow() = default;

void NoteWindow::render(Note::Aspects aspects)
{
    if (!m_note) {
        return;
    }
    if (aspects & Note::Title) {
        setWindowTitle(m_note->title()); // task bars and window lists show the caption
        showCaption();
        showAccessibleName();
        showConflict();
    }
    if (aspects & Note::SubCaption) {
        showSubCaption();
    }
    if (aspects & Note::Colors) {
        renderColors();
    }
    if (aspects & Note::Geometry) {
        applyGeometry();
    }
    if (aspects & Note::Icon) {
        showIcon();
    }
    if (aspects & Note::Hidden) {
        applyHidden();
    }
    if (aspects & Note::RolledUp) {
        m_icon->setToolTip(m_note->iconTooltip());
        // Rolled up, a note is its icon alone: nothing else covers what the user double-clicks to restore it.
        for (QWidget* part :
             {static_cast<QWidget*>(m_help), static_cast<QWidget*>(m_close), static_cast<QWidget*>(m_textBox)}) {
            part->setVisible(!m_note->isRolledUp());
        }
        m_chrome.setShown(!m_note->isRolledUp());
        update();
        if (m_conflictStrip) {
            m_conflictStrip->setVisible(!m_note->isRolledUp() && m_note->isConflict());
        }
    }
}

void NoteWindow::showConflict()
{
    if (!m_note->isConflict()) {
        if (m_conflictStrip) {
            m_conflictStrip->hide();
        }
        return;
    }
    if (!m_conflictStrip) {
        m_conflictStrip = new ConflictStrip(this);
        connect(m_conflictStrip, &ConflictStrip::chosen, this, [this](ConflictChoice choice) {
            runCommand({Command::ResolveConflict, int(choice)});
        });
        setTabOrder(m_close, m_conflictStrip->button(ConflictChoice::KeepThis));
        setTabOrder(m_conflictStrip->button(ConflictChoice::KeepThis),
                    m_conflictStrip->button(ConflictChoice::KeepOther));
        setTabOrder(m_conflictStrip->button(ConflictChoice::KeepOther),
                    m_conflictStrip->button(ConflictChoice::KeepBoth));
        setTabOrder(m_conflictStrip->button(ConflictChoice::KeepBoth), m_textBox);
    }
    m_conflictStrip->setText(m_note->storage()->conflictText());
    m_conflictStrip->setVisible(!m_note->isRolledUp());
    layoutChrome();
}

void NoteWindow::applyGeometry()
{
    const QRect pixels = toPixels(m_note->geometry(), twipsPerPixel(screen()));
    if (pixels == m_appliedPixels && geometry() == pixels) {
        return;
    }
    m_appliedPixels = pixels;
    m_applying = true;
    move(pixels.topLeft());
    resize(pixels.size());
    m_applying = false;
}

void NoteWindow::reportGeometry()
{
    if (m_applying || !m_note || !isVisible()) {
        return;
    }
    // Only what the user (or the window manager) changed goes back: a place or size that is no whole number of
    // pixels (500 twips at 15 per pixel) stays exact in the note.
    const TwipsPerPixel perPixel = twipsPerPixel(screen());
    QRect twips = m_note->geometry();
    const QRect now = geometry();
    // Where the window system does not report a window's place (Wayland), the note keeps the place it has.
    if (now.topLeft() != m_appliedPixels.topLeft() && windowSystemPlacesWindows()) {
        twips.moveTopLeft(toTwips(now, perPixel).topLeft());
    }
    if (now.size() != m_appliedPixels.size()) {
        twips.setSize(toTwips(now, perPixel).size());
    }
    m_appliedPixels = now;
    m_note->setGeometry(twips);
}

void NoteWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    reportGeometry();
}

void NoteWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    reportGeometry();
    layoutChrome();
}

void NoteWindow::showNote(Note::Focus focus)
{
    applyGeometry();
    if (focus == Note::Focus::Leave) {
        // Where the user types stays where it is.
        setAttribute(Qt::WA_ShowWithoutActivating);
        show();
        setAttribute(Qt::WA_ShowWithoutActivating, false);
        applyStayOnTop(m_note->staysOnTopNow());
        return;
    }
    show();
    applyStayOnTop(m_note->staysOnTopNow());
    activateWindow();
    m_textBox->setFocus();
}

void NoteWindow::applyHidden()
{
    if (m_note->isHidden()) {
        hide();
        return;
    }
    // Back on the desktop where it was, without taking the keyboard from where the user types.
    applyGeometry();
    setAttribute(Qt::WA_ShowWithoutActivating);
    show();
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    applyStayOnTop(m_note->staysOnTopNow());
}

void NoteWindow::showEvent(QShowEvent* event)
{
    // The window manager reads the taskbar state when it maps the window, which follows this event.
    if (g_outOfTaskbar) {
        setKeptOutOfTaskbar(this, true, WindowMapping::NotYet);
    }
    QWidget::showEvent(event);
}

void NoteWindow::keepOutOfTaskbar(bool out)
{
    if (g_outOfTaskbar == out) {
        return;
    }
    g_outOfTaskbar = out;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<NoteWindow*>(widget); window && window->isVisible()) {
            setKeptOutOfTaskbar(window, out, WindowMapping::Mapped);
        }
    }
}

void NoteWindow::applyStayOnTop(bool on)
{
    setStaysOnTop(this, on);
}

void NoteWindow::runCommand(CommandCall call)
{
    if (m_note) {
        m_note->run(call.command, call.index, QGuiApplication::queryKeyboardModifiers());
    }
}

void NoteWindow::popUp(NoteMenu which, const QPoint& at)
{
    if (!m_note) {
        return;
    }
    QPointer<NoteWindow> self(this);
    NoteMenus::shared().popUp(which, *m_note, at, [self](CommandCall call) {
        if (self) {
            self->runCommand(call);
        }
    });
}

void NoteWindow::popUpForText(const QPoint& at)
{
    if (m_textBox->popUpPictureMenu(at)) {
        return; // a picture's own menu
    }
    popUp(m_textBox->textCursor().hasSelection() ? NoteMenu::Selection : NoteMenu::Main, at);
}

QPoint NoteWindow::caretPosition() const
{
    // From the keyboard the menu opens at the caret, inside the note, wherever the pointer is.
    const QRect caret = m_textBox->cursorRect().intersected(m_textBox->viewport()->rect());
    const QPoint inBox = caret.isValid() ? caret.bottomLeft() : m_textBox->viewport()->rect().topLeft();
    return m_textBox->viewport()->mapToGlobal(inBox);
}

void NoteWindow::onViewCommand(Command command)
{
    switch (command) {
    case Command::Paste:
        m_textBox->paste();
        break;
    case Command::Undo:
        m_textBox->undo();
        break;
    case Command::Cut:
        m_textBox->cut();
        break;
    case Command::Copy:
        m_textBox->copy();
        break;
    case Command::ShowSystemMenu: // from the keyboard: under the icon, whatever the pointer does
        popUp(NoteMenu::System, m_icon->mapToGlobal(m_icon->rect().bottomLeft()));
        break;
    case Command::KeyboardMove:
        beginKeyboardPlacement(KeyboardPlacement::Mode::Move);
        break;
    case Command::KeyboardSize:
        beginKeyboardPlacement(KeyboardPlacement::Mode::Size);
        break;
    default:
        break;
    }
}

namespace {

// The keyboard's keys for a context menu: the Menu key and Shift+F10.
bool isMenuKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && (event->modifiers() & Qt::ShiftModifier));
}

} // namespace

void NoteWindow::onTextKeyPressed(QKeyEvent* event, bool* consume)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (keyboardPlacementKey(event)) {
        *consume = true;
        return;
    }
    if (key == Qt::Key_Tab && (modifiers & Qt::ControlModifier)) {
        *consume = focusChrome(true);
        return;
    }
    if (key == Qt::Key_Backtab && (modifiers & Qt::ControlModifier)) {
        *consume = focusChrome(false);
        return;
    }
    m_keys.press(key, modifiers, event->isAutoRepeat(), event->timestamp());
    if (m_note && m_note->isRolledUp()) {
        // Text the user cannot see is never edited: typing unrolls the note first, other keys do nothing to it.
        if (!isTyping(event)) {
            *consume = true;
            return;
        }
        m_note->run(Command::RestoreSize);
    }
    if (isMenuKey(event)) {
        popUpForText(caretPosition());
        *consume = key != Qt::Key_Menu;
    } else if (key == Qt::Key_V && (modifiers & Qt::ControlModifier) && (modifiers & Qt::ShiftModifier)) {
        *consume = true; // the plain paste happens when the key is released
    }
}

void NoteWindow::beginKeyboardPlacement(KeyboardPlacement::Mode mode)
{
    if (mode == KeyboardPlacement::Mode::Move && !windowSystemPlacesWindows()) {
        return; // the compositor places windows (Wayland)
    }
    m_placement.begin(mode, geometry(), minimumSize());
    m_placementPointer = QPointF(geometry().center());
    showPlacementCue(mode);
    if (mode == KeyboardPlacement::Mode::Move) {
        m_snapper->startDrag(m_placementPointer);
    }
    activateWindow();
    m_textBox->setFocus(Qt::OtherFocusReason); // the arrows come to the text box's key filter
}

bool NoteWindow::keyboardPlacementKey(QKeyEvent* event)
{
    if (!m_placement.isActive()) {
        return false;
    }
    switch (m_placement.key(event->key(), event->modifiers())) {
    case KeyboardPlacement::Outcome::Ignored:
        m_placement.end(); // any other key ends it where the note is, and does what it does
        showPlacementCue(KeyboardPlacement::Mode::Idle);
        return false;
    case KeyboardPlacement::Outcome::Moved:
        m_snapper->dragTo(m_placementPointer + QPointF(m_placement.offset()));
        break;
    case KeyboardPlacement::Outcome::Sized:
        resize(m_placement.size());
        break;
    case KeyboardPlacement::Outcome::Cancelled:
        setGeometry(m_placement.original());
        break;
    case KeyboardPlacement::Outcome::Kept:
        break;
    }
    showPlacementCue(m_placement.isActive() ? m_placement.mode() : KeyboardPlacement::Mode::Idle);
    m_keys.ignore(event->key()); // its release does not also act as a note key (Esc would roll the note up)
    return true;
}

void NoteWindow::keyPressEvent(QKeyEvent* event)
{
    if (keyboardPlacementKey(event)) {
        return;
    }
    // The keyboard's menu keys from the icon, help or close, as from the text.
    if (isMenuKey(event)) {
        popUpForText(caretPosition());
        return;
    }
    if (m_note && m_note->isRolledUp() && isTyping(event)) {
        m_textBox->setFocus(); // the text box takes it from here, unrolling the note
        QCoreApplication::sendEvent(m_textBox, event);
        return;
    }
    m_keys.press(event->key(), event->modifiers(), event->isAutoRepeat(), event->timestamp());
    QWidget::keyPressEvent(event);
}

void NoteWindow::keyReleaseEvent(QKeyEvent* event)
{
    // Keys released in the text box reach the window too: the box leaves key releases to its parent.
    const auto held = m_keys.release(event->key(), event->modifiers(), event->isAutoRepeat(), event->timestamp());
    if (held) {
        const CommandCall call = keyCommand(event->key(), *held);
        if (call.command != Command::None) {
            runCommand(call);
        }
    }
    QWidget::keyReleaseEvent(event);
}

void NoteWindow::closeEvent(QCloseEvent* event)
{
    // Alt+F4 from the window manager, or the end of the program: the note decides.
    if (m_note && !m_note->isClosed() && !m_note->close()) {
        event->ignore();
        return;
    }
    event->accept();
}

void NoteWindow::applyActivation(bool active)
{
    if (active) {
        m_translucency.reset();
        return;
    }
    if (!m_note || m_note->alpha() == 255 || !isVisible()) {
        return;
    }
    if (!m_translucency) {
        m_translucency = std::make_unique<Translucency>(this, m_note->alpha());
    } else {
        m_translucency->setAlpha(m_note->alpha());
    }
}

void NoteWindow::onApplicationStateChanged(Qt::ApplicationState state)
{
    if (!m_note || !isVisible()) {
        return;
    }
    if (state == Qt::ApplicationActive) {
        m_translucency.reset();
        applyStayOnTop(m_note->staysOnTopNow());
    } else if (state == Qt::ApplicationInactive) {
        applyActivation(false);
    }
}

namespace {

// A thick frame in the highlight colour around the whole note, over its parts, letting the mouse through.
class PlacementCue : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QPen pen(palette().color(QPalette::Highlight), 3, Qt::DashLine);
        painter.setPen(pen);
        painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
};

} // namespace

void NoteWindow::showPlacementCue(KeyboardPlacement::Mode mode)
{
    const bool on = mode != KeyboardPlacement::Mode::Idle;
    if (on && !m_placementCue) {
        m_placementCue = new PlacementCue(this);
        m_placementCue->setObjectName(QStringLiteral("placementCue"));
        m_placementCue->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    if (m_placementCue) {
        m_placementCue->setGeometry(rect());
        m_placementCue->setVisible(on);
        m_placementCue->raise();
    }
    // The pointer's shape says it too, and a screen reader hears what the keys do now.
    m_gripCursor = false;
    if (on) {
        setCursor(mode == KeyboardPlacement::Mode::Move ? Qt::SizeAllCursor : Qt::SizeFDiagCursor);
        setAccessibleDescription(mode == KeyboardPlacement::Mode::Move
                                     ? tr("Moving: the arrow keys move the note, Enter keeps it, Esc takes it back")
                                     : tr("Sizing: the arrow keys size the note, Enter keeps it, Esc takes it back"));
    } else {
        unsetCursor();
        setAccessibleDescription(QString());
    }
}

void NoteWindow::showAccessibleName()
{
    // What a screen reader says as the note comes to the front: its first words, and whether it is unsaved (the
    // visible title says only the file).
    const QString words = noteDisplayName(QString(), m_note->text().text());
    const QString name = m_note->isUnsaved() ? tr("Note %1, not saved").arg(words) : tr("Note %1").arg(words);
    if (accessibleName() != name) {
        setAccessibleName(name);
    }
}

void NoteWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) {
            showAccessibleName(); // the words may have changed since: a screen reader says them as the note comes
        }
        applyActivation(isActiveWindow());
    }
    QWidget::changeEvent(event);
}

} // namespace jotlet
