// What a note sends out of the program: to the printer, to the mail program, and through the spelling check.
#include "dialogs/commondialog.h"
#include "dialogs/currentprinter.h"
#include "dialogs/dialogresponder.h"
#include "support/appinfo.h"
#include "support/errorlog.h"
#include "window/mailto.h"
#include "window/note.h"
#include "window/noteboard.h"
#include "window/noteprinter.h"
#include "window/notetext.h"
#include "window/spellcheck.h"
#include "window/windowhelpers.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>

namespace jotlet {

namespace {

constexpr double kInchTwips = 1440;

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
    CommonDialog dialog;
    if (!dialog.showPrinter()) {
        return; // Cancel: nothing is printed
    }
    QPrinter& printer = currentPrinter();
    printer.setFullPage(true); // margins count from the paper's edges
    printer.setDocName(QStringLiteral("Jotlet Note"));
    QPainter* painter = currentPrintPainter();
    QString error = QStringLiteral("The printer could not start a document");
    if (painter
        && printRichText(*m_text->document(),
                         printer,
                         *painter,
                         QMarginsF(kInchTwips, kInchTwips, kInchTwips, kInchTwips),
                         &error)) {
        dialog.printDocument();
        return;
    }
    endCurrentPrintDocument(false); // nothing half printed goes to the printer
    logError(QStringLiteral("cPrintRTB: PrintRTF"), 482, error);
    logError(QStringLiteral("frmMain: PrintNote"), 482, error);
    dialogResponder().critical(m_dialogOwner,
                               QStringLiteral("Print Error"),
                               QStringLiteral("There was an error printing your Note. Check to make sure your printer "
                                              "is functioning properly"));
}

void Note::emailNote()
{
    const QString body = m_text->selLength() > 0 ? m_text->selText() : m_text->text();
    const MailtoAddress address = mailtoAddress(body);
    if (address.cut) {
        dialogResponder().information(m_dialogOwner,
                                      QStringLiteral("The note is too long for one mail message: the message holds "
                                                     "its first %1 characters.")
                                          .arg(address.keptCharacters));
    }
    openForUser(address.url,
                m_dialogOwner,
                {QStringLiteral("Email Note"),
                 QStringLiteral("The note could not be handed to a mail program: %1."),
                 QStringLiteral("frmMain: EmailNote")});
}

void Note::checkSpelling()
{
    const int caret = m_text->selStart();
    const int length = m_text->selLength();
    QString error;
    std::unique_ptr<SpellEngine> engine = m_board ? m_board->openSpellEngine(&error) : nullptr;
    if (!engine) {
        if (error.isEmpty()) {
            error = QStringLiteral("no spelling checker is set up");
        }
        logError(QStringLiteral("frmMain: CheckSpelling"), 5, error);
        dialogResponder().information(m_dialogOwner,
                                      QStringLiteral("The spelling could not be checked: %1.").arg(error),
                                      QStringLiteral("Spell Check"));
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
        dialogResponder().information(
            m_dialogOwner, QStringLiteral("Spell Check has been completed!"), QStringLiteral("Spell Check"));
    }
}

} // namespace jotlet
