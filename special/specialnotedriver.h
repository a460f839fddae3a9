// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "note/specialnote.h"
#include "platform/wallclocktimer.h"
#include "special/specialtext.h"

#include <QDateTime>
#include <QTimer>

namespace jotlet {

class Note;

// Shows a short message in a popup that slides up from the corner of the screen the note is on.
using AlertPresenter = std::function<void(const QString& text, int durationMs, Note& note)>;

// A note's special state: the kind it is (or last was) and the parameters the user chose, the content writer of
// that kind, and the refresh that writes the text again. Choosing a kind writes the content, locks the text against
// typing (except for reminders), makes Save unavailable and arms the refresh; a content that cannot be written is
// logged and stops the refresh until a kind is chosen again.
class SpecialNoteDriver : public SpecialNote, private SpecialTarget
{
public:
    SpecialNoteDriver(Note& note, SpecialContentFactory contents, AlertPresenter alert);
    ~SpecialNoteDriver() override;

    void run(Command command) override;
    void resume(const NoteRecord& kept) override;
    bool isActive() const override { return m_contentKind != SpecialKind::None; }
    SpecialKind kind() const override { return m_kind; }
    bool blocksSaving() const override { return m_savingBlocked; }
    ReminderIcon reminderIcon() const override { return m_reminderIcon; }
    void keepIn(NoteRecord* record) const override;

    // Writes the kind's content now (as its refresh does).
    void display(SpecialKind kind);
    void stop();
    // Whether the content is written again, and in how many milliseconds next.
    bool isRefreshing() const { return refreshing(m_refresh.get()) || refreshing(m_wallClock.get()); }
    qint64 refreshDelay() const
    {
        return refreshing(m_wallClock.get()) ? m_wallClock->interval()
               : refreshing(m_refresh.get()) ? m_refresh->interval()
                                             : 0;
    }
    QString reminderTime() const { return m_reminder; }
    ReminderRule reminderRule() const override { return m_rule; }
    QDateTime snoozedUntil() const override { return m_snoozedUntil; }
    // After the reminder went off: again in a while (5, 15, 60 minutes), or tomorrow at the same time.
    enum class Snooze { FiveMinutes, FifteenMinutes, OneHour, Tomorrow };
    void snooze(Snooze how);
    // A reminder for once is done with: the note becomes an ordinary note, its text kept.
    void done();
    // When it goes off next ("Tomorrow 09:00"); "" when it does not.
    QString nextReminderText() const override;
    QString feedUrl() const { return m_feedUrl; }
    QString stockSymbol() const { return m_stockSymbol; }

private:
    NoteText& text() override;
    QString parameter() const override;
    void remind(const QDateTime& missedAt) override;
    void armRefresh(SpecialKind kind);
    template <typename Timer>
    static bool refreshing(const Timer* timer)
    {
        return timer && timer->isActive();
    }
    QTimer& refreshTimer();
    WallClockTimer& wallClock();
    void stopRefresh();

    void chooseReminder();
    void chooseFeed();
    void chooseStockSymbol();
    void startClipboardNote(SpecialKind kind);
    void setReminderIcon(ReminderIcon icon);

    Note& m_note;
    SpecialContentFactory m_contents;
    AlertPresenter m_alert;
    // Made when first armed: most notes never become special.
    std::unique_ptr<QTimer> m_refresh;
    std::unique_ptr<WallClockTimer> m_wallClock; // a reminder's: to the moment it goes off next
    std::unique_ptr<SpecialContent> m_content;
    SpecialKind m_kind = SpecialKind::None;        // the kind chosen last; it stays after "Stop Special Note"
    SpecialKind m_contentKind = SpecialKind::None; // the kind the note is now
    ReminderIcon m_reminderIcon = ReminderIcon::None;
    bool m_savingBlocked = false;
    QString m_reminder; // "hh:mm:ss AMPM"
    ReminderRule m_rule;
    QDateTime m_lastReminded; // reminders up to this moment went off (or were set after it)
    QDateTime m_snoozedUntil;
    QString m_feedUrl;
    QString m_stockSymbol;
};

// The driver of a note's special state, for tests and views; nullptr when the note has none.
SpecialNoteDriver* specialDriverOf(Note& note);

// The program's special notes: the content writers of every kind and the reminder's alert.
SpecialNoteFactory specialNoteFactory(SpecialContentFactory contents, AlertPresenter alert);

} // namespace jotlet
