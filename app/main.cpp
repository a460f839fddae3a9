// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/logerrorbox.h"
#include "app/platformchoice.h"
#include "app/singleinstance.h"
#include "dialogs/qtdialogs.h"
#include "i18n/translations.h"
#include "support/appinfo.h"
#include "support/files.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QProcessEnvironment>

#include <cstdio>
#include <optional>
#include <vector>

namespace {

// --help and --version are answered at once, without a display, and so is an option the program does not know.
// Anything else on the command line is the file to open, taken as it is. The exit code when answered.
std::optional<int> answeredOption(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (arguments.size() < 2 || !arguments.at(1).startsWith(QLatin1Char('-'))) {
        return std::nullopt; // a file, or nothing: the program starts
    }
    // The answers in the user's language: an application of their own, gone before the program's starts.
    QCoreApplication core(argc, argv);
    jotlet::installTranslations();
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("Main", "Sticky notes for the desktop."));
    // Only the program's own options: Qt's are not listed, so no --help-all promises them.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("Main", "Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QCoreApplication::translate("Main", "A note file (.not) or a text file to open."),
                                 QStringLiteral("[file]"));
    if (!parser.parse(arguments)) {
        // Not an option of ours: a file name, perhaps one that starts with a dash, else a mistake.
        const QString first = arguments.value(1);
        if (first.startsWith(QLatin1Char('-')) && !QFileInfo::exists(first)) {
            std::fprintf(stderr,
                         "jotlet: %s\n%s\n",
                         qPrintable(parser.errorText()),
                         qPrintable(QCoreApplication::translate("Main", "Try 'jotlet --help'.")));
            return 2;
        }
        return std::nullopt;
    }
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        text.replace(QLatin1Char(' ') + arguments.first() + QLatin1Char(' '), QStringLiteral(" jotlet ")); // the name
        std::printf("%s", qPrintable(text));
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("Jotlet %s\n", qPrintable(jotlet::programVersion()));
        return 0;
    }
    return std::nullopt;
}

// The command line is one text: the arguments after the program's name, joined by single spaces. A relative path
// is made absolute here, so that a program already running elsewhere opens the file this start meant.
QString commandLineText()
{
    const QString commandLine = QApplication::arguments().mid(1).join(QLatin1Char(' '));
    QString path = commandLine;
    const bool quoted = path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')) && path.size() > 1;
    if (quoted) {
        path = path.mid(1, path.size() - 2);
    }
    if (path.isEmpty() || !QFileInfo(path).isRelative()) {
        return commandLine;
    }
    return QDir::current().absoluteFilePath(path);
}

} // namespace

int main(int argc, char* argv[])
{
    if (const std::optional<int> exitCode = answeredOption(argc, argv)) {
        return *exitCode;
    }

    jotlet::ignoreFileSizeSignal();
    // In a Wayland session the notes run on Xwayland where they can: given as an argument, not in the environment,
    // so that programs started from a note (the browser, the mail program) choose for themselves.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const QByteArray platform = jotlet::chosenPlatform(QProcessEnvironment::systemEnvironment(), arguments).toLatin1();
    std::vector<char*> withPlatform(argv, argv + argc);
    char platformOption[] = "-platform";
    if (!platform.isEmpty()) {
        withPlatform.insert(withPlatform.begin() + 1, {platformOption, const_cast<char*>(platform.constData())});
    }
    int withPlatformCount = int(withPlatform.size());
    withPlatform.push_back(nullptr);
    QApplication app(withPlatformCount, withPlatform.data());
    jotlet::applyApplicationIdentity();
    jotlet::installTranslations();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/jotlet.svg")));
    jotlet::installLogErrorMessageBox();
    jotlet::installQtDialogs();

    const QString commandLine = commandLineText();
    jotlet::SingleInstance instance;
    switch (instance.start(commandLine)) {
    case jotlet::SingleInstance::Start::HandedOver:
        return 0; // the program that runs already opens it
    case jotlet::SingleInstance::Start::NoAnswer:
        std::fprintf(stderr, "Jotlet is already running but did not answer; nothing was opened.\n");
        return 1;
    case jotlet::SingleInstance::Start::Running:
        break;
    }
    jotlet::JotletApplication jotletApp;
    QObject::connect(
        &instance, &jotlet::SingleInstance::commandLineReceived, &jotletApp, &jotlet::JotletApplication::openAnother);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &instance, &jotlet::SingleInstance::stopListening);
    if (!jotletApp.start(commandLine)) {
        return 0; // the session ended while the notes were coming back: the files still hold them
    }
    return app.exec();
}
