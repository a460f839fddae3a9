// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/notefiledialog.h"

#include "note/commondialog.h"
#include "support/files.h"
#include "support/settings.h"
#include <QCoreApplication>

namespace jotlet {

std::optional<QString> askForNoteFile(NoteFileDialog kind, QObject* owner)
{
    CommonDialog dialog;
    dialog.setOwner(owner);
    dialog.setTitle(QCoreApplication::translate("NoteFileDialog", "Select a file: "));
    dialog.setDefaultExtension(QStringLiteral("not"));
    //: File type filter: "description (pattern)|pattern". Translate the description only.
    dialog.setFilter(QCoreApplication::translate("NoteFileDialog", "Jotlet Note (*.not)|*.not"));
    dialog.setFlags(OFN_EXPLORER | OFN_HIDEREADONLY);
    dialog.setInitialFolder(readSetting(Setting::LastFolder));
    const bool confirmed = kind == NoteFileDialog::Save ? dialog.showSave() : dialog.showOpen();
    if (!confirmed) {
        return std::nullopt;
    }
    writeSetting(Setting::LastFolder, folderPart(dialog.fileName()));
    return dialog.fileName();
}

} // namespace jotlet
