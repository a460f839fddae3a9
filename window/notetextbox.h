// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "note/notelook.h"
#include "support/problem.h"

#include <QTextEdit>

class QSyntaxHighlighter;

namespace jotlet {

class NoteText;

// The text box of a note window: it edits the note's own document and keeps the note's selection in step with
// its own. Addresses in the text are shown as links while displayed (never written into the RTF); a left click
// opens one. Dropped files are handed to the window rather than inserted; a pasted file list is its paths.
class NoteTextBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit NoteTextBox(QWidget* parent = nullptr);

    // Shows and edits this text from now on.
    void showText(NoteText* text);
    // Lets go of the note's text before it goes (the box shows an empty text of its own from then on): a window
    // deleted later must not reach a document deleted before it.
    void detachText();

    // The paper and ink the text is drawn on (the note window's palette carries them): stored colours that cannot be
    // read on the paper are shown in the ink.
    void showPaint(const NotePaint& paint);

    // Opens the link at a document position when it is one the program may open.
    bool openLinkAt(int position);

    // Pops up the menu of the picture under a screen position, if there is one there: sizes, and the image viewer.
    bool popUpPictureMenu(const QPoint& globalPosition);
    // The widest a picture put in is shown: the text's width.
    int pictureFitWidth() const;

signals:
    // Before the box handles a key; a receiver may set *consume to keep the box from handling it.
    void keyPressed(QKeyEvent* event, bool* consume);
    void mousePressed(Qt::MouseButton button);
    void filesDropped(const QStringList& paths);
    // A picture the user pasted could not be put in.
    void pictureRefused(const jotlet::Problem& reason);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool clickOnBox(QMouseEvent* event);
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void dropEvent(QDropEvent* event) override;

private:
    void takeCursorFromText();
    void applyLocked(bool locked);
    QPointF inDocument(const QPointF& viewportPosition) const;
    int documentPositionAt(const QPoint& viewportPosition) const;
    bool checklistKey(QKeyEvent* event);
    void openPicture(int position);

    NoteText* m_text = nullptr;
    class ScreenHighlighter* m_links = nullptr;
    NotePaint m_paint;
    QPoint m_pressPosition;
    bool m_boxPressed = false; // the button went down on a check item's box
    bool m_syncing = false;
};

} // namespace jotlet
