// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/checklist.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

namespace jotlet {

namespace {

const QColor kTickedGrey(128, 128, 128);

// Shows a ticked item's text struck through in grey, and an unticked one as it was.
void showTicked(const QTextBlock& block, bool ticked)
{
    QTextCursor text(block);
    text.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat look;
    look.setFontStrikeOut(ticked);
    if (ticked) {
        look.setForeground(kTickedGrey);
        text.mergeCharFormat(look);
        return;
    }
    text.mergeCharFormat(look);
    // The grey goes again; any colour of the user's own stays.
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.charFormat().foreground().color() == kTickedGrey) {
            QTextCursor run(const_cast<QTextDocument*>(block.document()));
            run.setPosition(fragment.position());
            run.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            QTextCharFormat plain = fragment.charFormat();
            plain.clearForeground();
            run.setCharFormat(plain);
        }
    }
}

void setMarker(QTextCursor& cursor, QTextBlockFormat::MarkerType marker)
{
    QTextBlockFormat format;
    format.setMarker(marker);
    cursor.mergeBlockFormat(format);
}

} // namespace

bool isCheckItem(const QTextBlock& block)
{
    return block.textList() && block.blockFormat().marker() != QTextBlockFormat::MarkerType::NoMarker;
}

void toggleChecklist(QTextCursor& cursor)
{
    QTextDocument* doc = cursor.document();
    const QTextBlock first = doc->findBlock(cursor.selectionStart());
    const QTextBlock last = doc->findBlock(cursor.selectionEnd());
    bool allChecklist = true;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        allChecklist = allChecklist && isCheckItem(block);
        if (block == last) {
            break;
        }
    }
    QTextCursor edit(doc);
    edit.beginEditBlock();
    edit.setPosition(first.position());
    edit.setPosition(last.position(), QTextCursor::KeepAnchor);
    if (allChecklist) {
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
            showTicked(block, false);
            if (QTextList* list = block.textList()) {
                list->remove(block);
            }
            QTextCursor item(block);
            setMarker(item, QTextBlockFormat::MarkerType::NoMarker);
            QTextBlockFormat plain = item.blockFormat();
            plain.setIndent(0);
            item.setBlockFormat(plain);
            if (block == last) {
                break;
            }
        }
    } else {
        // Joins the checklist just before, if there is one, so that items made one by one stay one list.
        const QTextBlock before = first.previous();
        QTextList* list = before.isValid() && isCheckItem(before) ? before.textList() : nullptr;
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
            if (!isCheckItem(block)) {
                QTextCursor item(block);
                if (block.textList()) {
                    block.textList()->remove(block);
                }
                setMarker(item, QTextBlockFormat::MarkerType::Unchecked);
                if (list) {
                    list->add(block);
                } else {
                    list = item.createList(QTextListFormat::ListDisc);
                }
            }
            if (block == last) {
                break;
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
        // An empty item ends the list, as with bullets.
        cursor.beginEditBlock();
        block.textList()->remove(block);
        setMarker(cursor, QTextBlockFormat::MarkerType::NoMarker);
        QTextBlockFormat plain = cursor.blockFormat();
        plain.setIndent(0);
        cursor.setBlockFormat(plain);
        cursor.endEditBlock();
        return true;
    }
    QTextBlockFormat item = block.blockFormat();
    item.setMarker(QTextBlockFormat::MarkerType::Unchecked);
    QTextCharFormat typing = cursor.charFormat();
    typing.setFontStrikeOut(false);
    if (typing.foreground().color() == kTickedGrey) {
        typing.clearForeground();
    }
    cursor.insertBlock(item, typing); // stays in the list
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
