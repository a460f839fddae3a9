// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QKeySequence>

#include <optional>

class QKeySequenceEdit;

namespace jotlet {

// "New-Note Key": records the key the user presses next (one combination, such as Ctrl+Alt+N). OK and Enter give
// it, "No Key" gives an empty sequence, Cancel and Esc give nothing.
class KeyDialog : public QDialog
{
    Q_OBJECT

public:
    KeyDialog(const QKeySequence& current, QWidget* owner = nullptr);

    QKeySequenceEdit* field() const { return m_field; }
    std::optional<QKeySequence> answer() const { return m_answer; }

    // Asks and waits for the answer.
    static std::optional<QKeySequence> ask(const QKeySequence& current, QWidget* owner = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keepFirstCombination();

    QKeySequenceEdit* m_field;
    std::optional<QKeySequence> m_answer;
};

} // namespace jotlet
