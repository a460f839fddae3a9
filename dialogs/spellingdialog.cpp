// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/spellingdialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace jotlet {

namespace {

// The paragraph with the word in bold red, cut to about a line on each side of it.
QString contextHtml(const SpellingQuestion& question)
{
    constexpr int kAround = 60;
    const int start = qMax(0, question.positionInContext - kAround);
    const QString before = question.context.mid(start, question.positionInContext - start);
    const QString after = question.context.mid(question.positionInContext + question.word.size(), kAround);
    return (start > 0 ? QStringLiteral("\u2026") : QString()) + before.toHtmlEscaped()
           + QStringLiteral("<b><font color=\"#c00000\">") + question.word.toHtmlEscaped()
           + QStringLiteral("</font></b>") + after.toHtmlEscaped();
}

} // namespace

SpellingDialog::SpellingDialog(const SpellingQuestion& question, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_replacement(new QLineEdit(this))
    , m_suggestions(new QListWidget(this))
{
    setWindowTitle(tr("Spell Check"));
    auto* context = new QLabel(contextHtml(question), this);
    context->setTextFormat(Qt::RichText);
    context->setWordWrap(true);
    m_suggestions->addItems(question.suggestions);
    m_replacement->setText(question.suggestions.value(0, question.word));
    connect(m_suggestions, &QListWidget::currentTextChanged, m_replacement, &QLineEdit::setText);
    connect(m_suggestions, &QListWidget::itemActivated, this, [this] { answerWith(SpellingAnswer::Action::Change); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(tr("Not in the dictionary:"), this), 0, 0, 1, 2);
    layout->addWidget(context, 1, 0, 1, 2);
    auto* changeTo = new QLabel(tr("Change &to:"), this);
    changeTo->setBuddy(m_replacement);
    layout->addWidget(changeTo, 2, 0, 1, 2);
    layout->addWidget(m_replacement, 3, 0);
    auto* suggestions = new QLabel(tr("&Suggestions:"), this);
    suggestions->setBuddy(m_suggestions);
    layout->addWidget(suggestions, 4, 0);
    layout->addWidget(m_suggestions, 5, 0);
    auto* buttons = new QVBoxLayout;
    const struct
    {
        const char* text;
        SpellingAnswer::Action action;
    } choices[] = {{QT_TR_NOOP("&Change"), SpellingAnswer::Action::Change},
                   {QT_TR_NOOP("Change A&ll"), SpellingAnswer::Action::ChangeAll},
                   {QT_TR_NOOP("&Ignore"), SpellingAnswer::Action::Ignore},
                   {QT_TR_NOOP("I&gnore All"), SpellingAnswer::Action::IgnoreAll},
                   {QT_TR_NOOP("&Add to Dictionary"), SpellingAnswer::Action::Add},
                   {QT_TR_NOOP("Cancel"), SpellingAnswer::Action::Cancel}};
    for (const auto& choice : choices) {
        auto* button = new QPushButton(tr(choice.text), this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, action = choice.action] { answerWith(action); });
        buttons->addWidget(button);
        if (choice.action == SpellingAnswer::Action::Change) {
            button->setDefault(true);
        }
    }
    buttons->addStretch();
    layout->addLayout(buttons, 3, 1, 3, 1);
    if (!question.dictionary.isEmpty()) {
        auto* dictionary = new QLabel(tr("Dictionary: %1").arg(question.dictionary), this);
        dictionary->setObjectName(QStringLiteral("lblDictionary"));
        dictionary->setWordWrap(true);
        layout->addWidget(dictionary, 6, 0, 1, 2);
    }
    m_replacement->setFocus();
}

void SpellingDialog::answerWith(SpellingAnswer::Action action)
{
    m_answer.action = action;
    m_answer.replacement = m_replacement->text();
    accept();
}

} // namespace jotlet
