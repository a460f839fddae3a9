// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/logoff.h"

#include "note/noteboard.h"
#include "notes/notestore.h"
#include "platform/autostart.h"
#include "support/errorlog.h"

namespace jotlet {

bool keepNotesForNextSession(NoteBoard& board, bool mainFileOpened, Problem* failure)
{
    const QList<Note*> open = board.notes();
    if (open.isEmpty()) {
        return true; // nothing to keep: a main note file already there stays as it is
    }
    NoteList records;
    SettingValues settings;
    for (Note* note : open) {
        settings << note->settingValues();
        // The notes folder keeps its own, unless it could not be written: then they wait here.
        if (!note->storage() || note->storage()->holdsUnwritten()) {
            records << note->sessionRecord(); // with its file, unsaved mark, on-top and transparency
        }
    }
    SettingsError error;
    if (!writeSettings(settings, &error)) {
        logError(QStringLiteral("frmMain: WriteSettings"), error.number, error.description);
    }
    registerAutostart();
    // A run that did not open the main note file leaves the notes in it as they are and adds its own.
    const bool saved = records.isEmpty() ? true
                       : mainFileOpened  ? writeMainNoteFile(records, failure)
                                         : addNotesToMainNoteFile(records, failure);
    for (Note* note : open) {
        note->discard();
    }
    return saved;
}

void forgetNotesForNextSession()
{
    removeAutostart();
}

} // namespace jotlet
