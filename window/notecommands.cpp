#include "window/notecommands.h"

#include "support/errorlog.h"
#include "support/settings.h"
#include "window/richtextbox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace jotlet {

namespace {

constexpr int kFontSizes[] = {8, 10, 12, 14, 16};
constexpr int kIndentStep = 200; // twips

void applyStyle(RichTextBox& box, Style style, bool on)
{
    switch (style) {
    case Style::Italic:
        box.setSelItalic(on);
        break;
    case Style::Underline:
        box.setSelUnderline(on);
        break;
    case Style::Bold:
        box.setSelBold(on);
        break;
    }
}

} // namespace

std::optional<quint32> noteColorValue(const QString& text)
{
    for (const NoteColor& color : kNoteColors) {
        if (text.compare(QLatin1String(color.name), Qt::CaseInsensitive) == 0) {
            return color.value;
        }
    }
    const std::optional<qint32> number = settingToInt32(text);
    if (!number || *number < 0 || *number > 0xFFFFFF) {
        return std::nullopt;
    }
    return quint32(*number);
}

int fontSizeForIndex(int index)
{
    return index >= 0 && index < 5 ? kFontSizes[index] : 0;
}

bool fontSizeChecked(int index, int points)
{
    return fontSizeForIndex(index) == points && points != 0;
}

void toggleStyle(RichTextBox& box, StyleChecks& checks, Style style)
{
    bool& mark = style == Style::Italic ? checks.italic : style == Style::Underline ? checks.underline : checks.bold;
    mark = !mark;
    checks.normal = false;
    applyStyle(box, style, mark);
}

void styleNormal(RichTextBox& box, StyleChecks& checks)
{
    checks.normal = !checks.normal;
    checks.italic = checks.bold = checks.underline = false;
    box.setSelUnderline(false);
    box.setSelBold(false);
    box.setSelItalic(false);
}

void setSelectionStyle(RichTextBox& box, int index)
{
    if (index >= 0 && index <= 2) {
        applyStyle(box, index == 0 ? Style::Italic : index == 1 ? Style::Underline : Style::Bold, true);
    }
}

void removeFormat(RichTextBox& box)
{
    box.setSelBold(false);
    box.setSelItalic(false);
    box.setSelUnderline(false);
    box.setSelStrikeThru(false);
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

void alignWholeNote(RichTextBox& box, int index)
{
    const int start = box.SelStart();
    box.setSelStart(0);
    box.setSelLength(int(box.Text().size()));
    if (const auto alignment = alignmentForIndex(index)) {
        box.setSelAlignment(*alignment);
    }
    box.setSelStart(start);
}

void alignSelection(RichTextBox& box, int index)
{
    if (const auto alignment = alignmentForIndex(index)) {
        box.setSelAlignment(*alignment);
    }
}

void setBullets(RichTextBox& box, int index)
{
    if (index == 0 || index == 1) {
        box.setSelBullet(index == 0);
        box.setSelIndent(index == 0 ? kIndentStep : -kIndentStep);
    }
}

void changeIndent(RichTextBox& box, int index)
{
    if (index == 0 || index == 1) {
        box.setSelIndent(box.SelIndent() + (index == 0 ? kIndentStep : -kIndentStep));
    }
}

void pastePlainText(RichTextBox& box)
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    box.setSelText(data && data->hasText() ? data->text() : QString());
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

void insertAtCaret(RichTextBox& box, const QString& text)
{
    if (!text.isEmpty()) {
        box.setSelText(text);
    }
}

QString aboutJotletText()
{
    return QStringLiteral("Jotlet keeps your notes on the desktop, where you can see them. "
                          "Right-click a note for everything it can do: special notes, colours, printing and more. "
                          "Notes left open when you log off come back the next time you start.");
}

KeyCommand keyUpCommand(int key, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool alt = modifiers & Qt::AltModifier;
    switch (key) {
    case Qt::Key_Escape:
        return KeyCommand::ToggleMinimize;
    case Qt::Key_Space:
        return alt ? KeyCommand::SystemMenu : KeyCommand::None;
    case Qt::Key_F4:
        return alt ? KeyCommand::Close : KeyCommand::None;
    case Qt::Key_F7:
        return KeyCommand::CheckSpelling;
    case Qt::Key_F6:
        return ctrl ? KeyCommand::ShortDateStamp : shift ? KeyCommand::LongDateStamp : KeyCommand::DateTimeStamp;
    case Qt::Key_O:
        return ctrl ? KeyCommand::Open : KeyCommand::None;
    case Qt::Key_N:
        return ctrl ? KeyCommand::New : KeyCommand::None;
    case Qt::Key_S:
        return ctrl ? KeyCommand::Save : KeyCommand::None;
    case Qt::Key_P:
        return ctrl ? KeyCommand::Print : KeyCommand::None;
    case Qt::Key_Y:
        return ctrl ? KeyCommand::Email : KeyCommand::None;
    case Qt::Key_V:
        return ctrl && shift ? KeyCommand::PastePlainText : KeyCommand::None;
    default:
        return KeyCommand::None;
    }
}

} // namespace jotlet
