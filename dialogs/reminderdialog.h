// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/inputdialogs.h"
#include "note/dialogresponder.h"

#include <QList>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QWidget;

namespace jotlet {

// When a reminder goes off: a date (with a calendar), a time in the locale's format, how it repeats and, for a
// weekly reminder, on which days. "&Ok" gives the choice; "&Cancel" and the close box give nothing.
class ReminderInputDialog : public InputDialog
{
    Q_OBJECT

public:
    ReminderInputDialog(const QString& title, const QString& prompt, const ReminderChoice& initial);
    std::optional<ReminderChoice> answer() const { return m_answer; }

protected:
    void onAnswered(bool ok) override;

private:
    void showWeekDays();
    QDateEdit* m_date;
    QTimeEdit* m_time;
    QComboBox* m_repeat;
    QWidget* m_weekDays;
    QList<QCheckBox*> m_days;
    std::optional<ReminderChoice> m_answer;
};

} // namespace jotlet
