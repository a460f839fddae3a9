// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs the user sees: Qt's standard dialogs, each over the window that asked and above every note.
#include "dialogs/qtdialogs.h"

#include "dialogs/aboutwindow.h"
#include "dialogs/currentprinter.h"
#include "dialogs/helpwindow.h"
#include "dialogs/inputdialogs.h"
#include "dialogs/printmodule.h"
#include "dialogs/reminderdialog.h"
#include "dialogs/settingswindow.h"
#include "dialogs/spellingdialog.h"
#include "rtf/pictures.h"
#include "support/modules.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTextDocument>

#include <memory>

namespace jotlet {

namespace {

QWidget* ownerWidget(QObject* owner)
{
    return qobject_cast<QWidget*>(owner);
}

// Runs a dialog: transient for its owner and centred on it (a dialog with a parent), and kept above every window
// while it is open, so that a note kept on top never covers it.
int runDialog(QDialog& dialog)
{
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    return dialog.exec();
}

int showMessage(QObject* owner,
                QMessageBox::Icon icon,
                const QString& title,
                const QString& text,
                QMessageBox::StandardButtons buttons,
                const QString& detail = {})
{
    QMessageBox box(icon, title, text, buttons, ownerWidget(owner));
    box.setInformativeText(detail);
    if (buttons & QMessageBox::Yes) {
        box.setDefaultButton(QMessageBox::Yes);
    }
    return runDialog(box);
}

class QtDialogResponder : public DialogResponder
{
public:
    std::optional<QString> fileDialog(const FileDialogRequest& request) override
    {
        QFileDialog dialog(ownerWidget(request.owner), request.title, request.initialFolder);
        const bool save = request.kind == FileDialogRequest::Kind::Save;
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        if (save) {
            dialog.setFileMode(QFileDialog::AnyFile);
        } else {
            dialog.setFileMode(request.multipleFiles ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
        }
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
        if (!request.nameFilters.isEmpty()) {
            dialog.setNameFilters(request.nameFilters);
            dialog.selectNameFilter(request.nameFilters.value(request.selectedFilter, request.nameFilters.first()));
        }
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        return dialog.selectedFiles().first();
    }

    std::optional<QColor> colorDialog(QObject* owner, const QColor& initial, bool fullOpen) override
    {
        Q_UNUSED(fullOpen) // Qt's colour dialog always shows the custom colour part
        QColorDialog dialog(initial, ownerWidget(owner));
        if (runDialog(dialog) != QDialog::Accepted || !dialog.selectedColor().isValid()) {
            return std::nullopt;
        }
        return dialog.selectedColor();
    }

    std::optional<FontChoice> fontDialog(QObject* owner, const QString& initialFace, int pointSize) override
    {
        // The dialog lists the faces installed; a name the system maps to another face opens on that face.
        QFont initial(QFontInfo(QFont(initialFace)).family());
        initial.setPointSize(qMax(1, pointSize));
        QFontDialog dialog(initial, ownerWidget(owner));
        if (runDialog(dialog) != QDialog::Accepted) {
            return std::nullopt;
        }
        const QFont chosen = dialog.selectedFont();
        return FontChoice {chosen.family(), chosen.pointSize()};
    }

    bool printerDialog(QObject* owner, QPrinter& printer) override
    {
        const auto dialog = moduleFunction<PrinterDialog>(kPrintModule, kPrinterDialog);
        return dialog && dialog(&printer, ownerWidget(owner));
    }

    Answer question(QObject* owner, const QString& title, const QString& text, const QString& detail) override
    {
        const int button = showMessage(
            owner, QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, detail);
        return button == QMessageBox::Yes ? Answer::Yes : button == QMessageBox::No ? Answer::No : Answer::Cancel;
    }

    void information(QObject* owner, const QString& text, const QString& title) override
    {
        showMessage(owner,
                    QMessageBox::Information,
                    title.isEmpty() ? QGuiApplication::applicationDisplayName() : title,
                    text,
                    QMessageBox::Ok);
    }

    bool confirm(QObject* owner, const QString& title, const QString& text) override
    {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel, ownerWidget(owner));
        box.setDefaultButton(QMessageBox::Ok);
        return runDialog(box) == QMessageBox::Ok;
    }

    void warning(QObject* owner, const QString& title, const QString& text) override
    {
        showMessage(owner, QMessageBox::Warning, title, text, QMessageBox::Ok);
    }

    void showAbout(QObject* owner) override
    {
        AboutWindow window(ownerWidget(owner));
        runDialog(window);
    }

    void showHelp(QObject* owner) override
    {
        HelpWindow window(ownerWidget(owner));
        runDialog(window);
    }

    void showSettings(QObject* owner) override
    {
        SettingsWindow window(ownerWidget(owner));
        runDialog(window);
    }

    SpellingAnswer spellingDialog(QObject* owner, const SpellingQuestion& question) override
    {
        SpellingDialog dialog(question, ownerWidget(owner));
        runDialog(dialog);
        return dialog.answer();
    }

    void notify(const QString& title, const QString& text) override
    {
        auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setAttribute(Qt::WA_ShowWithoutActivating);
        box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        box->setModal(false);
        box->show();
    }

    void critical(QObject* owner, const QString& title, const QString& text) override
    {
        showMessage(owner, QMessageBox::Critical, title, text, QMessageBox::Ok);
    }

    std::optional<QString> textDialog(const QString& title, const QString& prompt, const QString& defaultText) override
    {
        TextInputDialog dialog(title, prompt, defaultText);
        runDialog(dialog);
        return dialog.answer();
    }

    std::optional<QTime> timeDialog(const QString& title, const QString& prompt, const QTime& initial) override
    {
        TimeInputDialog dialog(title, prompt, initial);
        runDialog(dialog);
        return dialog.answer();
    }

    std::optional<ReminderChoice>
    reminderDialog(const QString& title, const QString& prompt, const ReminderChoice& initial) override
    {
        ReminderInputDialog dialog(title, prompt, initial);
        runDialog(dialog);
        return dialog.answer();
    }
};

// Qt's printer: the one chosen in the print dialog, kept for the rest of the run.
class QtPrinting : public NotePrinting
{
public:
    Result print(const QTextDocument& text, QObject* owner, QString* error) override
    {
        constexpr double kInchTwips = 1440;
        QPrinter* printer = currentPrinter();
        const auto printPages = moduleFunction<PrintPages>(kPrintModule, kPrintPages);
        if (!printer || !printPages) {
            *error = QStringLiteral("The program's printing module is missing");
            return Result::Failed;
        }
        if (!dialogResponder().printerDialog(owner, *printer)) {
            return Result::Cancelled; // nothing is printed
        }
        const std::unique_ptr<QTextDocument> pages(text.clone());
        copyPictures(text, pages.get());
        decodePicturesNow(pages.get()); // drawn at once: none is left to be decoded on another thread
        const bool printed = printPages(pages.get(),
                                        QCoreApplication::translate("jotlet::QtDialogs", "Jotlet Note"),
                                        QMarginsF(kInchTwips, kInchTwips, kInchTwips, kInchTwips),
                                        error);
        return printed ? Result::Printed : Result::Failed;
    }
};

} // namespace

DialogResponder& qtDialogResponder()
{
    static QtDialogResponder dialogs;
    return dialogs;
}

NotePrinting& qtNotePrinting()
{
    static QtPrinting printing;
    return printing;
}

void installQtDialogs()
{
    setDialogResponder(&qtDialogResponder());
    setNotePrinting(&qtNotePrinting());
}

} // namespace jotlet
