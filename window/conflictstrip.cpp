// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/conflictstrip.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace jotlet {

ConflictStrip::ConflictStrip(QWidget* parent)
    : QFrame(parent)
    , m_text(new QLabel(this))
{
    setObjectName(QStringLiteral("conflictStrip"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, QColor(255, 244, 214));
    colors.setColor(QPalette::WindowText, Qt::black);
    setPalette(colors);
    m_text->setObjectName(QStringLiteral("lblConflict"));
    m_text->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 3, 4, 3);
    layout->setSpacing(2);
    layout->addWidget(m_text);
    const struct
    {
        const char* name;
        QString text;
        QString description;
    } choices[] = {
        {"cmdKeepThis",
         tr("Keep This Version"),
         tr("This version replaces the note's; the note's own goes to the trash")},
        {"cmdKeepOther",
         tr("Keep the Other Version"),
         tr("The note keeps its own version; this one goes to the trash")},
        {"cmdKeepBoth", tr("Keep Both"), tr("This version becomes a note of its own")},
    };
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(choices[i].text, this);
        button->setObjectName(QLatin1String(choices[i].name));
        button->setAccessibleDescription(choices[i].description);
        button->setToolTip(choices[i].description);
        button->setAutoDefault(false);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, i] { emit chosen(ConflictChoice(i)); });
        m_buttons[i] = button;
    }
    setAccessibleName(tr("Another version of a note"));
}

void ConflictStrip::setText(const QString& text)
{
    m_text->setText(text);
    setAccessibleDescription(text);
}

int ConflictStrip::neededHeight(int width) const
{
    return layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width) : sizeHint().height();
}

QPushButton* ConflictStrip::button(ConflictChoice choice) const
{
    return m_buttons[int(choice)];
}

} // namespace jotlet
