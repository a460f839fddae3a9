// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/dialogresponder.h"
#include "support/replaceable.h"

namespace jotlet {

namespace {

// Before the program installs its dialogs: nothing is shown, every question is cancelled.
class NoDialogs : public DialogResponder
{
public:
    std::optional<QString> fileDialog(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QColor> colorDialog(QObject*, const QColor&, bool) override { return std::nullopt; }
    std::optional<FontChoice> fontDialog(QObject*, const QString&, int) override { return std::nullopt; }
    bool printerDialog(QObject*, QPrinter&) override { return false; }
    Answer question(QObject*, const QString&, const QString&, const QString&) override { return Answer::Cancel; }
    void information(QObject*, const QString&, const QString&) override { }
    bool confirm(QObject*, const QString&, const QString&) override { return false; }
    void warning(QObject*, const QString&, const QString&) override { }
    void showAbout(QObject*) override { }
    void showSettings(QObject*) override { }
    void showHelp(QObject*) override { }
    SpellingAnswer spellingDialog(QObject*, const SpellingQuestion&) override { return {}; }
    void critical(QObject*, const QString&, const QString&) override { }
    std::optional<QString> textDialog(const QString&, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QTime> timeDialog(const QString&, const QString&, const QTime&) override { return std::nullopt; }
};

Replaceable<DialogResponder> g_responder;

} // namespace

DialogResponder& dialogResponder()
{
    static NoDialogs none;
    return g_responder.orElse(none);
}

void setDialogResponder(DialogResponder* responder)
{
    g_responder.install(responder);
}

} // namespace jotlet
