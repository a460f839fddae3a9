// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "note/command.h"
#include "note/note.h"
#include "window/keyboardplacement.h"
#include "window/notemenus.h"
#include "window/paintedchrome.h"

#include <QCursor>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <memory>

class QHelpEvent;

namespace jotlet {

class ChromeButton;
class ConflictStrip;
class EdgeSnapper;
class NoteTextBox;
class Translucency;

// A note on the desktop: a frameless window that shows a Note and turns the user's mouse and keys into calls on
// it. Its chrome: the note icon, the caption line, help and close buttons, the text box, a separator, the
// sub-caption and the resize grip. The window goes when its note closes.
class NoteWindow : public QWidget
{
    Q_OBJECT

public:
    explicit NoteWindow(Note* note);
    ~NoteWindow() override;

    Note* note() const { return m_note; }
    NoteTextBox* textBox() const { return m_textBox; }
    // The caption, sub-caption, line and grip, which the window draws.
    const PaintedChrome& chrome() const { return m_chrome; }

    // Runs a command from a menu or a key on the note.
    void runCommand(CommandCall call);
    // Pops one of the note's menus up at a screen position.
    void popUp(NoteMenu which, const QPoint& at);

    // Whether note windows stay out of the taskbar and pager: those shown from now on, and those open now.
    static void keepOutOfTaskbar(bool out);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createChrome();
    void layoutChrome();
    void showCaption();
    void showSubCaption();
    void showAccessibleName();
    void showPlacementCue(KeyboardPlacement::Mode mode);
    void showIcon();
    void showConflict();
    void render(Note::Aspects aspects);
    void renderColors();
    void applyGeometry();
    void reportGeometry();
    void showNote(Note::Focus focus);
    void applyHidden();
    void applyStayOnTop(bool on);
    void applyActivation(bool active);
    void onApplicationStateChanged(Qt::ApplicationState state);
    void onViewCommand(Command command);
    void onTextKeyPressed(QKeyEvent* event, bool* consume);
    void popUpForText(const QPoint& at = QCursor::pos());
    QPoint caretPosition() const;
    bool chromeMouseEvent(QObject* watched, QMouseEvent* event);
    bool paintedPartMouseEvent(ChromePart part, QMouseEvent* event);
    void showHoverCursor(const QPoint& at);
    bool showPartToolTip(QHelpEvent* event);
    void startDrag(const QPointF& globalPointer);
    void resizeByGrip(QMouseEvent* event);
    ChromeButton*
    chromeButton(const QString& name, const QString& accessibleName, const QString& tooltip, Command pressed);
    bool focusChrome(bool forward);
    void beginKeyboardPlacement(KeyboardPlacement::Mode mode);
    bool keyboardPlacementKey(QKeyEvent* event);

    QPointer<Note> m_note;
    NoteTextBox* m_textBox = nullptr;
    PaintedChrome m_chrome;
    ChromePart m_pressedPart = ChromePart::None; // the drawn part a mouse button went down on
    bool m_gripCursor = false;
    ChromeButton* m_icon = nullptr;
    ChromeButton* m_help = nullptr;
    ChromeButton* m_close = nullptr;
    ConflictStrip* m_conflictStrip = nullptr;
    std::unique_ptr<EdgeSnapper> m_snapper;
    std::unique_ptr<Translucency> m_translucency;
    QRect m_appliedPixels; // the geometry last taken from the note, so moves of the user's own can be told apart
    bool m_applying = false;
    KeyPresses m_keys;
    QPoint m_gripStart;
    QSize m_gripStartSize;
    KeyboardPlacement m_placement;
    QWidget* m_placementCue = nullptr; // the frame that shows while the keyboard moves or sizes the note
    QPointF m_placementPointer;        // the imagined pointer a keyboard move starts from
};

} // namespace jotlet
