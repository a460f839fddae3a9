#pragma once

#include <QDialog>
#include <QTime>

#include <optional>

class QTimeEdit;

namespace jotlet {

// The window that asks for a time of day: an icon, the prompt, a time picker, "&Ok" (Enter) and "&Cancel" (Esc).
// Both buttons take the time the picker shows; closing the window without a button leaves no answer.
class TimeInputDialog : public QDialog
{
    Q_OBJECT

public:
    TimeInputDialog(const QString& title, const QString& prompt, const QTime& initial);

    std::optional<QTime> answer() const { return m_answer; }
    QTimeEdit* picker() const { return m_picker; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void takeAnswer();

    QTimeEdit* m_picker;
    std::optional<QTime> m_answer;
};

} // namespace jotlet
