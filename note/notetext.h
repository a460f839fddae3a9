// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "note/notepictures.h"

#include <QObject>
#include <QTextCursor>

#include <functional>

class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;

namespace jotlet {

// A note's text: the rich-text document and the selection the note's commands act on. A view showing the note
// edits the same document; it hands its own selection over before a command runs and takes it back afterwards.
//
// With nothing selected the selection setters set the format of what is typed (or inserted) next. Sizes are
// points, indents twips, colours 0x00BBGGRR; alignment is 0 left, 1 right, 2 centre.
class NoteText : public QObject
{
    Q_OBJECT

public:
    explicit NoteText(QObject* parent = nullptr);
    ~NoteText() override;

    QTextDocument* document() const { return m_document; }
    const QTextCursor& cursor() const { return m_cursor; }
    void setCursor(const QTextCursor& cursor);

    // The text as rich-edit RTF. Setting replaces the content in one edit; input past the reader's limits leaves
    // the content alone and gives false with the reason in *error.
    QByteArray rtf() const;
    bool setRtf(const QByteArray& rtf, QString* error = nullptr);
    // The same for a version of the text stored elsewhere: only what differs changes, the caret and the selection
    // stay with their words, and the change cannot be undone (Undo takes back only the user's own edits).
    bool applyRtf(const QByteArray& rtf, QString* error = nullptr);

    // The plain text with paragraphs separated by CR LF, as rich-edit controls give it. Setting replaces the
    // content with plain text in the format of the insertion point.
    QString text() const;
    void setText(const QString& text);

    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);
    QString selText() const;
    void setSelText(const QString& text);

    bool selBold() const;
    void setSelBold(bool on);
    bool selItalic() const;
    void setSelItalic(bool on);
    bool selUnderline() const;
    void setSelUnderline(bool on);
    bool selStrikeThrough() const;
    void setSelStrikeThrough(bool on);
    bool selBullet() const;
    void setSelBullet(bool on);
    double selFontSize() const;
    void setSelFontSize(double points);
    quint32 selColor() const;
    void setSelColor(quint32 color);
    // Colours the whole text, bullets too, leaving the selection and the caret where they are.
    void setAllColor(quint32 color);
    int selIndent() const;
    void setSelIndent(int twips);
    int selAlignment() const;
    void setSelAlignment(int alignment);

    // Turns the selected paragraphs into a checklist, or back (see checklist.h).
    void toggleChecklist();
    // Puts a picture in where the caret is now, once it is ready (read, scaled and encoded on a worker: the note goes
    // on taking keys meanwhile, and the place moves with the text typed before it), shown at most fitWidth pixels
    // wide (see notepictures.h). pictureRefused tells why one could not go in.
    void insertPictureLater(std::function<ReadyPicture()> ready, int fitWidth);

    // The face and size of all text that has none of its own.
    QString fontName() const;
    void setFontName(const QString& name);
    double fontSize() const;
    void setFontSize(double points);

    // Sets the text read from a file, where every run names its face and size: the face and size most of the text
    // has become the note's own, and runs in them lose their explicit face and size, so that they follow the note's
    // Size and Font Family as typed text does, while runs with a face or size of their own keep it. Nothing to undo
    // to. The size adopted is in *commonSize (0 when the text has no sized run).
    bool setStoredRtf(const QByteArray& rtf, double* commonSize, QString* error);

    // Everything written between beginEdit() and endEdit() is one edit: the note and its view hear of it once, at
    // the end (the program writes a special note's whole text in many small steps). Use NoteTextEdit.
    void beginEdit();
    void endEdit();

    // While locked the user cannot edit the text (a view makes itself read-only); the program still can.
    bool isLocked() const { return m_locked; }
    void setLocked(bool locked);

signals:
    // The content or its format changed.
    void changed();
    // A command moved the selection or changed the format of what is typed next: a view takes cursor() over.
    void cursorChanged();
    void lockedChanged(bool locked);
    void pictureRefused(const jotlet::Problem& reason);
    void pictureInserted();

private:
    void notifyCursor();
    void mergeSelectionFormat(const QTextCharFormat& format);
    void mergeFormat(QTextCursor& cursor, const QTextCharFormat& format);
    void applyToSelectedBlocks(const std::function<void(QTextBlockFormat&)>& change);
    QTextCharFormat typingFormat() const;

    QTextDocument* m_document;
    QTextCursor m_cursor;
    bool m_locked = false;
    int m_editDepth = 0;
    bool m_endingEdit = false;
    bool m_cursorMoved = false;
};

// One edit of a note's text for as long as it lives.
class NoteTextEdit
{
public:
    explicit NoteTextEdit(NoteText& text)
        : m_text(text)
    {
        m_text.beginEdit();
    }
    ~NoteTextEdit() { m_text.endEdit(); }
    NoteTextEdit(const NoteTextEdit&) = delete;
    NoteTextEdit& operator=(const NoteTextEdit&) = delete;

private:
    NoteText& m_text;
};

} // namespace jotlet
