// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class QObject;

namespace jotlet {

// Asks for a note file ("Select a file: ", "Jotlet Note (*.not)") in an open or a save dialog that starts in the
// folder last used ("LastFolder", the desktop at first). A confirmed choice becomes the new last folder. Nothing
// when the user cancelled.
enum class NoteFileDialog { Open, Save };
std::optional<QString> askForNoteFile(NoteFileDialog kind, QObject* owner);

} // namespace jotlet
