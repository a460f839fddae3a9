// The dialogs the user sees: Qt's standard dialogs.
#include "dialogs/dialogresponder.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace jotlet {

namespace {

QWidget* ownerWidget(QObject* owner)
{
    return qobject_cast<QWidget*>(owner);
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
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        return dialog.selectedFiles().first();
    }

    std::optional<QColor> colorDialog(QObject* owner, const QColor& initial, bool fullOpen) override
    {
        Q_UNUSED(fullOpen) // Qt's colour dialog always shows the custom colour part
        const QColor chosen = QColorDialog::getColor(initial, ownerWidget(owner));
        if (!chosen.isValid()) {
            return std::nullopt;
        }
        return chosen;
    }

    std::optional<QString> fontDialog(QObject* owner, const QString& initialFace, int pointSize) override
    {
        bool ok = false;
        QFont initial(initialFace);
        initial.setPointSize(pointSize);
        const QFont chosen = QFontDialog::getFont(&ok, initial, ownerWidget(owner));
        if (!ok) {
            return std::nullopt;
        }
        return chosen.family();
    }

    bool printerDialog(QObject* owner, QPrinter& printer) override
    {
        QPrintDialog dialog(&printer, ownerWidget(owner));
        return dialog.exec() == QDialog::Accepted;
    }

    int question(QObject* owner, const QString& title, const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon,
                        title,
                        text,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                        ownerWidget(owner));
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec();
    }

    void information(QObject* owner, const QString& text) override
    {
        QMessageBox::information(ownerWidget(owner), QGuiApplication::applicationDisplayName(), text);
    }

    void warning(QObject* owner, const QString& title, const QString& text) override
    {
        QMessageBox::warning(ownerWidget(owner), title, text);
    }
};

DialogResponder* g_installed = nullptr;

} // namespace

DialogResponder& dialogResponder()
{
    static QtDialogResponder qtDialogs;
    return g_installed ? *g_installed : qtDialogs;
}

void setDialogResponder(DialogResponder* responder)
{
    g_installed = responder;
}

} // namespace jotlet
