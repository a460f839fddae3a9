// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// What a note sends out of the program: to the printer, to the mail program, and through the spelling check.
#include "note/checklist.h"
#include "note/commondialog.h"
#include "note/desktop.h"
#include "note/dialogresponder.h"
#include "note/mailto.h"
#include "note/note.h"
#include "note/notetext.h"
#include "note/printing.h"
#include "note/spellcheck.h"
#include "rtf/format.h"
#include "support/appinfo.h"
#include "support/errorlog.h"

#include <QFile>
#include <QStandardPaths>

namespace jotlet {

namespace {

// Adds a word to the user's own dictionary, "custom.dct" in the data folder, one word a line.
void addToCustomDictionary(const QString& word)
{
    QFile custom(dataFilePath(QStringLiteral("custom.dct")));
    if (!custom.open(QIODevice::WriteOnly | QIODevice::Append) || custom.write(word.toUtf8() + '\n') < 0) {
        logError(
            QStringLiteral("frmMain: CheckSpelling"),
            75,
            QStringLiteral("'%1' could not be added to '%2': %3").arg(word, custom.fileName(), custom.errorString()));
    }
}

} // namespace

void Note::printNote()
{
    StayOnTopPause pause(*this);
    QString error;
    if (notePrinting().print(*m_text->document(), m_dialogOwner, &error) != NotePrinting::Result::Failed) {
        return; // printed, or cancelled in the print dialog
    }
    logError(QStringLiteral("cPrintRTB: PrintRTF"), 482, error);
    logError(QStringLiteral("frmMain: PrintNote"), 482, error);
    dialogResponder().critical(m_dialogOwner,
                               tr("Print Error"),
                               tr("There was an error printing your Note. Check to make sure your printer "
                                  "is functioning properly"));
}

int Note::pictureFitWidth() const
{
    // The chrome beside the text, the document's own margins and a scroll bar.
    constexpr int kTextMarginTwips = 220 + 150 + 300;
    return qMax(32, int((m_geometry.width() - kTextMarginTwips) / kTwipsPerPixel));
}

void Note::insertPicture()
{
    StayOnTopPause pause(*this);
    CommonDialog dialog;
    dialog.setOwner(m_dialogOwner);
    dialog.setTitle(tr("Insert Picture"));
    dialog.setInitialFolder(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    //: File type filter: "description (patterns)|patterns". Translate the description only.
    dialog.setFilter(tr("Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.webp)|*.png;*.jpg;*.jpeg;*.gif;*.bmp;*.webp"));
    dialog.setFlags(OFN_EXPLORER | OFN_HIDEREADONLY);
    if (dialog.showOpen()) {
        insertPictureFile(dialog.fileName());
    }
}

void Note::insertPictureFile(const QString& path)
{
    m_text->insertPictureLater([path] { return readyPictureFile(path); }, pictureFitWidth());
}

void Note::reportPictureRefused(const Problem& reason)
{
    logError(QStringLiteral("frmMain: InsertPicture"), 481, reason.english());
    tellPictureRefused(reason);
}

void Note::tellPictureRefused(const Problem& reason)
{
    dialogResponder().warning(m_dialogOwner,
                              tr("Picture Not Inserted"),
                              tr("The picture could not be put in the note: %1.").arg(reason.text()));
}

void Note::emailNote()
{
    // The boxes of a checklist go as "[ ]" and "[x]"; pictures stay behind.
    const int start = m_text->selLength() > 0 ? m_text->selStart() : 0;
    const int end = m_text->selLength() > 0 ? start + m_text->selLength() : m_text->document()->characterCount() - 1;
    const QString body = textForMail(*m_text->document(), start, end);
    const MailtoAddress address = mailtoAddress(body);
    if (address.cut) {
        dialogResponder().information(m_dialogOwner,
                                      tr("The note is too long for one mail message: the message holds "
                                         "its first %1 characters.")
                                          .arg(address.keptCharacters));
    }
    openForUser(address.url,
                m_dialogOwner,
                {tr("Email Note"),
                 tr("The note could not be handed to a mail program: %1."),
                 QStringLiteral("frmMain: EmailNote")});
}

void Note::checkSpelling()
{
    const int caret = m_text->selStart();
    const int length = m_text->selLength();
    Problem error;
    std::unique_ptr<SpellEngine> engine = m_services.openSpellEngine ? m_services.openSpellEngine(&error) : nullptr;
    if (!engine) {
        if (error.isEmpty()) {
            error = Problem(QT_TRANSLATE_NOOP("Problem", "no spelling checker is set up"));
        }
        logError(QStringLiteral("frmMain: CheckSpelling"), 5, error.english());
        dialogResponder().information(
            m_dialogOwner, tr("The spelling could not be checked: %1.").arg(error.text()), tr("Spell Check"));
        return;
    }
    bool cancelled = false;
    {
        StayOnTopPause pause(*this);
        const QString dictionary = dictionaryDescription(engine->dictionaryName(), QLocale::system());
        SpellCheck check(
            *engine,
            [this, dictionary](SpellingQuestion question) {
                question.dictionary = dictionary;
                return dialogResponder().spellingDialog(m_dialogOwner, question);
            },
            addToCustomDictionary);
        const bool selected = length > 0;
        check.run(*m_text->document(),
                  selected ? caret : 0,
                  selected ? caret + length : m_text->document()->characterCount() - 1);
        cancelled = check.cancelled();
    }
    m_text->setSelStart(caret);
    if (!cancelled) {
        dialogResponder().information(m_dialogOwner, tr("Spell Check has been completed!"), tr("Spell Check"));
    }
}

} // namespace jotlet
