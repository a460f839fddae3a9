// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/textcommands.h"

#include "note/notetext.h"
#include "support/errorlog.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>

namespace jotlet {

namespace {

constexpr int kFontSizes[] = {8, 10, 12, 14, 16};
constexpr int kIndentStep = 200; // twips

void applyStyle(NoteText& text, Style style, bool on)
{
    switch (style) {
    case Style::Italic:
        text.setSelItalic(on);
        break;
    case Style::Underline:
        text.setSelUnderline(on);
        break;
    case Style::Bold:
        text.setSelBold(on);
        break;
    }
}

} // namespace

int fontSizeOf(SizeItem item)
{
    return kFontSizes[int(item)];
}

bool fontSizeChecked(SizeItem item, int points)
{
    return fontSizeOf(item) == points;
}

void toggleStyle(NoteText& text, StyleChecks& checks, Style style)
{
    bool& mark = style == Style::Italic ? checks.italic : style == Style::Underline ? checks.underline : checks.bold;
    mark = !mark;
    checks.normal = false;
    applyStyle(text, style, mark);
}

void styleNormal(NoteText& text, StyleChecks& checks)
{
    checks.normal = !checks.normal;
    checks.italic = checks.bold = checks.underline = false;
    text.setSelUnderline(false);
    text.setSelBold(false);
    text.setSelItalic(false);
}

void setSelectionStyle(NoteText& text, Style style)
{
    applyStyle(text, style, true);
}

void removeFormat(NoteText& text)
{
    text.setSelBold(false);
    text.setSelItalic(false);
    text.setSelUnderline(false);
    text.setSelStrikeThrough(false);
}

int alignmentOf(AlignItem item)
{
    switch (item) {
    case AlignItem::Left:
        return 0;
    case AlignItem::Center:
        return 2;
    case AlignItem::Right:
        return 1;
    }
    return 0;
}

void alignWholeNote(NoteText& text, AlignItem item)
{
    const int start = text.selStart();
    text.setSelStart(0);
    text.setSelLength(int(text.text().size()));
    text.setSelAlignment(alignmentOf(item));
    text.setSelStart(start);
}

void alignSelection(NoteText& text, AlignItem item)
{
    text.setSelAlignment(alignmentOf(item));
}

void setBullets(NoteText& text, StepItem item)
{
    text.setSelBullet(item == StepItem::More);
    text.setSelIndent(item == StepItem::More ? kIndentStep : -kIndentStep);
}

void changeIndent(NoteText& text, StepItem item)
{
    text.setSelIndent(text.selIndent() + (item == StepItem::More ? kIndentStep : -kIndentStep));
}

void pastePlainText(NoteText& text)
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    text.setSelText(data && data->hasText() ? data->text() : QString());
}

QString specialCharacter(int index)
{
    constexpr char16_t kCharacters[] = {0, 0x00B0, 0x00A9, 0x2026, 0x00AE, 0x00A3};
    return index >= 1 && index <= 5 ? QString(QChar(kCharacters[index])) : QString();
}

QString dateStamp(int index, const QDateTime& when, const QLocale& locale)
{
    switch (index) {
    case 0:
        return generalDateTimeText(when, locale);
    case 1:
        return locale.toString(when.date(), QLocale::LongFormat);
    case 2:
        return shortDateText(when.date(), locale);
    default:
        return QString();
    }
}

void insertAtCaret(NoteText& text, const QString& inserted)
{
    if (!inserted.isEmpty()) {
        text.setSelText(inserted);
    }
}

QString aboutJotletText()
{
    return QCoreApplication::translate(
        "Note",
        "Jotlet keeps your notes on the desktop, where you can see them. "
        "Right-click a note for everything it can do: special notes, colours, printing and more. "
        "Notes left open when you log off come back the next time you start.");
}

} // namespace jotlet
