// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/checklist.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>

namespace jotlet {

const QColor kTickedGrey(128, 128, 128);

namespace {

// Applies a format change to one fragment of a block.
void reformat(const QTextBlock& block, const QTextFragment& fragment, const QTextCharFormat& format)
{
    QTextCursor run(block);
    run.setPosition(fragment.position());
    run.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
    run.setCharFormat(format);
}

// Ticked, an item's text is struck through in grey; what ticking added is noted on the text, so that unticking
// takes back only that, and a strike-through or a colour of the user's own stays.
void tick(const QTextBlock& block, const QTextFragment& fragment)
{
    QTextCharFormat format = fragment.charFormat();
    format.setProperty(kTickStruckProperty, !format.fontStrikeOut()); // always noted: this text was ticked here
    format.setFontStrikeOut(true);
    if (format.foreground().color() != kTickedGrey) {
        format.setProperty(kTickColorProperty,
                           format.hasProperty(QTextFormat::ForegroundBrush) ? QVariant(format.foreground())
                                                                            : QVariant(false));
        format.setForeground(kTickedGrey);
    }
    reformat(block, fragment, format);
}

// The look of a ticked item's text without what ticking added.
QTextCharFormat untickedLook(QTextCharFormat format)
{
    if (format.hasProperty(kTickStruckProperty)) {
        // Ticked here: what ticking added goes, what was the user's stays.
        if (format.boolProperty(kTickStruckProperty)) {
            format.setFontStrikeOut(false);
        }
        const QVariant own = format.property(kTickColorProperty);
        if (own.metaType().id() == QMetaType::QBrush) {
            format.setForeground(own.value<QBrush>());
        } else if (own.isValid()) {
            format.clearForeground();
        }
    } else {
        // Ticked in a file: its look is the ticked look, and goes.
        format.setFontStrikeOut(false);
        if (format.foreground().color() == kTickedGrey) {
            format.clearForeground();
        }
    }
    format.clearProperty(kTickStruckProperty);
    format.clearProperty(kTickColorProperty);
    return format;
}

void untick(const QTextBlock& block, const QTextFragment& fragment)
{
    reformat(block, fragment, untickedLook(fragment.charFormat()));
}

// Shows a ticked item's text struck through in grey, and an unticked one as it was.
void showTicked(const QTextBlock& block, bool ticked)
{
    QList<QTextFragment> fragments;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        fragments << it.fragment();
    }
    for (const QTextFragment& fragment : fragments) {
        if (ticked) {
            tick(block, fragment);
        } else {
            untick(block, fragment);
        }
    }
}

void setMarker(QTextCursor& cursor, QTextBlockFormat::MarkerType marker)
{
    QTextBlockFormat format;
    format.setMarker(marker);
    cursor.mergeBlockFormat(format);
}

// The paragraph becomes a plain one again: out of its list, without a box or the list's indent.
void leaveChecklist(const QTextBlock& block)
{
    QTextCursor item(block);
    item.beginEditBlock();
    if (QTextList* list = block.textList()) {
        list->remove(block);
    }
    QTextBlockFormat plain = item.blockFormat();
    plain.setMarker(QTextBlockFormat::MarkerType::NoMarker);
    plain.setIndent(0);
    item.setBlockFormat(plain);
    item.endEditBlock();
}

// The paragraphs the cursor's selection touches (the caret's one without a selection).
QList<QTextBlock> touchedBlocks(const QTextCursor& cursor)
{
    const QTextBlock last = cursor.document()->findBlock(cursor.selectionEnd());
    QList<QTextBlock> blocks;
    for (QTextBlock block = cursor.document()->findBlock(cursor.selectionStart()); block.isValid();
         block = block.next()) {
        blocks << block;
        if (block == last) {
            break;
        }
    }
    return blocks;
}

} // namespace

bool isCheckItem(const QTextBlock& block)
{
    return block.textList() && block.blockFormat().marker() != QTextBlockFormat::MarkerType::NoMarker;
}

void toggleChecklist(QTextCursor& cursor)
{
    const QList<QTextBlock> blocks = touchedBlocks(cursor);
    const bool allChecklist = std::all_of(blocks.cbegin(), blocks.cend(), isCheckItem);
    QTextCursor edit(cursor.document());
    edit.beginEditBlock();
    // New items join the checklist just before, if there is one, so that items made one by one stay one list.
    const QTextBlock before = blocks.first().previous();
    QTextList* list = before.isValid() && isCheckItem(before) ? before.textList() : nullptr;
    for (const QTextBlock& block : blocks) {
        if (allChecklist) {
            showTicked(block, false);
            leaveChecklist(block);
        } else if (!isCheckItem(block)) {
            if (block.textList()) {
                block.textList()->remove(block);
            }
            QTextCursor item(block);
            setMarker(item, QTextBlockFormat::MarkerType::Unchecked);
            if (list) {
                list->add(block);
            } else {
                list = item.createList(QTextListFormat::ListDisc);
            }
        }
    }
    edit.endEditBlock();
}

bool toggleCheckItem(const QTextBlock& block)
{
    if (!isCheckItem(block)) {
        return false;
    }
    const bool ticked = block.blockFormat().marker() == QTextBlockFormat::MarkerType::Unchecked;
    QTextCursor cursor(block);
    cursor.beginEditBlock();
    setMarker(cursor, ticked ? QTextBlockFormat::MarkerType::Checked : QTextBlockFormat::MarkerType::Unchecked);
    showTicked(block, ticked);
    cursor.endEditBlock();
    return true;
}

bool checklistEnter(QTextCursor& cursor)
{
    const QTextBlock block = cursor.block();
    if (!isCheckItem(block) || cursor.hasSelection()) {
        return false;
    }
    if (block.length() <= 1) {
        leaveChecklist(block); // an empty item ends the list, as with bullets
        return true;
    }
    const bool ticked = block.blockFormat().marker() == QTextBlockFormat::MarkerType::Checked;
    QTextBlockFormat item = block.blockFormat();
    item.setMarker(QTextBlockFormat::MarkerType::Unchecked);
    // After a ticked item, the next is typed as text is typed, not struck through in grey.
    cursor.insertBlock(item, ticked ? untickedLook(cursor.charFormat()) : cursor.charFormat()); // stays in the list
    return true;
}

QString textForMail(const QTextDocument& doc, int start, int end)
{
    QString text;
    for (QTextBlock block = doc.findBlock(start); block.isValid() && block.position() <= end; block = block.next()) {
        if (block.position() > start) {
            text += QLatin1String("\r\n");
        }
        const int from = qMax(start, block.position()) - block.position();
        const int to = qMin(end, block.position() + block.length() - 1) - block.position();
        if (isCheckItem(block) && from == 0) {
            text += block.blockFormat().marker() == QTextBlockFormat::MarkerType::Checked ? QLatin1String("[x] ")
                                                                                          : QLatin1String("[ ] ");
        }
        QString line = block.text().mid(from, qMax(0, to - from));
        line.remove(QChar::ObjectReplacementCharacter);
        line.replace(QChar::LineSeparator, QLatin1String("\r\n"));
        text += line;
    }
    return text;
}

} // namespace jotlet
