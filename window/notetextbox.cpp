// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/notetextbox.h"

#include "note/checklist.h"
#include "note/desktop.h"
#include "note/notepictures.h"
#include "note/notetext.h"
#include "rtf/pictures.h"
#include "rtf/reader.h"
#include "rtf/writer.h"
#include "window/links.h"

#include <QAbstractTextDocumentLayout>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleHints>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <QTextList>
#include <QUrl>

#include <memory>

namespace jotlet {

namespace {

} // namespace

// What the screen shows differently from what is stored: addresses underlined as links, and stored colours that
// cannot be read on the note's paper (black text on a dark note) in its ink. Highlighter formats live in the layout,
// not in the document, so the RTF writer never sees them.
class ScreenHighlighter : public QSyntaxHighlighter
{
public:
    ScreenHighlighter(QTextDocument* document, const NotePaint& paint)
        : QSyntaxHighlighter(document)
        , m_paint(paint)
    {
    }

    void setPaint(const NotePaint& paint)
    {
        const bool differs = paint.paper != m_paint.paper || paint.ink != m_paint.ink;
        m_paint = paint;
        if (differs) {
            // Shown anew, not changed: the note must not take the redraw for an edit (an unsaved mark, a save
            // question). The layout is told directly, not through the signals.
            const QSignalBlocker quiet(document());
            rehighlight();
        }
    }

protected:
    void highlightBlock(const QString& text) override
    {
        for (auto it = currentBlock().begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat stored = fragment.charFormat();
            if (!m_paint.paper.isValid() || !stored.hasProperty(QTextFormat::ForegroundBrush)) {
                continue;
            }
            const QColor color = stored.foreground().color();
            const QColor shown = legibleColor(color, m_paint);
            if (shown != color) {
                QTextCharFormat format;
                format.setForeground(shown);
                setFormat(fragment.position() - currentBlock().position(), fragment.length(), format);
            }
        }
        for (const TextLink& link : findLinks(text)) {
            QTextCharFormat format;
            format.setFontUnderline(true);
            format.setForeground(m_paint.link.isValid() ? m_paint.link : QColor(0, 0, 238));
            setFormat(link.start, link.length, format);
        }
    }

private:
    NotePaint m_paint;
};

NoteTextBox::NoteTextBox(QWidget* parent)
    : QTextEdit(parent)
{
    setAcceptRichText(true);
    setTabChangesFocus(false);
    // The paper is the window's, painted under the text. A text box that filled its own would cut the window's
    // painting into pieces around it, and every note would hold on to the clip that takes.
    viewport()->setAutoFillBackground(false);
}

void NoteTextBox::showText(NoteText* text)
{
    m_text = text;
    setDocument(text->document());
    delete m_links;
    m_links = new ScreenHighlighter(text->document(), m_paint);
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

void NoteTextBox::showPaint(const NotePaint& paint)
{
    m_paint = paint;
    if (m_links) {
        m_links->setPaint(paint);
    }
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
    if (consume || checklistKey(event)) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

// Ctrl+Enter ticks or unticks the check item at the caret; Enter in a check item starts the next one, or ends the
// list at an empty one.
bool NoteTextBox::checklistKey(QKeyEvent* event)
{
    if ((event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) || isReadOnly()) {
        return false;
    }
    QTextCursor cursor = textCursor();
    if (event->modifiers() & Qt::ControlModifier) {
        return toggleCheckItem(cursor.block());
    }
    if (event->modifiers() & Qt::ShiftModifier || !checklistEnter(cursor)) {
        return false;
    }
    setTextCursor(cursor);
    ensureCursorVisible();
    return true;
}

QPointF NoteTextBox::inDocument(const QPointF& viewportPosition) const
{
    return viewportPosition + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

int NoteTextBox::documentPositionAt(const QPoint& viewportPosition) const
{
    return document()->documentLayout()->hitTest(inDocument(viewportPosition), Qt::ExactHit);
}

int NoteTextBox::pictureFitWidth() const
{
    // Room for the vertical scroll bar that a tall picture brings, so that none has to scroll sideways.
    const int scrollBar = verticalScrollBar()->isVisible() ? 0 : style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    // And the indent of the paragraph it goes into (a list item's starts further in).
    const QTextBlock block = textCursor().block();
    const QTextLayout* layout = block.layout();
    const int indent = layout && layout->lineCount() > 0 ? int(layout->lineAt(0).x()) : 0;
    return qMax(16, viewport()->width() - int(2 * document()->documentMargin()) - scrollBar - indent - 4);
}

bool NoteTextBox::clickOnBox(QMouseEvent* event)
{
    // A click on a check item's box ticks or unticks it, and does not move the caret. The whole click is the box's:
    // Qt's own text control would tick the box again as the button goes up (it knows boxes too).
    if (event->button() != Qt::LeftButton || isReadOnly()
        || !toggleCheckItem(document()->documentLayout()->blockWithMarkerAt(inDocument(event->position())))) {
        return false;
    }
    m_boxPressed = true;
    event->accept();
    return true;
}

void NoteTextBox::mousePressEvent(QMouseEvent* event)
{
    if (clickOnBox(event)) {
        return;
    }
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
    if (m_boxPressed) {
        m_boxPressed = false;
        event->accept();
        return;
    }
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

void NoteTextBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (clickOnBox(event)) { // the second click of a quick pair on a box is a click on it too
        return;
    }
    const int picture = pictureAt(*document(), documentPositionAt(event->position().toPoint()));
    if (event->button() == Qt::LeftButton && picture >= 0) {
        openPicture(picture);
        event->accept();
        return;
    }
    QTextEdit::mouseDoubleClickEvent(event);
}

void NoteTextBox::openPicture(int position)
{
    Problem error;
    const QString copy = pictureCopy(*document(), position, &error);
    const OpenFailureText failure {
        tr("Open Picture"), tr("The picture could not be opened: %1."), QStringLiteral("frmMain: OpenPicture")};
    if (copy.isEmpty()) {
        emit pictureRefused(error);
        return;
    }
    openForUser(copy, window(), failure);
}

bool NoteTextBox::popUpPictureMenu(const QPoint& globalPosition)
{
    const int picture = pictureAt(*document(), documentPositionAt(viewport()->mapFromGlobal(globalPosition)));
    if (picture < 0) {
        return false;
    }
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuPicture"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto size = [this, menu, picture](const QString& text, PictureSize chosen) {
        menu->addAction(
            text, this, [this, picture, chosen] { resizePicture(document(), picture, chosen, pictureFitWidth()); });
    };
    size(tr("&Fit to Note Width"), PictureSize::FitWidth);
    size(tr("&Half Size"), PictureSize::Half);
    size(tr("&Actual Size"), PictureSize::Full);
    menu->addSeparator();
    menu->addAction(tr("&Open in Image Viewer"), this, [this, picture] { openPicture(picture); });
    menu->popup(globalPosition);
    return true;
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

namespace {

const QString kRtfMime = QStringLiteral("text/rtf");

// Rich text whose pictures or check boxes only RTF carries (HTML would lose them).
bool rtfWithPictures(const QMimeData* source)
{
    if (!source->hasFormat(kRtfMime)) {
        return false;
    }
    const QByteArray rtf = source->data(kRtfMime);
    return rtf.contains("\\pict") || rtf.contains("{\\pntxtb\\u97");
}

// Whether the selection has a picture or a check item in it.
bool holdsPicturesOrBoxes(const QTextCursor& selection)
{
    const QTextDocument* doc = selection.document();
    const int end = selection.selectionEnd();
    for (QTextBlock block = doc->findBlock(selection.selectionStart()); block.isValid() && block.position() <= end;
         block = block.next()) {
        if (block.blockFormat().marker() != QTextBlockFormat::MarkerType::NoMarker) {
            return true;
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat() && fragment.position() < end
                && fragment.position() + fragment.length() > selection.selectionStart()) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

// A copy with pictures or check items carries RTF too, so that they reach another note or a word processor whole.
QMimeData* NoteTextBox::createMimeDataFromSelection() const
{
    if (!holdsPicturesOrBoxes(textCursor())) {
        return QTextEdit::createMimeDataFromSelection(); // HTML carries all the rest
    }
    // The text edit's own copy lists a fixed set of formats: its contents go into a plain one beside the RTF.
    const std::unique_ptr<QMimeData> own(QTextEdit::createMimeDataFromSelection());
    auto* data = new QMimeData;
    for (const QString& format : own->formats()) {
        data->setData(format, own->data(format));
    }
    QTextDocument selection;
    selection.setDefaultFont(document()->defaultFont());
    QTextCursor(&selection).insertFragment(textCursor().selection());
    copyPictures(*document(), &selection);
    data->setData(kRtfMime, writeRtf(selection));
    return data;
}

bool NoteTextBox::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasUrls() || source->hasImage() || QTextEdit::canInsertFromMimeData(source);
}

void NoteTextBox::insertFromMimeData(const QMimeData* source)
{
    if (rtfWithPictures(source)) {
        QTextDocument incoming;
        incoming.setDefaultFont(document()->defaultFont());
        if (readRtf(source->data(kRtfMime), &incoming)) {
            copyPictures(incoming, document());
            textCursor().insertFragment(QTextDocumentFragment(&incoming));
            return;
        }
    }
    // A picture alone (a screenshot, a copied image) goes in as a picture at the note's width.
    if (source->hasImage() && !source->hasText() && m_text) {
        // Made ready on a worker (a large screenshot takes a while to encode); the note goes on meanwhile.
        m_text->setCursor(textCursor());
        const QImage image = qvariant_cast<QImage>(source->imageData());
        m_text->insertPictureLater([image] { return readyPicture(image, false); }, pictureFitWidth());
        return;
    }
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
