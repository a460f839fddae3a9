#pragma once

// Answers the common dialogs in place of a user: each answer is taken from a queue, and every request is kept
// so a test can check what the dialog was asked to show. Installed for its lifetime.
#include "dialogresponder.h"

#include <QList>
#include <QPrinter>

class FakeDialogs : public jotlet::DialogResponder
{
public:
    FakeDialogs() { jotlet::setDialogResponder(this); }
    ~FakeDialogs() override { jotlet::setDialogResponder(nullptr); }

    QList<std::optional<QString>> fileAnswers; // nothing: the user cancels
    QList<jotlet::FileDialogRequest> fileRequests;
    std::optional<QColor> colorAnswer;
    QColor colorShown;
    std::optional<QString> fontAnswer;
    QString fontShown;
    bool printerAnswer = false;
    int printerDialogs = 0;

    std::optional<QString> fileDialog(const jotlet::FileDialogRequest& request) override
    {
        fileRequests << request;
        return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.takeFirst();
    }
    std::optional<QColor> colorDialog(const QColor& initial, bool) override
    {
        colorShown = initial;
        return colorAnswer;
    }
    std::optional<QString> fontDialog(const QString& initialFace, int) override
    {
        fontShown = initialFace;
        return fontAnswer;
    }
    bool printerDialog(QPrinter&) override
    {
        ++printerDialogs;
        return printerAnswer;
    }
    QList<int> questionAnswers; // QMessageBox::Yes, No or Cancel; Cancel when none is left
    QStringList questionsAsked; // "title|text"
    int question(const QString& title, const QString& text) override
    {
        questionsAsked << title + QLatin1Char('|') + text;
        return questionAnswers.isEmpty() ? 0x00400000 /* QMessageBox::Cancel */ : questionAnswers.takeFirst();
    }
    QStringList notices;
    void information(const QString& text) override { notices << text; }
    QStringList warnings; // "title|text"
    void warning(const QString& title, const QString& text) override { warnings << title + QLatin1Char('|') + text; }
};
