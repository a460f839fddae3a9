// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Answers the common dialogs in place of a user: each answer is taken from a queue, and every request is kept
// so a test can check what the dialog was asked to show. Installed for its lifetime.
#include "note/dialogresponder.h"

#include <QList>

class FakeDialogs : public jotlet::DialogResponder
{
public:
    FakeDialogs() { jotlet::setDialogResponder(this); }
    ~FakeDialogs() override { jotlet::setDialogResponder(nullptr); }

    int calls = 0;                             // every dialog asked for, of any kind
    QList<std::optional<QString>> fileAnswers; // nothing: the user cancels
    QList<jotlet::FileDialogRequest> fileRequests;
    std::optional<QColor> colorAnswer;
    QColor colorShown;
    std::optional<QString> fontAnswer;
    int fontSizeAnswer = 0; // 0: the size shown
    QString fontShown;
    int fontSizeShown = 0;
    bool printerAnswer = false;
    int printerDialogs = 0;

    std::optional<QString> fileDialog(const jotlet::FileDialogRequest& request) override
    {
        ++calls;
        fileRequests << request;
        return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.takeFirst();
    }
    std::optional<QColor> colorDialog(QObject*, const QColor& initial, bool) override
    {
        ++calls;
        colorShown = initial;
        return colorAnswer;
    }
    std::optional<jotlet::FontChoice> fontDialog(QObject*, const QString& initialFace, int pointSize) override
    {
        ++calls;
        fontShown = initialFace;
        fontSizeShown = pointSize;
        if (!fontAnswer) {
            return std::nullopt;
        }
        return jotlet::FontChoice {*fontAnswer, fontSizeAnswer > 0 ? fontSizeAnswer : pointSize};
    }
    bool printerDialog(QObject*, QPrinter&) override
    {
        ++calls;
        ++printerDialogs;
        return printerAnswer;
    }
    QList<jotlet::Answer> questionAnswers; // Cancel when none is left
    QStringList questionsAsked;            // "title|text"
    QStringList questionDetails;
    jotlet::Answer question(QObject* owner, const QString& title, const QString& text, const QString& detail) override
    {
        ++calls;
        questionsAsked << title + QLatin1Char('|') + text;
        questionDetails << detail;
        owners << owner;
        return questionAnswers.isEmpty() ? jotlet::Answer::Cancel : questionAnswers.takeFirst();
    }
    QStringList notices;
    QStringList noticeTitles;
    void information(QObject* owner, const QString& text, const QString& title) override
    {
        ++calls;
        notices << text;
        noticeTitles << title;
        owners << owner;
    }
    QList<bool> confirmAnswers; // Cancel when none is left
    QStringList confirmations;  // "title|text"
    bool confirm(QObject* owner, const QString& title, const QString& text) override
    {
        ++calls;
        confirmations << title + QLatin1Char('|') + text;
        owners << owner;
        return !confirmAnswers.isEmpty() && confirmAnswers.takeFirst();
    }
    QStringList warnings; // "title|text"
    void warning(QObject* owner, const QString& title, const QString& text) override
    {
        ++calls;
        warnings << title + QLatin1Char('|') + text;
        owners << owner;
    }
    QStringList notifications; // "title|text", shown without waiting
    void notify(const QString& title, const QString& text) override
    {
        notifications << title + QLatin1Char('|') + text;
    }
    QList<QObject*> owners; // the owner of each question, notice and warning, in order
    int aboutShown = 0;
    int helpShown = 0;
    int settingsShown = 0;
    void showSettings(QObject*) override { ++settingsShown, ++calls; }
    void showAbout(QObject*) override { ++aboutShown, ++calls; }
    void showHelp(QObject* owner) override
    {
        ++helpShown, ++calls;
        owners << owner;
    }
    QList<jotlet::SpellingAnswer> spellingAnswers; // Cancel when none is left
    QList<jotlet::SpellingQuestion> spellingQuestions;
    jotlet::SpellingAnswer spellingDialog(QObject*, const jotlet::SpellingQuestion& question) override
    {
        ++calls;
        spellingQuestions << question;
        return spellingAnswers.isEmpty() ? jotlet::SpellingAnswer() : spellingAnswers.takeFirst();
    }
    QStringList criticals; // "title|text"
    void critical(QObject* owner, const QString& title, const QString& text) override
    {
        ++calls;
        criticals << title + QLatin1Char('|') + text;
        owners << owner;
    }
    QList<std::optional<QString>> textAnswers; // nothing (also when none is left): the user cancelled
    QStringList textRequests;                  // "title|prompt|default"
    std::optional<QString> textDialog(const QString& title, const QString& prompt, const QString& defaultText) override
    {
        ++calls;
        textRequests << title + QLatin1Char('|') + prompt + QLatin1Char('|') + defaultText;
        return textAnswers.isEmpty() ? std::nullopt : textAnswers.takeFirst();
    }
    QList<std::optional<QTime>> timeAnswers; // nothing: Cancel or the close box
    QStringList timeRequests;                // "title|prompt|hh:mm:ss" of the time shown at first
    std::optional<QTime> timeDialog(const QString& title, const QString& prompt, const QTime& initial) override
    {
        ++calls;
        timeRequests << title + QLatin1Char('|') + prompt + QLatin1Char('|') + initial.toString(u"HH:mm:ss");
        return timeAnswers.isEmpty() ? std::nullopt : timeAnswers.takeFirst();
    }
};
