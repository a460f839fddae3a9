// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "special/clipboardnotes.h"

#include "note/notetext.h"
#include "special/clipboardsource.h"
#include "support/clock.h"
#include "support/errorlog.h"

#include <QTimer>

#include <QCoreApplication>
#include <deque>

namespace jotlet {

namespace {

QString shownText(const QString& text)
{
    return text.size() > kMaxClipboardCharacters ? text.left(kMaxClipboardCharacters) + QChar(0x2026) : text;
}

// The plain format the clipboard's text is written in.
void usePlainFormat(NoteText& text)
{
    text.setSelBold(false);
    text.setSelFontSize(10);
    text.setSelColor(0);
}

// Follows the clipboard for one note: reads it at once, then once after each burst of changes.
class ClipboardFollower : public SpecialContent
{
public:
    explicit ClipboardFollower(ClipboardSource& clipboard)
        : m_clipboard(clipboard)
    {
        m_settle.setSingleShot(true);
        m_settle.setInterval(kClipboardSettleMs);
        QObject::connect(&m_clipboard, &ClipboardSource::changed, &m_settle, [this] {
            if (!m_settle.isActive()) {
                m_settle.start(); // what comes before it fires is read with it
            }
        });
        QObject::connect(&m_settle, &QTimer::timeout, &m_settle, [this] {
            if (m_note) {
                const NoteTextEdit edit(m_note->text());
                write(*m_note, m_clipboard.content());
            }
        });
    }

    bool show(SpecialTarget& note, QString*) override
    {
        m_note = &note;
        write(note, m_clipboard.content());
        return true;
    }

protected:
    virtual void write(SpecialTarget& note, const ClipboardContent& content) = 0;

    ClipboardSource& m_clipboard;
    SpecialTarget* m_note = nullptr;
    QTimer m_settle;
};

class ClipboardViewer : public ClipboardFollower
{
public:
    using ClipboardFollower::ClipboardFollower;

private:
    void write(SpecialTarget& note, const ClipboardContent& content) override
    {
        NoteText& text = note.text();
        writeSpecialHeading(text, QCoreApplication::translate("SpecialNote", "Clipboard Viewer:") + kCrLf);
        if (!content.hasText) {
            return;
        }
        usePlainFormat(text);
        text.setSelText(content.secret
                            ? QCoreApplication::translate("SpecialNote", "(hidden: copied from a password manager)")
                            : shownText(content.text));
    }
};

class ClipboardLog : public ClipboardFollower
{
public:
    using ClipboardFollower::ClipboardFollower;

    // Back from the last session: what is on the clipboard now was logged then.
    void catchUp(const QDateTime&) override { m_skipNext = true; }

private:
    void write(SpecialTarget& note, const ClipboardContent& content) override
    {
        NoteText& text = note.text();
        if (m_entriesStart < 0) {
            m_entriesStart = text.document()->characterCount() - 1; // the heading, or what came back
        }
        if (!content.hasText || content.secret) {
            return;
        }
        const bool same = content.text.compare(m_last, Qt::CaseInsensitive) == 0;
        m_last = content.text;
        if (same || std::exchange(m_skipNext, false)) {
            return;
        }
        const int before = text.document()->characterCount();
        text.setSelStart(before);
        usePlainFormat(text);
        appendLabelledLine(text, shownText(content.text), generalDateTimeText(Clock::now()));
        m_entries.push_back(text.document()->characterCount() - before);
        if (int(m_entries.size()) > kMaxClipboardLogEntries) {
            dropOldest(text);
        }
    }

    void dropOldest(NoteText& text)
    {
        QTextCursor oldest(text.document());
        oldest.setPosition(m_entriesStart);
        oldest.setPosition(m_entriesStart + m_entries.front(), QTextCursor::KeepAnchor);
        oldest.removeSelectedText();
        m_entries.pop_front();
    }

    QString m_last;
    bool m_skipNext = false;
    int m_entriesStart = -1;
    std::deque<int> m_entries; // the length of each entry written, oldest first
};

} // namespace

std::unique_ptr<SpecialContent> makeClipboardViewer(ClipboardSource& clipboard)
{
    return std::make_unique<ClipboardViewer>(clipboard);
}

std::unique_ptr<SpecialContent> makeClipboardLog(ClipboardSource& clipboard)
{
    return std::make_unique<ClipboardLog>(clipboard);
}

} // namespace jotlet
