// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/logerrorbox.h"
#include "app/platformchoice.h"
#include "app/singleinstance.h"
#include "dialogs/qtdialogs.h"
#include "i18n/translations.h"
#include "import/bringin.h"
#include "note/noteexport.h"
#include "notes/backups.h"
#include "support/appinfo.h"
#include "support/files.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QProcessEnvironment>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

// The program's own options: Qt's are not listed, so no --help-all promises them.
struct Options
{
    QCommandLineOption help {{QStringLiteral("h"), QStringLiteral("help")},
                             QCoreApplication::translate("Main", "Displays help on commandline options.")};
    QCommandLineOption importFrom {
        QStringLiteral("import"),
        QCoreApplication::translate("Main",
                                    "Imports the notes of another program: xpad, knotes, mint, gnome, microsoft "
                                    "(a plum.sqlite named after it, or ~/plum.sqlite) or folder (a folder of .txt and "
                                    ".md files named after it). The running Jotlet opens them; notes imported before "
                                    "are left out."),
        QStringLiteral("source")};
    QCommandLineOption exportTo {
        QStringLiteral("export"),
        QCoreApplication::translate("Main",
                                    "Writes every note (open, kept and in the notes folder) to a folder, one file "
                                    "each, and ends. Exit code 0 when all were written, 1 when some were not."),
        QStringLiteral("folder")};
    QCommandLineOption format {QStringLiteral("format"),
                               QCoreApplication::translate("Main", "The format of --export: markdown, html or text."),
                               QStringLiteral("format"),
                               QStringLiteral("markdown")};
    QCommandLineOption withTrash {QStringLiteral("with-trash"),
                                  QCoreApplication::translate("Main", "--export also writes the notes in the trash.")};
};

void describe(QCommandLineParser& parser, Options& options)
{
    parser.setApplicationDescription(QCoreApplication::translate("Main", "Sticky notes for the desktop."));
    parser.addOptions({options.help, options.importFrom, options.exportTo, options.format, options.withTrash});
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QCoreApplication::translate("Main", "A note file (.not) or a text file to open."),
                                 QStringLiteral("[file]"));
}

int fail(const QString& text)
{
    std::fprintf(stderr,
                 "jotlet: %s\n%s\n",
                 qPrintable(text),
                 qPrintable(QCoreApplication::translate("Main", "Try 'jotlet --help'.")));
    return 2;
}

// Writes every note the program keeps to a folder (the running program's open notes are in its journal).
int exportNotesNow(const QCommandLineParser& parser, const Options& options)
{
    const std::optional<jotlet::ExportFormat> format = jotlet::exportFormatNamed(parser.value(options.format));
    if (!format) {
        return fail(QCoreApplication::translate("Main", "Unknown format '%1'.").arg(parser.value(options.format)));
    }
    const QString folder = QDir::current().absoluteFilePath(parser.value(options.exportTo));
    QStringList unreadable;
    const jotlet::NoteList notes
        = jotlet::collectKeptNotes(jotlet::NotePlaces::current(), {true, parser.isSet(options.withTrash)}, &unreadable);
    const jotlet::ExportOutcome outcome = jotlet::exportNotes(notes, folder, *format);
    for (const QString& line : outcome.failed + unreadable) {
        std::fprintf(stderr, "jotlet: %s\n", qPrintable(line));
    }
    std::printf("%s\n",
                qPrintable(QCoreApplication::translate(
                               "Main", "%n note(s) exported to %1.", nullptr, int(outcome.written.size()))
                               .arg(folder)));
    return outcome.failed.isEmpty() ? 0 : 1;
}

bool wants(const QStringList& arguments, const char* option)
{
    const QString name = QLatin1String("--") + QLatin1String(option);
    return std::any_of(arguments.cbegin(), arguments.cend(), [&name](const QString& argument) {
        return argument == name || argument.startsWith(name + QLatin1Char('='));
    });
}

// --help, --version and --export are answered at once, without a display, and so is an option the program does not
// know. --import starts the program (or hands over to the one running); anything else on the command line is the
// file to open, taken as it is. The exit code when answered.
std::optional<int> answeredOption(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (arguments.size() < 2 || !arguments.at(1).startsWith(QLatin1Char('-'))) {
        return std::nullopt; // a file, or nothing: the program starts
    }
    // The answers in the user's language: an application of their own, gone before the program's starts. An
    // export lays out text, which needs the fonts of a (screenless) GUI application.
    std::vector<char*> offscreen(argv, argv + argc);
    char platformOption[] = "-platform";
    char platformName[] = "offscreen";
    offscreen.insert(offscreen.begin() + 1, {platformOption, platformName});
    int offscreenCount = int(offscreen.size());
    offscreen.push_back(nullptr);
    std::unique_ptr<QCoreApplication> core;
    if (wants(arguments, "export")) {
        core = std::make_unique<QGuiApplication>(offscreenCount, offscreen.data());
    } else {
        core = std::make_unique<QCoreApplication>(argc, argv);
    }
    jotlet::applyApplicationIdentity();
    jotlet::installTranslations();
    QCommandLineParser parser;
    Options options;
    describe(parser, options);
    if (!parser.parse(arguments)) {
        // Not an option of ours: a file name, perhaps one that starts with a dash, else a mistake.
        const QString first = arguments.value(1);
        if (first.startsWith(QLatin1Char('-')) && !QFileInfo::exists(first)) {
            return fail(parser.errorText());
        }
        return std::nullopt;
    }
    if (parser.isSet(options.help)) {
        QString text = parser.helpText();
        text.replace(QLatin1Char(' ') + arguments.first() + QLatin1Char(' '), QStringLiteral(" jotlet ")); // the name
        std::printf("%s", qPrintable(text));
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("Jotlet %s\n", qPrintable(jotlet::programVersion()));
        return 0;
    }
    if (parser.isSet(options.exportTo)) {
        return exportNotesNow(parser, options);
    }
    if (parser.isSet(options.importFrom) && !jotlet::importKindForKey(parser.value(options.importFrom))) {
        return fail(QCoreApplication::translate("Main", "Unknown program '%1'.").arg(parser.value(options.importFrom)));
    }
    return std::nullopt;
}

// The command line is one text: the arguments after the program's name, joined by single spaces. A relative path
// is made absolute here, so that a program already running elsewhere opens the file this start meant.
QString commandLineText()
{
    const QStringList arguments = QApplication::arguments();
    if (arguments.value(1) == QLatin1String("--import") || arguments.value(1).startsWith(QLatin1String("--import="))) {
        // "--import <source> [path]", the path made absolute for a program running elsewhere.
        const QString source = arguments.value(1).section(QLatin1Char('='), 1);
        const QStringList rest = arguments.mid(source.isEmpty() ? 3 : 2);
        const QString path = rest.isEmpty() ? QString() : QDir::current().absoluteFilePath(rest.join(QLatin1Char(' ')));
        return jotlet::importRequestText(source.isEmpty() ? arguments.value(2) : source, path);
    }
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

// The program's icon at the sizes the window manager is given, rendered at build time as bare RGBA pixels: no image
// reader (which would load every image format plugin) before the first note shows.
QIcon windowIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) { // the sizes app/CMakeLists.txt renders
        QFile file(QStringLiteral(":/windowicon/jotlet-%1.rgba").arg(size));
        const QByteArray pixels = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        if (pixels.size() == size * size * 4) {
            const QImage image(reinterpret_cast<const uchar*>(pixels.constData()),
                               size,
                               size,
                               size * 4,
                               QImage::Format_RGBA8888_Premultiplied);
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
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
    QApplication::setWindowIcon(windowIcon());
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
