// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

namespace jotlet {

// What is on the clipboard, as the clipboard notes read it.
struct ClipboardContent
{
    bool hasText = false; // the copy offers text (a copy of only a picture or of files does not)
    QString text;
    bool secret = false; // a password manager marked the copy as secret: it is neither shown nor kept
};

// The clipboard the notes follow: the system's, or a fake in tests. changed() tells of every new copy, the
// program's own included.
class ClipboardSource : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    virtual ClipboardContent content() const = 0;

signals:
    void changed();
};

// The desktop's clipboard (on X11 the CLIPBOARD selection, not the mouse selection).
class SystemClipboard : public ClipboardSource
{
    Q_OBJECT

public:
    explicit SystemClipboard(QObject* parent = nullptr);
    ClipboardContent content() const override;
};

} // namespace jotlet
