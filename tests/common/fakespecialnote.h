// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A note's special note that only remembers what it was asked: a note with it is "special" (and cannot be saved)
// from a special kind's command until "Stop Special Note".
#include "note/specialnote.h"

#include <QList>

class FakeSpecialNote : public jotlet::SpecialNote
{
public:
    QList<jotlet::Command> commands;
    bool active = false;

    void run(jotlet::Command command) override
    {
        commands << command;
        active = command != jotlet::Command::StopSpecialNote;
    }
    void resume(const jotlet::NoteRecord&) override { }
    bool isActive() const override { return active; }
    jotlet::SpecialKind kind() const override { return jotlet::SpecialKind::None; }
    bool blocksSaving() const override { return active; }
    jotlet::ReminderIcon reminderIcon() const override { return jotlet::ReminderIcon::None; }
    void keepIn(jotlet::NoteRecord*) const override { }
};
