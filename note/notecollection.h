// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notes/noterecord.h"

#include <QList>
#include <QObject>
#include <QString>

namespace jotlet {

class Note;

// Notes kept somewhere other than one file (the notes folder), listed for the multi-note manager: open on this
// computer or not, conflicting versions among them; each can be opened here or let go of (into its trash).
class NoteCollection : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    struct Item
    {
        QString key;     // what opens and lets go of it
        NoteRecord note; // its text only when known without reading (previewNote() reads it)
        bool open = false;
        bool conflict = false;
    };

    virtual QList<Item> items() const = 0;
    // The note with its text, for a preview.
    virtual NoteRecord previewNote(const QString& key) const = 0;
    // Opens it here (or brings it forward); nullptr when it cannot be.
    virtual Note* openItem(const QString& key) = 0;
    // Lets it go into the collection's trash (a note open here closes, its last words written first).
    virtual bool deleteItem(const QString& key) = 0;

signals:
    void itemsChanged();
};

} // namespace jotlet
