#include "window/richtextbox.h"

#include "rtf/format.h"
#include "rtf/reader.h"
#include "rtf/writer.h"
#include "window/links.h"
#include "window/windowhelpers.h"

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

RichTextBox::RichTextBox(QWidget* parent)
    : QTextEdit(parent)
    , m_links(new LinkHighlighter(document()))
{
    setAcceptRichText(true);
    setTabChangesFocus(false);
    connect(this, &QTextEdit::textChanged, this, &RichTextBox::Change);
}

QByteArray RichTextBox::TextRTF() const
{
    return writeRtf(*document());
}

bool RichTextBox::setTextRTF(const QByteArray& rtf, QString* error)
{
    QTextDocument incoming;
    incoming.setDefaultFont(document()->defaultFont());
    if (!readRtf(rtf, &incoming, error)) {
        return false;
    }
    // Replace the content in one edit, so it is one undo step and one change.
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.insertFragment(QTextDocumentFragment(&incoming));
    // insertFragment merges the first paragraph into the existing one; take its format too.
    QTextCursor first(document());
    first.setBlockFormat(incoming.begin().blockFormat());
    moveCursor(QTextCursor::Start);
    return true;
}

QString RichTextBox::Text() const
{
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    text.replace(QChar::Nbsp, QLatin1Char(' '));
    return text;
}

void RichTextBox::setText(const QString& text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QTextCharFormat typing = currentCharFormat();
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.insertText(plain, typing);
}

int RichTextBox::SelStart() const
{
    return textCursor().selectionStart();
}

void RichTextBox::setSelStart(int start)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(qBound(0, start, document()->characterCount() - 1));
    setTextCursor(cursor);
}

int RichTextBox::SelLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void RichTextBox::setSelLength(int length)
{
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    cursor.setPosition(qBound(0, start + length, document()->characterCount() - 1), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString RichTextBox::SelText() const
{
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return text;
}

void RichTextBox::setSelText(const QString& text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QTextCursor cursor = textCursor();
    const QTextCharFormat format = cursor.hasSelection() ? cursor.charFormat() : currentCharFormat();
    cursor.insertText(plain, format);
    setTextCursor(cursor); // the caret stands after the inserted text
}

void RichTextBox::mergeSelectionFormat(const QTextCharFormat& format)
{
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection()) {
        cursor.mergeCharFormat(format);
    }
    mergeCurrentCharFormat(format);
}

bool RichTextBox::SelBold() const
{
    return currentCharFormat().fontWeight() > QFont::Medium;
}

void RichTextBox::setSelBold(bool on)
{
    QTextCharFormat format;
    format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    mergeSelectionFormat(format);
}

bool RichTextBox::SelItalic() const
{
    return currentCharFormat().fontItalic();
}

void RichTextBox::setSelItalic(bool on)
{
    QTextCharFormat format;
    format.setFontItalic(on);
    mergeSelectionFormat(format);
}

bool RichTextBox::SelUnderline() const
{
    return currentCharFormat().fontUnderline();
}

void RichTextBox::setSelUnderline(bool on)
{
    QTextCharFormat format;
    format.setFontUnderline(on);
    mergeSelectionFormat(format);
}

bool RichTextBox::SelStrikeThru() const
{
    return currentCharFormat().fontStrikeOut();
}

void RichTextBox::setSelStrikeThru(bool on)
{
    QTextCharFormat format;
    format.setFontStrikeOut(on);
    mergeSelectionFormat(format);
}

double RichTextBox::SelFontSize() const
{
    const QTextCharFormat format = currentCharFormat();
    return format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : FontSize();
}

void RichTextBox::setSelFontSize(double points)
{
    if (points <= 0) {
        return;
    }
    QTextCharFormat format;
    format.setFontPointSize(points);
    mergeSelectionFormat(format);
}

quint32 RichTextBox::SelColor() const
{
    const QTextCharFormat format = currentCharFormat();
    return format.hasProperty(QTextFormat::ForegroundBrush) ? bgrFromColor(format.foreground().color()) : 0;
}

void RichTextBox::setSelColor(quint32 color)
{
    QTextCharFormat format;
    format.setForeground(colorFromBgr(color));
    mergeSelectionFormat(format);
}

void RichTextBox::applyToSelectedBlocks(const std::function<void(QTextBlockFormat&)>& change)
{
    const QTextCursor cursor = textCursor();
    QTextBlock block = document()->findBlock(cursor.selectionStart());
    const QTextBlock last = document()->findBlock(cursor.selectionEnd());
    QTextCursor edit(document());
    edit.beginEditBlock();
    while (block.isValid()) {
        QTextBlockFormat format = block.blockFormat();
        change(format);
        edit.setPosition(block.position());
        edit.setBlockFormat(format);
        if (block == last) {
            break;
        }
        block = block.next();
    }
    edit.endEditBlock();
}

bool RichTextBox::SelBullet() const
{
    return textCursor().currentList() != nullptr;
}

void RichTextBox::setSelBullet(bool on)
{
    QTextCursor cursor = textCursor();
    if (on == (cursor.currentList() != nullptr)) {
        return;
    }
    if (on) {
        QTextListFormat list;
        list.setStyle(QTextListFormat::ListDisc);
        list.setIndent(1);
        cursor.createList(list);
        return;
    }
    applyToSelectedBlocks([](QTextBlockFormat& format) { format.setObjectIndex(-1); });
}

int RichTextBox::SelIndent() const
{
    const QTextBlockFormat format = textCursor().blockFormat();
    if (format.hasProperty(RtfProperty::LeftIndentTwips)) {
        return format.intProperty(RtfProperty::LeftIndentTwips);
    }
    return qRound(format.leftMargin() * kTwipsPerPixel);
}

void RichTextBox::setSelIndent(int twips)
{
    applyToSelectedBlocks([twips](QTextBlockFormat& format) {
        // A negative indent is kept for the RTF but shown at the left edge, where the text can still be read.
        format.setLeftMargin(qMax(0, twips) / kTwipsPerPixel);
        format.setProperty(RtfProperty::LeftIndentTwips, twips);
    });
}

int RichTextBox::SelAlignment() const
{
    const Qt::Alignment align = textCursor().blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    return align == Qt::AlignRight ? 1 : align == Qt::AlignHCenter ? 2 : 0;
}

void RichTextBox::setSelAlignment(int alignment)
{
    const Qt::Alignment align = alignment == 1 ? Qt::AlignRight : alignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    applyToSelectedBlocks([align](QTextBlockFormat& format) { format.setAlignment(align); });
}

void RichTextBox::setLocked(bool locked)
{
    // Read-only stops the user only; the program still edits through cursors.
    setReadOnly(locked);
    if (locked) {
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
}

QString RichTextBox::FontName() const
{
    return document()->defaultFont().family();
}

void RichTextBox::setFontName(const QString& name)
{
    QFont font = document()->defaultFont();
    font.setFamilies(QStringList {name});
    document()->setDefaultFont(font);
}

double RichTextBox::FontSize() const
{
    return document()->defaultFont().pointSizeF();
}

void RichTextBox::setFontSize(double points)
{
    if (points <= 0) {
        return;
    }
    QFont font = document()->defaultFont();
    font.setPointSizeF(points);
    document()->setDefaultFont(font);
}

quint32 RichTextBox::BackColor() const
{
    return bgrFromColor(palette().color(QPalette::Base));
}

void RichTextBox::setBackColor(quint32 color)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, colorFromBgr(color));
    setPalette(p);
}

bool RichTextBox::openLinkAt(int position)
{
    const QTextBlock block = document()->findBlock(position);
    const TextLink link = linkAt(block.text(), position - block.position());
    if (link.url.isEmpty() || !isOpenableLink(link.url)) {
        return false;
    }
    return ShellOpen(QStringLiteral("open"), link.url);
}

void RichTextBox::keyPressEvent(QKeyEvent* event)
{
    bool consume = false;
    emit KeyDown(event->key(), event->modifiers(), &consume);
    if (consume) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void RichTextBox::mousePressEvent(QMouseEvent* event)
{
    m_pressPosition = event->position().toPoint();
    emit MouseDown(event->button(), event->modifiers(), m_pressPosition);
    QTextEdit::mousePressEvent(event);
    // A right press belongs to the box (its owner opens a menu for it); it must not reach the window behind.
    if (event->button() == Qt::RightButton) {
        event->accept();
    }
}

void RichTextBox::mouseReleaseEvent(QMouseEvent* event)
{
    QTextEdit::mouseReleaseEvent(event);
    const bool click = (event->position().toPoint() - m_pressPosition).manhattanLength()
                       < QGuiApplication::styleHints()->startDragDistance();
    if (event->button() == Qt::LeftButton && click && !textCursor().hasSelection()) {
        openLinkAt(cursorForPosition(event->position().toPoint()).position());
    }
}

void RichTextBox::mouseMoveEvent(QMouseEvent* event)
{
    QTextEdit::mouseMoveEvent(event);
    const int position = cursorForPosition(event->position().toPoint()).position();
    const QTextBlock block = document()->findBlock(position);
    const bool overLink = !linkAt(block.text(), position - block.position()).url.isEmpty();
    viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
}

bool RichTextBox::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasUrls() || QTextEdit::canInsertFromMimeData(source);
}

void RichTextBox::insertFromMimeData(const QMimeData* source)
{
    QStringList files;
    for (const QUrl& url : source->urls()) {
        if (url.isLocalFile()) {
            files << url.toLocalFile();
        }
    }
    if (!files.isEmpty()) {
        emit FilesDropped(files);
        return;
    }
    QTextEdit::insertFromMimeData(source);
}

} // namespace jotlet
