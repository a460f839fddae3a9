// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "special/alert/alertmotion.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace jotlet {

class AlertSound;

// The part of a work area an alert may slide into: the area without the strip along its edge that holds the tray
// icon (the icon is never covered); the whole area where there is no icon in it.
QRect areaClearOf(const QRect& workArea, const QRect& trayIcon);

// What the user can do from an alert beyond closing it: a button with a menu of choices (Snooze: 5 Minutes, ...),
// and buttons of their own (Done). onChoice gets the key of the one picked; the popup then goes.
struct AlertChoices
{
    struct Choice
    {
        QString key;
        QString label;
    };
    QString menuLabel;
    QList<Choice> menu;
    QList<Choice> buttons;
    std::function<void(const QString& key)> onChoice;

    bool isEmpty() const { return menu.isEmpty() && buttons.isEmpty(); }
};

// A small popup that slides up from the bottom right corner of a work area with a message and a sound, stays a
// while and slides away, above the popups still open. It never takes the keyboard from where the user types.
// Pointing at the message underlines it; a click on it explains the alert; the close image hides the popup at
// once (it still goes away in its own time).
class AlertWindow : public QWidget
{
    Q_OBJECT

public:
    // Shows a popup (deleted once it has gone) and plays the sound.
    static AlertWindow*
    display(const QString& text, int durationMs, const QRect& workArea, AlertSound* sound, AlertChoices choices = {});

    int slot() const { return m_slot; }
    const AlertMotion& motion() const { return m_motion; }
    // One step of the popup's motion; its own timer takes one every 10 ms.
    void advance();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AlertWindow(const QString& text, int durationMs, const QRect& workArea);
    void addChoices(AlertChoices choices);
    QPushButton* addButton(const QString& label, int left, int top);
    void choose(const QString& key);
    void place();
    void setHovered(bool onMessage, bool onClose);

    AlertMotion m_motion;
    int m_slot;
    QRect m_workArea;
    double m_twipsPerPixel;
    QPixmap m_background;
    QLabel* m_message;
    QLabel* m_close;
    QTimer m_timer;
    std::function<void(const QString& key)> m_onChoice;
};

} // namespace jotlet
