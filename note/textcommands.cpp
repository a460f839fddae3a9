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

int fontSizeForIndex(int index)
{
    return index >= 0 && index < 5 ? kFontSizes[index] : 0;
}

bool fontSizeChecked(int index, int points)
{
    return fontSizeForIndex(index) == points && points != 0;
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

void setSelectionStyle(NoteText& text, int index)
{
    if (index >= 0 && index <= 2) {
        applyStyle(text, index == 0 ? Style::Italic : index == 1 ? Style::Underline : Style::Bold, true);
    }
}

void removeFormat(NoteText& text)
{
    text.setSelBold(false);
    text.setSelItalic(false);
    text.setSelUnderline(false);
    text.setSelStrikeThrough(false);
}

std::optional<int> alignmentForIndex(int index)
{
    switch (index) {
    case 0:
        return 0;
    case 1:
        return 2; // "Center"
    case 2:
        return 1; // "Right"
    default:
        return std::nullopt;
    }
}

void alignWholeNote(NoteText& text, int index)
{
    const int start = text.selStart();
    text.setSelStart(0);
    text.setSelLength(int(text.text().size()));
    if (const auto alignment = alignmentForIndex(index)) {
        text.setSelAlignment(*alignment);
    }
    text.setSelStart(start);
}

void alignSelection(NoteText& text, int index)
{
    if (const auto alignment = alignmentForIndex(index)) {
        text.setSelAlignment(*alignment);
    }
}

void setBullets(NoteText& text, int index)
{
    if (index == 0 || index == 1) {
        text.setSelBullet(index == 0);
        text.setSelIndent(index == 0 ? kIndentStep : -kIndentStep);
    }
}

void changeIndent(NoteText& text, int index)
{
    if (index == 0 || index == 1) {
        text.setSelIndent(text.selIndent() + (index == 0 ? kIndentStep : -kIndentStep));
    }
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
