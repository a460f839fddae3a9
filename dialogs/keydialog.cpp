// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/keydialog.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace jotlet {

KeyDialog::KeyDialog(const QKeySequence& current, QWidget* owner)
    : QDialog(owner)
    , m_field(new QKeySequenceEdit(current, this))
{
    setWindowTitle(tr("New-Note Key"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(tr("Press the keys that make a new note from anywhere on the desktop, for example "
                                 "Ctrl+Alt+N. Use Ctrl, Alt or Super with a letter, digit or sign."),
                              this);
    prompt->setWordWrap(true);
    prompt->setBuddy(m_field);
    layout->addWidget(prompt);
    layout->addWidget(m_field);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* none = buttons->addButton(tr("&No Key"), QDialogButtonBox::ResetRole);
    layout->addWidget(buttons);
    connect(m_field, &QKeySequenceEdit::editingFinished, this, &KeyDialog::keepFirstCombination);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        keepFirstCombination();
        m_answer = m_field->keySequence();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(none, &QPushButton::clicked, this, [this] {
        m_answer = QKeySequence();
        accept();
    });
    // Enter and Esc answer the dialog, as in every dialog, instead of being recorded as the key.
    m_field->installEventFilter(this);
    if (!owner) {
        // Asked from the tray, it has no note to stand above: it stands above every note (on-top ones too).
        setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    m_field->setFocus();
}

bool KeyDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            keepFirstCombination();
            m_answer = m_field->keySequence();
            accept();
            return true;
        }
        if (plain && key->key() == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void KeyDialog::keepFirstCombination()
{
    const QKeySequence keys = m_field->keySequence();
    if (keys.count() > 1) {
        m_field->setKeySequence(QKeySequence(keys[0]));
    }
}

std::optional<QKeySequence> KeyDialog::ask(const QKeySequence& current, QWidget* owner)
{
    KeyDialog dialog(current, owner);
    dialog.show();
    dialog.raise();
    dialog.activateWindow(); // in front, with the keyboard, wherever it was asked from
    dialog.exec();
    return dialog.answer();
}

} // namespace jotlet
