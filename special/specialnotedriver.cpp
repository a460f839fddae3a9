// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The special notes: a note whose text the program writes and keeps up to date, and the reminder note.
#include "special/specialnotedriver.h"

#include "special/reminder.h"

#include "note/dialogresponder.h"
#include "note/inputbox.h"
#include "note/note.h"
#include "note/notetext.h"
#include "support/clock.h"
#include "support/errorlog.h"
#include "support/settings.h"
#include "support/timetext.h"
#include <QCoreApplication>
#include <QLocale>
#include <QTimeZone>

#include <algorithm>

namespace jotlet {

namespace {

const QString kReminderLocation = QStringLiteral("frmMain: mnuSNReminder_Click");
constexpr int kAlertDurationMs = 3000;

} // namespace

SpecialNoteDriver::SpecialNoteDriver(Note& note, SpecialContentFactory contents, AlertPresenter alert)
    : m_note(note)
    , m_contents(std::move(contents))
    , m_alert(std::move(alert))
{
}

SpecialNoteDriver::~SpecialNoteDriver() = default;

QTimer& SpecialNoteDriver::refreshTimer()
{
    if (!m_refresh) {
        m_refresh = std::make_unique<QTimer>();
        m_refresh->setSingleShot(true);
        QObject::connect(m_refresh.get(), &QTimer::timeout, &m_note, [this] { display(m_kind); });
    }
    return *m_refresh;
}

WallClockTimer& SpecialNoteDriver::wallClock()
{
    if (!m_wallClock) {
        m_wallClock = std::make_unique<WallClockTimer>();
        QObject::connect(m_wallClock.get(), &WallClockTimer::timeout, &m_note, [this] { display(m_kind); });
    }
    return *m_wallClock;
}

void SpecialNoteDriver::stopRefresh()
{
    if (m_refresh) {
        m_refresh->stop();
    }
    if (m_wallClock) {
        m_wallClock->stop();
    }
}

void SpecialNoteDriver::run(Command command)
{
    switch (command) {
    case Command::SpecialTime:
        display(SpecialKind::Time);
        break;
    case Command::SpecialReminder:
        chooseReminder();
        break;
    case Command::SpecialRssFeed:
        chooseFeed();
        break;
    case Command::SpecialStocks:
        chooseStockSymbol();
        break;
    case Command::SpecialClipboardViewer:
        startClipboardNote(SpecialKind::ClipboardViewer);
        break;
    case Command::SpecialClipboardLog:
        startClipboardNote(SpecialKind::ClipboardLog);
        break;
    case Command::SpecialMemory:
        display(SpecialKind::Memory);
        break;
    case Command::SpecialDrives:
        display(SpecialKind::Drives);
        break;
    case Command::StopSpecialNote:
        stop();
        break;
    default:
        break; // not a special note's command
    }
}

void SpecialNoteDriver::display(SpecialKind kind)
{
    stopRefresh();
    m_kind = kind;
    if (m_contentKind != kind || !m_content) {
        m_content = m_contents ? m_contents(kind) : nullptr;
        m_contentKind = kind;
        if (kind != SpecialKind::Reminder) {
            setReminderIcon(ReminderIcon::None); // no longer a reminder: nothing waits to go off
        }
        m_note.specialChanged(Note::SpecialChange::Kind);
    }
    NoteText& text = m_note.text();
    if (m_content) {
        // The program writes this text again and again: nothing of it to undo, nothing to keep in the undo stack.
        text.document()->setUndoRedoEnabled(kind == SpecialKind::Reminder);
        QString error;
        bool shown = false;
        {
            const NoteTextEdit edit(text);
            shown = m_content->show(*this, &error);
        }
        if (!shown) {
            logError(QStringLiteral("frmMain: DisplaySpecialNote"), 5, error);
            return; // the refresh stays off until a kind is chosen again
        }
    }
    if (kind != SpecialKind::Reminder) {
        text.setLocked(true);
        m_note.specialChanged(Note::SpecialChange::Writing);
    }
    m_savingBlocked = true;
    armRefresh(kind);
}

void SpecialNoteDriver::armRefresh(SpecialKind kind)
{
    const qint64 wait = m_content ? m_content->msUntilNextRefresh(Clock::now()) : -1;
    if (wait == kNoRefresh) {
        return;
    }
    if (wait >= 0) {
        // To the moment itself, on the wall clock (also through a sleep), or to midnight, when "Tomorrow" becomes
        // "Today" in the note.
        const QDateTime now = Clock::now();
        const qint64 toMidnight = now.msecsTo(QDateTime(now.date().addDays(1), QTime(0, 0))) + 1000;
        wallClock().start(std::min(wait, toMidnight));
        m_note.specialChanged(Note::SpecialChange::Icon); // the note says when it goes off next
        return;
    }
    if (kind != SpecialKind::ClipboardViewer) {
        const int delay = nextRefreshDelay(kind, Clock::now(), !m_feedUrl.isEmpty());
        if (delay > 0) {
            // Time notes tick on the second itself, all of them together (one wake-up for them all).
            refreshTimer().setTimerType(kind == SpecialKind::Time ? Qt::PreciseTimer : Qt::CoarseTimer);
            m_refresh->start(delay);
        }
    }
}

void SpecialNoteDriver::stop()
{
    stopRefresh();
    m_content.reset();
    NoteText& text = m_note.text();
    text.setLocked(false);
    text.setSelColor(0);
    if (m_contentKind != SpecialKind::None) {
        m_contentKind = SpecialKind::None;
        m_note.specialChanged(Note::SpecialChange::Kind);
    }
    setReminderIcon(ReminderIcon::None);
    text.document()->setUndoRedoEnabled(true);
    m_savingBlocked = false;
    m_note.specialChanged(Note::SpecialChange::Stopped);
}

void SpecialNoteDriver::chooseReminder()
{
    ReminderChoice initial;
    initial.date = m_rule.first.isValid() ? m_rule.first : Clock::now().date();
    initial.time = m_rule.time.isValid()
                       ? m_rule.time
                       : QTime(Clock::now().time().hour(), Clock::now().time().minute(), Clock::now().time().second());
    initial.repeat = m_rule.repeat;
    initial.weekDays = m_rule.weekDays;
    const std::optional<ReminderChoice> answer = dialogResponder().reminderDialog(
        QCoreApplication::translate("SpecialNote", "Reminder Time"),
        QCoreApplication::translate("SpecialNote", "Please enter the reminder time for this note"),
        initial);
    if (!answer || !answer->time.isValid()) {
        // A note that shows a waiting reminder must be one that goes off: the reminder stays as it was.
        logError(
            kReminderLocation,
            5,
            m_reminder.isEmpty()
                ? QCoreApplication::translate("SpecialNote", "No reminder time was chosen: no reminder was set")
                : QCoreApplication::translate("SpecialNote", "No reminder time was chosen: the reminder stays at %1")
                      .arg(m_reminder));
        return;
    }
    m_rule.first = answer->date.isValid() ? answer->date : Clock::now().date();
    m_rule.time = answer->time;
    m_rule.repeat = answer->repeat;
    m_rule.weekDays = answer->weekDays;
    m_rule.zoneId = QTimeZone::systemTimeZone().id();
    m_reminder = timeOfDayText(answer->time);
    m_lastReminded = Clock::now(); // what passed before it was set is not missed
    m_snoozedUntil = {};
    m_content.reset(); // a new reminder: checked afresh, and announced again when it goes off
    setReminderIcon(ReminderIcon::Waiting);
    display(SpecialKind::Reminder);
}

void SpecialNoteDriver::chooseFeed()
{
    std::optional<QString> answer;
    {
        StayOnTopPause pause(m_note);
        answer = inputText(QCoreApplication::translate("SpecialNote", "Please enter the URL for an RSS feed"),
                           QCoreApplication::translate("SpecialNote", "RSS Feed URL"),
                           m_feedUrl);
    }
    if (!answer) {
        return;
    }
    m_feedUrl = answer->trimmed();
    if (m_feedUrl.isEmpty()) {
        return; // a feed note keeps its last headlines and no longer refreshes
    }
    m_content.reset(); // what was on its way for another address is dropped
    m_note.text().setText(QCoreApplication::translate("SpecialNote", "...loading RSS feed"));
    display(SpecialKind::RssFeed);
}

void SpecialNoteDriver::chooseStockSymbol()
{
    std::optional<QString> answer;
    {
        StayOnTopPause pause(m_note);
        if (readSetting(Setting::QuoteServer).trimmed().isEmpty()
            && dialogResponder().confirm(
                m_note.dialogOwner(),
                QCoreApplication::translate("SpecialNote", "Stock Symbol"),
                QCoreApplication::translate("SpecialNote",
                                            "No quote server is set up yet, so a stock note cannot show "
                                            "quotes.\n\nSet one up in the settings now?"))) {
            dialogResponder().showSettings(m_note.dialogOwner());
        }
        answer = inputText(QCoreApplication::translate("SpecialNote", "Please enter the Stock Symbol to look up."),
                           QCoreApplication::translate("SpecialNote", "Stock Symbol"),
                           m_stockSymbol);
    }
    if (!answer || answer->trimmed().isEmpty()) {
        return;
    }
    m_stockSymbol = answer->trimmed();
    m_content.reset();
    writeSpecialHeading(m_note.text(),
                        QCoreApplication::translate("SpecialNote", "Stock Symbol: ") + m_stockSymbol + kCrLf);
    display(SpecialKind::StockQuote);
}

void SpecialNoteDriver::startClipboardNote(SpecialKind kind)
{
    m_content.reset(); // a new clipboard kind starts afresh
    const bool viewer = kind == SpecialKind::ClipboardViewer;
    writeSpecialHeading(m_note.text(),
                        viewer ? QCoreApplication::translate("SpecialNote", "Clipboard Viewer:\r\n")
                               : QCoreApplication::translate("SpecialNote", "Clipboard Log:\r\n"));
    display(kind);
}

NoteText& SpecialNoteDriver::text()
{
    return m_note.text();
}

QString SpecialNoteDriver::parameter() const
{
    switch (m_kind) {
    case SpecialKind::Reminder:
        return m_reminder;
    case SpecialKind::RssFeed:
        return m_feedUrl;
    case SpecialKind::StockQuote:
        return m_stockSymbol;
    default:
        return QString();
    }
}

void SpecialNoteDriver::remind(const QDateTime& missedAt)
{
    m_lastReminded = Clock::now();
    m_snoozedUntil = {};
    m_note.specialChanged(Note::SpecialChange::Icon); // kept with the note: it does not go off again after a restart
    m_note.bringForward();
    if (m_reminderIcon != ReminderIcon::Fired || missedAt.isValid()) {
        if (m_alert) {
            m_alert(missedAt.isValid()
                        ? QCoreApplication::translate("SpecialNote", "Missed at %1")
                              .arg(QLocale().toString(missedAt.toLocalTime().time(), QLocale::ShortFormat))
                        : QCoreApplication::translate("SpecialNote", "Your reminder note is now active"),
                    kAlertDurationMs,
                    m_note);
        }
        setReminderIcon(ReminderIcon::Fired);
    }
}

void SpecialNoteDriver::snooze(Snooze how)
{
    const QDateTime now = Clock::now();
    switch (how) {
    case Snooze::FiveMinutes:
        m_snoozedUntil = now.addSecs(5 * 60);
        break;
    case Snooze::FifteenMinutes:
        m_snoozedUntil = now.addSecs(15 * 60);
        break;
    case Snooze::OneHour:
        m_snoozedUntil = now.addSecs(60 * 60);
        break;
    case Snooze::Tomorrow:
        m_snoozedUntil = now.addDays(1);
        break;
    }
    m_lastReminded = now;
    setReminderIcon(ReminderIcon::Waiting);
    m_note.specialChanged(Note::SpecialChange::Icon); // kept: another computer sharing the note waits too
    if (m_contentKind == SpecialKind::Reminder) {
        display(SpecialKind::Reminder);
    }
}

void SpecialNoteDriver::done()
{
    m_snoozedUntil = {};
    m_lastReminded = Clock::now();
    stop(); // an ordinary note again; its text stays
}

QString SpecialNoteDriver::nextReminderText() const
{
    if (m_contentKind != SpecialKind::Reminder) {
        return {};
    }
    const QDateTime now = Clock::now();
    const QDateTime next = ReminderSchedule::nextCheck(m_rule, now, m_snoozedUntil);
    return next.isValid() ? reminderWhenText(next.toLocalTime(), now) : QString();
}

void SpecialNoteDriver::setReminderIcon(ReminderIcon icon)
{
    if (m_reminderIcon != icon) {
        m_reminderIcon = icon;
        m_note.specialChanged(Note::SpecialChange::Icon);
    }
}

void SpecialNoteDriver::keepIn(NoteRecord* record) const
{
    record->specialType = int(m_kind);
    record->keepsSpecial = isActive(); // it comes back as the same special note
    record->reminder = m_reminder;
    record->reminderLast = m_lastReminded.isValid() ? m_lastReminded.toUTC().toString(Qt::ISODateWithMs) : QString();
    const StoredReminder stored = storedReminder(m_rule);
    record->reminderAt = m_rule.isValid() ? stored.at : QString();
    record->reminderZone = m_rule.isValid() ? stored.zone : QString();
    record->reminderRepeat = m_rule.isValid() ? stored.repeat : QString();
    record->reminderSnooze = m_snoozedUntil.isValid() ? m_snoozedUntil.toUTC().toString(Qt::ISODate) : QString();
    record->feedUrl = m_feedUrl;
    record->stockSymbol = m_stockSymbol;
}

void SpecialNoteDriver::resume(const NoteRecord& kept)
{
    const auto kind = SpecialKind(kept.specialType);
    std::unique_ptr<SpecialContent> content = m_contents ? m_contents(kind) : nullptr;
    if (!kept.keepsSpecial || !content) {
        return;
    }
    const ReminderRule rule
        = reminderFromStored({kept.reminderAt, kept.reminderZone, kept.reminderRepeat, kept.reminder});
    if (kind == SpecialKind::Reminder && !rule.isValid()) {
        logError(QStringLiteral("frmMain: DisplaySpecialNote"),
                 13,
                 QStringLiteral("The reminder time '%1' is not a time of day: the note came back without it")
                     .arg(kept.reminder));
        return;
    }
    m_reminder = kept.reminder;
    m_rule = rule;
    m_snoozedUntil = QDateTime::fromString(kept.reminderSnooze, Qt::ISODate);
    m_feedUrl = kept.feedUrl;
    m_stockSymbol = kept.stockSymbol;
    m_lastReminded = QDateTime::fromString(kept.reminderLast, Qt::ISODateWithMs);
    content->catchUp(m_lastReminded);
    m_content = std::move(content);
    m_contentKind = kind;
    if (kind == SpecialKind::Reminder) {
        setReminderIcon(ReminderIcon::Waiting);
    }
    display(kind);
}

SpecialNoteDriver* specialDriverOf(Note& note)
{
    return dynamic_cast<SpecialNoteDriver*>(note.special());
}

SpecialNoteFactory specialNoteFactory(SpecialContentFactory contents, AlertPresenter alert)
{
    return [contents = std::move(contents), alert = std::move(alert)](Note& note) {
        return std::make_unique<SpecialNoteDriver>(note, contents, alert);
    };
}

} // namespace jotlet
