// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/inputdialogs.h"

#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QTimeEdit>

namespace jotlet {

QString timeFieldFormat(const QLocale& locale)
{
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    const bool twelveHours = format.contains(QLatin1Char('a'), Qt::CaseInsensitive);
    return locale.language() == QLocale::C || twelveHours ? QStringLiteral("hh:mm:ss AP") : QStringLiteral("HH:mm:ss");
}

InputDialog::InputDialog(const QString& title, const QString& prompt, const QString& iconName)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_layout(new QGridLayout(this))
{
    setWindowTitle(title);
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(QIcon::fromTheme(iconName).pixmap(iconSize, iconSize));
    auto* label = new QLabel(prompt, this);
    label->setObjectName(QStringLiteral("lblPrompt"));
    label->setWordWrap(true);
    m_prompt = label;
    auto* ok = new QPushButton(tr("&Ok"), this);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(ok, &QPushButton::clicked, this, [this] { onAnswered(true); });
    connect(cancel, &QPushButton::clicked, this, [this] { onAnswered(false); });
    m_ok = ok;
    m_cancel = cancel;
    m_layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    m_layout->addWidget(label, 0, 1);
    m_layout->addWidget(ok, 0, 2);
    m_layout->addWidget(cancel, 1, 2, Qt::AlignTop);
    m_layout->setColumnStretch(1, 1);
}

void InputDialog::addField(QWidget* field)
{
    m_layout->addWidget(field, 1, 1);
    m_prompt->setBuddy(field); // the prompt labels the field for a screen reader
    field->setAccessibleName(windowTitle());
    setTabOrder(field, m_ok);
    setTabOrder(m_ok, m_cancel);
    field->setFocus();
}

void InputDialog::keyPressEvent(QKeyEvent* event)
{
    // Esc presses "&Cancel"; only the close box leaves without pressing a button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        onAnswered(false);
        return;
    }
    QDialog::keyPressEvent(event);
}

TextInputDialog::TextInputDialog(const QString& title, const QString& prompt, const QString& defaultText)
    : InputDialog(title, prompt, QStringLiteral("dialog-question"))
    , m_field(new QLineEdit(defaultText, this))
{
    m_field->setObjectName(QStringLiteral("txtInput"));
    m_field->setMinimumWidth(320);
    m_field->selectAll(); // typing replaces the preset answer
    addField(m_field);
}

void TextInputDialog::onAnswered(bool ok)
{
    if (ok) {
        m_answer = m_field->text();
    }
    accept();
}

TimeInputDialog::TimeInputDialog(const QString& title, const QString& prompt, const QTime& initial)
    : InputDialog(title, prompt, QStringLiteral("alarm-symbolic"))
    , m_picker(new QTimeEdit(initial, this))
{
    m_picker->setObjectName(QStringLiteral("dtTime"));
    m_picker->setDisplayFormat(timeFieldFormat(QLocale()));
    m_picker->setMinimumWidth(160);
    addField(m_picker);
}

void TimeInputDialog::onAnswered(bool ok)
{
    if (ok) {
        m_answer = m_picker->time();
    }
    accept();
}

} // namespace jotlet
