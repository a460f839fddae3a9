// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QObject;
class QTextDocument;

namespace jotlet {

// Puts a note's text on paper: the printer the user chooses in the print dialog, margins of an inch from the
// paper's edges. The window layer provides it (Qt's printer); the note only asks.
class NotePrinting
{
public:
    enum class Result { Printed, Cancelled, Failed };
    virtual ~NotePrinting() = default;
    // Asks for the printer over owner and prints; Failed with the reason in *error when the printer failed on the
    // way (nothing half printed is sent).
    virtual Result print(const QTextDocument& text, QObject* owner, QString* error) = 0;
};

// The printing in use; until the program installs one, nothing can be printed (Failed).
NotePrinting& notePrinting();
// Installs the printing (not owned) or, with nullptr, goes back to none.
void setNotePrinting(NotePrinting* printing);

} // namespace jotlet
