// The special notes: a note whose text the program writes and keeps up to date, and the reminder note.
#include "dialogs/dialogresponder.h"
#include "dialogs/inputbox.h"
#include "support/clock.h"
#include "support/errorlog.h"
#include "support/settings.h"
#include "support/timetext.h"
#include "window/note.h"
#include "window/noteboard.h"
#include "window/notetext.h"

#include <QTimer>

namespace jotlet {

namespace {

const QString kReminderLocation = QStringLiteral("frmMain: mnuSNReminder_Click");
constexpr int kAlertDurationMs = 3000;

} // namespace

bool Note::isRefreshing() const
{
    return m_refresh->isActive();
}

int Note::refreshDelay() const
{
    return m_refresh->isActive() ? m_refresh->interval() : 0;
}

void Note::displaySpecialNote(SpecialKind kind)
{
    m_refresh->stop();
    m_record.SpecialType = int(kind);
    if (m_specialContentKind != kind || !m_special) {
        m_special = m_board ? m_board->makeSpecialContent(kind) : nullptr;
        m_specialContentKind = kind;
        if (kind != SpecialKind::Reminder) {
            setReminderIcon(ReminderIcon::None); // no longer a reminder: nothing waits to go off
        }
        emit changed(Options);
    }
    if (m_special) {
        // The program writes this text again and again: nothing of it to undo, nothing to keep in the undo stack.
        m_text->document()->setUndoRedoEnabled(kind == SpecialKind::Reminder);
        QString error;
        bool shown = false;
        {
            const NoteTextEdit edit(*m_text);
            shown = m_special->show(*this, &error);
        }
        if (!shown) {
            logError(QStringLiteral("frmMain: DisplaySpecialNote"), 5, error);
            return; // the refresh stays off until a kind is chosen again
        }
    }
    if (kind != SpecialKind::Reminder) {
        m_text->setLocked(true);
        m_marksEveryEdit = true;
    }
    m_saveEnabled = false;
    if (kind != SpecialKind::ClipboardViewer) {
        const int delay = nextRefreshDelay(kind, Clock::now(), !m_record.FeedURL.isEmpty());
        if (delay > 0) {
            // Time notes tick on the second itself, all of them together (one wake-up for them all).
            m_refresh->setTimerType(kind == SpecialKind::Time ? Qt::PreciseTimer : Qt::CoarseTimer);
            m_refresh->start(delay);
        }
    }
}

void Note::stopSpecialNote()
{
    m_refresh->stop();
    m_special.reset();
    if (m_specialContentKind != SpecialKind::None) {
        m_specialContentKind = SpecialKind::None;
        emit changed(Options);
    }
    setReminderIcon(ReminderIcon::None);
    m_text->document()->setUndoRedoEnabled(true);
    m_saveEnabled = true;
    setUnsaved(false); // the title names the note's file again, without the mark
}

void Note::chooseReminder()
{
    QString answer;
    {
        StayOnTopPause pause(*this);
        answer = inputTime(QStringLiteral("Please enter the reminder time for this note"),
                           QStringLiteral("Reminder Time"),
                           m_record.Reminder);
    }
    if (!parseTimeOfDay(answer).isValid()) {
        // A note that shows a waiting reminder must be one that goes off: the reminder stays as it was.
        logError(kReminderLocation,
                 13,
                 m_record.Reminder.isEmpty()
                     ? QStringLiteral("No reminder time was chosen: no reminder was set")
                     : QStringLiteral("No reminder time was chosen: the reminder stays at %1").arg(m_record.Reminder));
        return;
    }
    m_record.Reminder = answer;
    m_special.reset(); // a new reminder: checked afresh, and announced again when it goes off
    setReminderIcon(ReminderIcon::Waiting);
    displaySpecialNote(SpecialKind::Reminder);
}

void Note::chooseFeed()
{
    std::optional<QString> answer;
    {
        StayOnTopPause pause(*this);
        answer = inputText(
            QStringLiteral("Please enter the URL for an RSS feed"), QStringLiteral("RSS Feed URL"), m_record.FeedURL);
    }
    if (!answer) {
        return;
    }
    m_record.FeedURL = answer->trimmed();
    if (m_record.FeedURL.isEmpty()) {
        return; // a feed note keeps its last headlines and no longer refreshes
    }
    m_special.reset(); // what was on its way for another address is dropped
    m_text->setText(QStringLiteral("...loading RSS feed"));
    displaySpecialNote(SpecialKind::RssFeed);
}

void Note::chooseStockSymbol()
{
    std::optional<QString> answer;
    {
        StayOnTopPause pause(*this);
        if (readSetting(Setting::QuoteServer).trimmed().isEmpty()
            && dialogResponder().confirm(m_dialogOwner,
                                         QStringLiteral("Stock Symbol"),
                                         QStringLiteral("No quote server is set up yet, so a stock note cannot show "
                                                        "quotes.\n\nSet one up in the settings now?"))) {
            dialogResponder().showSettings(m_dialogOwner);
        }
        answer = inputText(QStringLiteral("Please enter the Stock Symbol to look up."),
                           QStringLiteral("Stock Symbol"),
                           m_record.StockSymbol);
    }
    if (!answer || answer->trimmed().isEmpty()) {
        return;
    }
    m_record.StockSymbol = answer->trimmed();
    m_special.reset();
    writeSpecialHeading(*m_text, QStringLiteral("Stock Symbol: ") + m_record.StockSymbol + kCrLf);
    displaySpecialNote(SpecialKind::StockQuote);
}

void Note::startClipboardNote(SpecialKind kind)
{
    m_special.reset(); // a new clipboard kind starts afresh
    const bool viewer = kind == SpecialKind::ClipboardViewer;
    writeSpecialHeading(*m_text,
                        viewer ? QStringLiteral("Clipboard Viewer:\r\n") : QStringLiteral("Clipboard Log:\r\n"));
    displaySpecialNote(kind);
}

void Note::fireReminder()
{
    emit stayOnTopChanged(true);
    if (m_rolledUp) {
        restore();
    }
    emit raiseRequested();
    if (m_reminderIcon != ReminderIcon::Fired) {
        if (m_board) {
            m_board->showAlert(QStringLiteral("Your reminder note is now active"), kAlertDurationMs, *this);
        }
        setReminderIcon(ReminderIcon::Fired);
    }
}

void Note::setReminderIcon(ReminderIcon icon)
{
    if (m_reminderIcon != icon) {
        m_reminderIcon = icon;
        emit changed(Icon);
    }
}

void Note::resumeSpecial(const NoteRecord& kept)
{
    const auto kind = SpecialKind(kept.SpecialType);
    std::unique_ptr<SpecialContent> content = m_board ? m_board->makeSpecialContent(kind) : nullptr;
    if (!kept.keepsSpecial || !content) {
        return;
    }
    if (kind == SpecialKind::Reminder && !parseTimeOfDay(kept.Reminder).isValid()) {
        logError(QStringLiteral("frmMain: DisplaySpecialNote"),
                 13,
                 QStringLiteral("The reminder time '%1' is not a time of day: the note came back without it")
                     .arg(kept.Reminder));
        return;
    }
    m_record.Reminder = kept.Reminder;
    m_record.FeedURL = kept.FeedURL;
    m_record.StockSymbol = kept.StockSymbol;
    content->catchUp();
    m_special = std::move(content);
    m_specialContentKind = kind;
    if (kind == SpecialKind::Reminder) {
        setReminderIcon(ReminderIcon::Waiting);
    }
    displaySpecialNote(kind);
}

} // namespace jotlet
