// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QTime>

#include <optional>

class QGridLayout;
class QLabel;
class QLocale;
class QLineEdit;
class QTimeEdit;

namespace jotlet {

// How the reminder's time field shows a time in this locale: hours, minutes and seconds with AM/PM where the locale
// counts the day in twice twelve hours (and in the C locale), on a 24-hour clock where it does.
QString timeFieldFormat(const QLocale& locale);

// The windows that ask for one answer: an icon, the prompt, "&Ok" (Enter) and "&Cancel" (Esc), and the field the
// kind of answer needs.
class InputDialog : public QDialog
{
    Q_OBJECT

protected:
    InputDialog(const QString& title, const QString& prompt, const QString& iconName);
    // Puts the field below the prompt, first in the tab order; the buttons call onAnswered(true/false).
    void addField(QWidget* field);
    virtual void onAnswered(bool ok) = 0;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QGridLayout* m_layout;
    QLabel* m_prompt;
    QWidget* m_ok;
    QWidget* m_cancel;
};

// One line of text, preset and selected: "&Ok" gives it, "&Cancel" and the close box give nothing.
class TextInputDialog : public InputDialog
{
    Q_OBJECT

public:
    TextInputDialog(const QString& title, const QString& prompt, const QString& defaultText);
    std::optional<QString> answer() const { return m_answer; }
    QLineEdit* field() const { return m_field; }

protected:
    void onAnswered(bool ok) override;

private:
    QLineEdit* m_field;
    std::optional<QString> m_answer;
};

// A time of day: "&Ok" gives the time the picker shows; "&Cancel" and the close box give nothing.
class TimeInputDialog : public InputDialog
{
    Q_OBJECT

public:
    TimeInputDialog(const QString& title, const QString& prompt, const QTime& initial);
    std::optional<QTime> answer() const { return m_answer; }
    QTimeEdit* picker() const { return m_picker; }

protected:
    void onAnswered(bool ok) override;

private:
    QTimeEdit* m_picker;
    std::optional<QTime> m_answer;
};

} // namespace jotlet
