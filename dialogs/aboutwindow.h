// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QList>

class QLabel;
class QTimer;

namespace jotlet {

// "Build - major.minor.0.revision".
QString buildText(int major, int minor, int revision);

// The credit lines of the about window, rising through a band 2000 twips high: every tick each line moves up 50
// twips; a line that goes above the band starts again 3000 twips down, and a line below 2000 twips is hidden.
class CreditScroller
{
public:
    explicit CreditScroller(QList<int> topsTwips)
        : m_tops(std::move(topsTwips))
    {
    }
    void tick();
    int top(int line) const { return m_tops.at(line); }
    bool isVisible(int line) const { return m_tops.at(line) <= 2000; }
    int count() const { return int(m_tops.size()); }

private:
    QList<int> m_tops;
};

// "About": the logo, the build, the scrolling credits, the terms of use and the contact address (a click starts a
// message); "Postcard Ware" opens the postcard request, "OK" closes.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* owner = nullptr);

private:
    void placeCredits();

    CreditScroller m_scroller;
    QList<QLabel*> m_credits;
    QTimer* m_timer;
};

// "Postcardware": the request for a postcard from the user's city, and where to send it.
class PostcardWindow : public QDialog
{
    Q_OBJECT

public:
    explicit PostcardWindow(QWidget* owner = nullptr);
};

} // namespace jotlet
