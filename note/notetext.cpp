// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/notetext.h"

#include "note/textmerge.h"

#include "note/checklist.h"
#include "note/notepictures.h"

#include "rtf/format.h"
#include "rtf/pictures.h"
#include "rtf/reader.h"
#include "rtf/writer.h"
#include "support/colors.h"
#include "support/handover.h"

#include <QFutureWatcher>
#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextList>

#include <optional>

namespace jotlet {

namespace {

// RTF read as the text of a note whose own font is the given one; nothing when it cannot be read.
std::optional<TextModel> readRtfText(const QByteArray& rtf, const QFont& noteFont, QString* error)
{
    QTextDocument incoming;
    incoming.setDefaultFont(noteFont);
    if (!readRtf(rtf, &incoming, error)) {
        return std::nullopt;
    }
    return textModel(incoming);
}

} // namespace

NoteText::NoteText(QObject* parent)
    : QObject(parent)
    , m_document(new QTextDocument(this))
    , m_cursor(m_document)
{
    connect(m_document, &QTextDocument::contentsChanged, this, &NoteText::changed);
}

NoteText::~NoteText() = default;

void NoteText::setCursor(const QTextCursor& cursor)
{
    // While an edit is told, a view's cursor moves with the text: the cursor of the edit stays what it left.
    if (cursor.document() == m_document && m_editDepth == 0 && !m_endingEdit) {
        m_cursor = cursor;
    }
}

QByteArray NoteText::rtf() const
{
    return writeRtf(*m_document);
}

bool NoteText::setRtf(const QByteArray& rtf, QString* error)
{
    const std::optional<TextModel> model = readRtfText(rtf, m_document->defaultFont(), error);
    if (!model) {
        return false;
    }
    // One edit, so it is one undo step and one change; the first paragraph keeps its list and format too.
    applyTextModel(m_document, *model, RunFonts::AsGiven);
    m_cursor = QTextCursor(m_document);
    notifyCursor();
    return true;
}

bool NoteText::applyRtf(const QByteArray& rtf, QString* error)
{
    const std::optional<TextModel> model = readRtfText(rtf, m_document->defaultFont(), error);
    if (!model) {
        return false;
    }
    applyTextModel(m_document, *model);
    m_document->clearUndoRedoStacks();
    return true;
}

QString NoteText::text() const
{
    QString text = m_document->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    text.replace(QChar::Nbsp, QLatin1Char(' '));
    return text;
}

void NoteText::setText(const QString& text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QTextCharFormat typing = typingFormat();
    QTextCursor all(m_document);
    all.select(QTextCursor::Document);
    all.setBlockFormat(QTextBlockFormat());
    all.insertText(plain, typing);
    notifyCursor();
}

QTextCharFormat NoteText::typingFormat() const
{
    return m_cursor.charFormat();
}

int NoteText::selStart() const
{
    return m_cursor.selectionStart();
}

void NoteText::setSelStart(int start)
{
    m_cursor.setPosition(qBound(0, start, m_document->characterCount() - 1));
    notifyCursor();
}

int NoteText::selLength() const
{
    return m_cursor.selectionEnd() - m_cursor.selectionStart();
}

void NoteText::setSelLength(int length)
{
    const int start = m_cursor.selectionStart();
    m_cursor.setPosition(start);
    m_cursor.setPosition(qBound(0, start + length, m_document->characterCount() - 1), QTextCursor::KeepAnchor);
    notifyCursor();
}

QString NoteText::selText() const
{
    QString text = m_cursor.selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return text;
}

void NoteText::setSelText(const QString& text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_cursor.insertText(plain, typingFormat()); // the caret stands after the inserted text
    notifyCursor();
}

void NoteText::toggleChecklist()
{
    jotlet::toggleChecklist(m_cursor);
    notifyCursor();
}

void NoteText::insertPictureLater(std::function<ReadyPicture()> ready, int fitWidth)
{
    auto* watcher = new QFutureWatcher<ReadyPicture>(this);
    auto place = std::make_shared<QTextCursor>(m_cursor);
    connect(watcher, &QFutureWatcher<ReadyPicture>::finished, this, [this, watcher, place, fitWidth] {
        const ReadyPicture picture = resultOf(*watcher);
        watcher->deleteLater();
        if (!picture.refused.isEmpty()) {
            emit pictureRefused(picture.refused);
            return;
        }
        insertReadyPicture(*place, picture, fitWidth);
        emit pictureInserted();
    });
    // What the worker touches is its own: the function and what it captured (a path, an image).
    runInPool(*watcher, std::move(ready));
}

void NoteText::mergeSelectionFormat(const QTextCharFormat& format)
{
    // With a selection the format goes onto it; without one it becomes the format of what is typed next.
    mergeFormat(m_cursor, format);
    notifyCursor();
}

void NoteText::mergeFormat(QTextCursor& cursor, const QTextCharFormat& format)
{
    cursor.mergeCharFormat(format);
    if (cursor.hasSelection() && format.hasProperty(QTextFormat::ForegroundBrush)) {
        // Bullets take the colour of their text.
        const QTextBlock last = m_document->findBlock(cursor.selectionEnd());
        for (QTextBlock block = m_document->findBlock(cursor.selectionStart()); block.isValid(); block = block.next()) {
            if (block.textList()) {
                colorListMarkerWithText(block);
            }
            if (block == last) {
                break;
            }
        }
    }
}

bool NoteText::selBold() const
{
    return typingFormat().fontWeight() > QFont::Medium;
}

void NoteText::setSelBold(bool on)
{
    QTextCharFormat format;
    format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    mergeSelectionFormat(format);
}

bool NoteText::selItalic() const
{
    return typingFormat().fontItalic();
}

void NoteText::setSelItalic(bool on)
{
    QTextCharFormat format;
    format.setFontItalic(on);
    mergeSelectionFormat(format);
}

bool NoteText::selUnderline() const
{
    return typingFormat().fontUnderline();
}

void NoteText::setSelUnderline(bool on)
{
    QTextCharFormat format;
    format.setFontUnderline(on);
    mergeSelectionFormat(format);
}

bool NoteText::selStrikeThrough() const
{
    return typingFormat().fontStrikeOut();
}

void NoteText::setSelStrikeThrough(bool on)
{
    QTextCharFormat format;
    format.setFontStrikeOut(on);
    mergeSelectionFormat(format);
}

double NoteText::selFontSize() const
{
    const QTextCharFormat format = typingFormat();
    return format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : fontSize();
}

void NoteText::setSelFontSize(double points)
{
    if (points <= 0) {
        return;
    }
    QTextCharFormat format;
    format.setFontPointSize(points);
    mergeSelectionFormat(format);
}

quint32 NoteText::selColor() const
{
    const QTextCharFormat format = typingFormat();
    return format.hasProperty(QTextFormat::ForegroundBrush) ? bgrFromColor(format.foreground().color()) : 0;
}

void NoteText::setSelColor(quint32 color)
{
    QTextCharFormat format;
    format.setForeground(colorFromBgr(color));
    mergeSelectionFormat(format);
}

void NoteText::setAllColor(quint32 color)
{
    QTextCursor all(m_document);
    all.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setForeground(colorFromBgr(color));
    mergeFormat(all, format); // the selection stays where the user had it
}

void NoteText::applyToSelectedBlocks(const std::function<void(QTextBlockFormat&)>& change)
{
    QTextBlock block = m_document->findBlock(m_cursor.selectionStart());
    const QTextBlock last = m_document->findBlock(m_cursor.selectionEnd());
    QTextCursor edit(m_document);
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

bool NoteText::selBullet() const
{
    return m_cursor.currentList() != nullptr;
}

void NoteText::setSelBullet(bool on)
{
    if (on == (m_cursor.currentList() != nullptr)) {
        return;
    }
    if (on) {
        QTextListFormat list;
        list.setStyle(QTextListFormat::ListDisc);
        list.setIndent(0); // the text starts at the paragraph's own indent, the bullet just before it
        applyToSelectedBlocks([](QTextBlockFormat& format) {
            format.setLeftMargin(qMax(format.leftMargin(), kMinimumListIndentTwips / kTwipsPerPixel));
        });
        m_cursor.createList(list);
        colorListMarkerWithText(m_cursor.block());
        return;
    }
    applyToSelectedBlocks([](QTextBlockFormat& format) { format.setObjectIndex(-1); });
}

int NoteText::selIndent() const
{
    const QTextBlockFormat format = m_cursor.blockFormat();
    if (format.hasProperty(RtfProperty::LeftIndentTwips)) {
        return format.intProperty(RtfProperty::LeftIndentTwips);
    }
    return qRound(format.leftMargin() * kTwipsPerPixel);
}

void NoteText::setSelIndent(int twips)
{
    applyToSelectedBlocks([twips](QTextBlockFormat& format) {
        // A negative indent is kept for the RTF but shown at the left edge, where the text can still be read; a
        // list item keeps room for its bullet.
        const int shown = format.objectIndex() >= 0 ? qMax(twips, kMinimumListIndentTwips) : qMax(0, twips);
        format.setLeftMargin(shown / kTwipsPerPixel);
        format.setProperty(RtfProperty::LeftIndentTwips, twips);
    });
}

int NoteText::selAlignment() const
{
    const Qt::Alignment align = m_cursor.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    return align == Qt::AlignRight ? 1 : align == Qt::AlignHCenter ? 2 : 0;
}

void NoteText::setSelAlignment(int alignment)
{
    const Qt::Alignment align = alignment == 1 ? Qt::AlignRight : alignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    applyToSelectedBlocks([align](QTextBlockFormat& format) { format.setAlignment(align); });
}

namespace {

QString fragmentFace(const QTextCharFormat& format)
{
    const QStringList families = format.fontFamilies().toStringList();
    return families.isEmpty() ? QString() : families.first();
}

template <typename Key>
Key mostCommon(const QHash<Key, int>& counts)
{
    Key best {};
    int bestCount = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > bestCount) {
            best = it.key();
            bestCount = it.value();
        }
    }
    return best;
}

struct CommonFont
{
    QString face;
    double size = 0;
};

// The face and size most of the text has, the text's runs naming both.
CommonFont commonFontOf(const TextModel& model)
{
    QHash<QString, int> faces;
    QHash<double, int> sizes;
    for (const TextParagraph& paragraph : model) {
        for (const TextRun& run : paragraph.runs) {
            const int length = int(run.text.size());
            if (!fragmentFace(run.format).isEmpty()) {
                faces[fragmentFace(run.format)] += length;
            }
            if (run.format.hasProperty(QTextFormat::FontPointSize)) {
                sizes[run.format.fontPointSize()] += length;
            }
        }
    }
    return {mostCommon(faces), mostCommon(sizes)};
}

} // namespace

bool NoteText::setStoredRtf(const QByteArray& rtf, double* commonSize, QString* error)
{
    const std::optional<TextModel> model = readRtfText(rtf, m_document->defaultFont(), error);
    if (!model) {
        return false;
    }
    // The note's own face and size are settled before the text comes in, which leaves them to the note: the note's
    // document holds only the formats its text keeps.
    const CommonFont common = commonFontOf(*model);
    if (!common.face.isEmpty()) {
        setFontName(common.face);
    }
    setFontSize(common.size);
    *commonSize = common.size;
    applyTextModel(m_document, *model, RunFonts::DocumentsOwnLeftOut);
    m_document->clearUndoRedoStacks();
    m_cursor = QTextCursor(m_document);
    notifyCursor();
    return true;
}

QString NoteText::fontName() const
{
    return m_document->defaultFont().family();
}

void NoteText::setFontName(const QString& name)
{
    QFont font = m_document->defaultFont();
    font.setFamilies(QStringList {name});
    m_document->setDefaultFont(font);
}

double NoteText::fontSize() const
{
    return m_document->defaultFont().pointSizeF();
}

void NoteText::setFontSize(double points)
{
    if (points <= 0) {
        return;
    }
    QFont font = m_document->defaultFont();
    font.setPointSizeF(points);
    m_document->setDefaultFont(font);
}

void NoteText::setLocked(bool locked)
{
    if (locked != m_locked) {
        m_locked = locked;
        emit lockedChanged(locked);
    }
}

void NoteText::beginEdit()
{
    if (m_editDepth++ == 0) {
        m_cursor.beginEditBlock();
    }
}

void NoteText::endEdit()
{
    if (--m_editDepth > 0) {
        return;
    }
    m_endingEdit = true;
    m_cursor.endEditBlock(); // the document tells of its changes now, once
    m_endingEdit = false;
    if (m_cursorMoved) {
        m_cursorMoved = false;
        emit cursorChanged();
    }
}

void NoteText::notifyCursor()
{
    if (m_editDepth > 0) {
        m_cursorMoved = true;
    } else {
        emit cursorChanged();
    }
}

} // namespace jotlet
