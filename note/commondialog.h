// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QObject;

namespace jotlet {

// Option flags of the file dialogs, with the values callers pass.
enum FileDialogFlag : long {
    OFN_READONLY = 0x1,
    OFN_OVERWRITEPROMPT = 0x2,
    OFN_HIDEREADONLY = 0x4,
    OFN_NOCHANGEDIR = 0x8,
    OFN_ALLOWMULTISELECT = 0x200,
    OFN_PATHMUSTEXIST = 0x800,
    OFN_FILEMUSTEXIST = 0x1000,
    OFN_EXPLORER = 0x80000,
};

// The standard dialogs behind one small object: create one per use, set what the dialog needs, show it and read
// the result. Every dialog goes through the dialog responder (tests answer it). Nothing survives from one use to
// the next.
class CommonDialog
{
public:
    // The window the dialog belongs to (it opens over it); none by default.
    void setOwner(QObject* owner) { m_owner = owner; }

    QString initialFolder() const { return m_initialFolder; }
    void setInitialFolder(const QString& folder) { m_initialFolder = folder; }
    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }

    // Pairs of a description and a pattern, every piece separated by "|": "Jotlet Note (*.not)|*.not".
    QString filter() const { return m_filter; }
    void setFilter(const QString& filter) { m_filter = filter; }
    // The filter as Qt's file dialog takes it: one "Description (patterns)" per pair.
    QStringList qtNameFilters() const;

    // Which pair is chosen at first, counted from 1 (0 also means the first).
    int filterIndex() const { return m_filterIndex; }
    void setFilterIndex(int index) { m_filterIndex = index; }
    QString defaultExtension() const { return m_defaultExtension; }
    void setDefaultExtension(const QString& extension) { m_defaultExtension = extension; }
    // The chosen full path after a confirmed file dialog.
    QString fileName() const { return m_fileName; }
    QString fontName() const { return m_fontName; }
    void setFontName(const QString& face) { m_fontName = face; }
    long flags() const { return m_flags; }
    void setFlags(long flags) { m_flags = flags; }

    // True when the user confirmed; fileName() is then the chosen path.
    bool showOpen();
    bool showSave();
    // The chosen colour 0x00BBGGRR, or -1 when cancelled. initialColor may name a system colour (top bit set).
    long showColor(bool fullOpen, long initialColor);
    // True when confirmed; fontName() and fontSize() are then the chosen face and size (which may equal the
    // preset).
    bool showFont(int pointSize = 12);
    int fontSize() const { return m_fontSize; }

private:
    bool showFileDialog(bool save);

    QObject* m_owner = nullptr;
    QString m_initialFolder;
    QString m_title;
    QString m_filter;
    int m_filterIndex = 0;
    QString m_defaultExtension;
    QString m_fileName;
    QString m_fontName;
    int m_fontSize = 0;
    long m_flags = 0;
};

} // namespace jotlet
