// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace jotlet {

// One of the small pictures on a note's caption line (the note icon, help, close) as a button: drawn as its
// picture, reached with Tab (or Ctrl+Tab from the text), pressed with Space or Enter, and a push button with a
// press action to a screen reader. Esc hands the keys back to the note's text. The note window handles the mouse
// on it itself (drags, right clicks, double clicks), so clicked() comes from the keyboard and assistive tools.
class ChromeButton : public QAbstractButton
{
    Q_OBJECT

public:
    ChromeButton(QWidget* parent, const QString& objectName, const QString& accessibleName);

    void setPicture(const QPixmap& picture);
    // What a screen reader calls it. Kept here and handed out by the button's own accessible interface (see
    // noteaccessible.cpp), which is made only when assistive technology asks: naming the widget itself would
    // build that interface for every note's three buttons as they are made.
    QString name() const { return m_name; }

signals:
    void leaveRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPixmap m_picture;
    QString m_name;
};

} // namespace jotlet
