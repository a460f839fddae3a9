// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "note/dialogresponder.h"

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace jotlet {

// The spelling correction dialog: the word the check does not know, in its paragraph; suggestions; the word to put
// in its place; Change, Change All, Ignore, Ignore All, Add to Dictionary and Cancel.
class SpellingDialog : public QDialog
{
    Q_OBJECT

public:
    SpellingDialog(const SpellingQuestion& question, QWidget* owner = nullptr);
    SpellingAnswer answer() const { return m_answer; }

private:
    void answerWith(SpellingAnswer::Action action);

    QLineEdit* m_replacement;
    QListWidget* m_suggestions;
    SpellingAnswer m_answer;
};

} // namespace jotlet
