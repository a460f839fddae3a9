// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/notetextbox.h"

#include "note/desktop.h"
#include "note/notetext.h"
#include "window/links.h"

#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QStyleHints>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextList>
#include <QUrl>

namespace jotlet {

namespace {

// Underlines addresses on screen only: highlighter formats live in the layout, not in the
// document, so the RTF writer never sees them.
class LinkHighlighter : public QSyntaxHighlighter
{
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

protected:
    void highlightBlock(const QString& text) override
    {
        for (const TextLink& link : findLinks(text)) {
            QTextCharFormat format;
            format.setFontUnderline(true);
            format.setForeground(QColor(0, 0, 238));
            setFormat(link.start, link.length, format);
        }
    }
};

} // namespace

NoteTextBox::NoteTextBox(QWidget* parent)
    : QTextEdit(parent)
{
    setAcceptRichText(true);
    setTabChangesFocus(false);
}

void NoteTextBox::showText(NoteText* text)
{
    m_text = text;
    setDocument(text->document());
    delete m_links;
    m_links = new LinkHighlighter(text->document());
    // The note's commands act on the note's selection: each side takes the other's over when it moves.
    connect(this, &QTextEdit::cursorPositionChanged, this, [this] {
        if (!m_syncing && m_text) {
            m_text->setCursor(textCursor());
        }
    });
    connect(this, &QTextEdit::selectionChanged, this, [this] {
        if (!m_syncing && m_text) {
            m_text->setCursor(textCursor());
        }
    });
    connect(text, &NoteText::cursorChanged, this, &NoteTextBox::takeCursorFromText);
    connect(text, &NoteText::lockedChanged, this, &NoteTextBox::applyLocked);
    takeCursorFromText();
    applyLocked(text->isLocked());
}

void NoteTextBox::detachText()
{
    if (!m_text) {
        return;
    }
    disconnect(m_text, nullptr, this, nullptr);
    m_text = nullptr;
    delete m_links;
    m_links = nullptr;
    m_syncing = true;
    setDocument(new QTextDocument(this));
    m_syncing = false;
}

void NoteTextBox::takeCursorFromText()
{
    m_syncing = true;
    setTextCursor(m_text->cursor());
    m_syncing = false;
}

void NoteTextBox::applyLocked(bool locked)
{
    // Read-only stops the user only; the program still edits through cursors.
    setReadOnly(locked);
    if (locked) {
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
}

bool NoteTextBox::openLinkAt(int position)
{
    const QTextBlock block = document()->findBlock(position);
    const TextLink link = linkAt(block.text(), position - block.position());
    if (link.url.isEmpty() || !isOpenableLink(link.url)) {
        return false;
    }
    openForUser(link.url,
                window(),
                {tr("Open Link"), tr("The link could not be opened: %1."), QStringLiteral("frmMain: OpenLink"), true});
    return true;
}

void NoteTextBox::keyPressEvent(QKeyEvent* event)
{
    bool consume = false;
    emit keyPressed(event, &consume);
    if (consume) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void NoteTextBox::mousePressEvent(QMouseEvent* event)
{
    m_pressPosition = event->position().toPoint();
    emit mousePressed(event->button());
    QTextEdit::mousePressEvent(event);
    // A right press belongs to the box (its owner opens a menu for it); it must not reach the window behind.
    if (event->button() == Qt::RightButton) {
        event->accept();
    }
}

void NoteTextBox::mouseReleaseEvent(QMouseEvent* event)
{
    QTextEdit::mouseReleaseEvent(event);
    const bool click = (event->position().toPoint() - m_pressPosition).manhattanLength()
                       < QGuiApplication::styleHints()->startDragDistance();
    if (event->button() == Qt::LeftButton && click && !textCursor().hasSelection()) {
        openLinkAt(cursorForPosition(event->position().toPoint()).position());
    }
}

void NoteTextBox::mouseMoveEvent(QMouseEvent* event)
{
    QTextEdit::mouseMoveEvent(event);
    const int position = cursorForPosition(event->position().toPoint()).position();
    const QTextBlock block = document()->findBlock(position);
    const bool overLink = !linkAt(block.text(), position - block.position()).url.isEmpty();
    viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
}

namespace {

QStringList localFiles(const QMimeData* data)
{
    QStringList files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            files << url.toLocalFile();
        }
    }
    return files;
}

} // namespace

bool NoteTextBox::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasUrls() || QTextEdit::canInsertFromMimeData(source);
}

void NoteTextBox::insertFromMimeData(const QMimeData* source)
{
    // A paste inserts what the clipboard holds: a copied file list (a file manager's copy) as its paths, one a line,
    // other text as it is. Only a drop reads a file.
    if (!source->hasUrls() || source->hasHtml()) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    QStringList lines;
    for (const QUrl& url : source->urls()) {
        lines << (url.isLocalFile() ? url.toLocalFile() : url.toString());
    }
    textCursor().insertText(lines.join(QLatin1Char('\n')));
}

void NoteTextBox::dropEvent(QDropEvent* event)
{
    const QStringList files = localFiles(event->mimeData());
    if (files.isEmpty()) {
        QTextEdit::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    emit filesDropped(files);
}

} // namespace jotlet
