#include "dialogs/timeinputdialog.h"

#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimeEdit>

namespace jotlet {

TimeInputDialog::TimeInputDialog(const QString& title, const QString& prompt, const QTime& initial)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_picker(new QTimeEdit(initial, this))
{
    setWindowTitle(title);
    m_picker->setObjectName(QStringLiteral("dtTime"));
    m_picker->setDisplayFormat(QStringLiteral("hh:mm:ss AP"));
    m_picker->setMinimumWidth(160);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(
        QIcon::fromTheme(QStringLiteral("alarm-symbolic"), QIcon::fromTheme(QStringLiteral("appointment-soon")))
            .pixmap(iconSize, iconSize));
    auto* label = new QLabel(prompt, this);
    label->setObjectName(QStringLiteral("lblPrompt"));
    label->setWordWrap(true);
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(ok, &QPushButton::clicked, this, &TimeInputDialog::takeAnswer);
    connect(cancel, &QPushButton::clicked, this, &TimeInputDialog::takeAnswer);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(label, 0, 1);
    layout->addWidget(m_picker, 1, 1);
    layout->addWidget(ok, 0, 2);
    layout->addWidget(cancel, 1, 2);
    layout->setColumnStretch(1, 1);
    setTabOrder(m_picker, ok);
    setTabOrder(ok, cancel);
    m_picker->setFocus();
}

void TimeInputDialog::keyPressEvent(QKeyEvent* event)
{
    // Esc presses "&Cancel", which takes the time as "&Ok" does; only the close box leaves without an answer.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        takeAnswer();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TimeInputDialog::takeAnswer()
{
    m_answer = m_picker->time();
    accept();
}

} // namespace jotlet
