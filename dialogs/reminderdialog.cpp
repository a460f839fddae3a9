// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/reminderdialog.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLocale>
#include <QTimeEdit>

namespace jotlet {

ReminderInputDialog::ReminderInputDialog(const QString& title, const QString& prompt, const ReminderChoice& initial)
    : InputDialog(title, prompt, QStringLiteral("alarm-symbolic"))
    , m_date(new QDateEdit(initial.date.isValid() ? initial.date : QDate::currentDate()))
    , m_time(new QTimeEdit(initial.time))
    , m_repeat(new QComboBox)
    , m_weekDays(new QWidget)
{
    auto* fields = new QWidget(this);
    m_date->setObjectName(QStringLiteral("dtDate"));
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    m_time->setObjectName(QStringLiteral("dtTime"));
    m_time->setDisplayFormat(timeFieldFormat(QLocale()));
    m_repeat->setObjectName(QStringLiteral("cboRepeat"));
    m_repeat->view()->setAccessibleName(tr("How the reminder repeats"));
    m_repeat->addItem(tr("Once"), int(ReminderRepeat::Once));
    m_repeat->addItem(tr("Every day"), int(ReminderRepeat::Daily));
    m_repeat->addItem(tr("Every weekday (Monday to Friday)"), int(ReminderRepeat::Weekdays));
    m_repeat->addItem(tr("Every week on these days"), int(ReminderRepeat::Weekly));
    m_repeat->addItem(tr("Every month on this day"), int(ReminderRepeat::Monthly));
    m_repeat->addItem(tr("Every year on this date"), int(ReminderRepeat::Yearly));
    m_repeat->setCurrentIndex(m_repeat->findData(int(initial.repeat)));
    auto* days = new QHBoxLayout(m_weekDays);
    days->setContentsMargins(0, 0, 0, 0);
    const int firstDay = initial.date.isValid() ? initial.date.dayOfWeek() : QDate::currentDate().dayOfWeek();
    for (int day = 1; day <= 7; ++day) {
        auto* box = new QCheckBox(QLocale().dayName(day, QLocale::ShortFormat), m_weekDays);
        box->setObjectName(QStringLiteral("chkDay%1").arg(day));
        box->setChecked(initial.weekDays != 0 ? (initial.weekDays & (1 << (day - 1))) != 0 : day == firstDay);
        days->addWidget(box);
        m_days << box;
    }
    auto* form = new QFormLayout(fields);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("&Date:"), m_date);
    form->addRow(tr("&Time:"), m_time);
    form->addRow(tr("&Repeats:"), m_repeat);
    form->addRow(QString(), m_weekDays);
    addField(fields);
    setTabOrder(m_date, m_time);
    setTabOrder(m_time, m_repeat);
    connect(m_repeat, &QComboBox::currentIndexChanged, this, &ReminderInputDialog::showWeekDays);
    showWeekDays();
    m_time->setFocus();
}

void ReminderInputDialog::showWeekDays()
{
    m_weekDays->setVisible(ReminderRepeat(m_repeat->currentData().toInt()) == ReminderRepeat::Weekly);
    adjustSize();
}

void ReminderInputDialog::onAnswered(bool ok)
{
    if (ok) {
        ReminderChoice choice;
        choice.date = m_date->date();
        choice.time = m_time->time();
        choice.repeat = ReminderRepeat(m_repeat->currentData().toInt());
        for (int day = 0; day < m_days.size(); ++day) {
            if (choice.repeat == ReminderRepeat::Weekly && m_days.at(day)->isChecked()) {
                choice.weekDays |= 1 << day;
            }
        }
        m_answer = choice;
    }
    accept();
}

} // namespace jotlet
