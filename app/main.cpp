#include "app/application.h"
#include "app/logerrorbox.h"
#include "app/singleinstance.h"
#include "support/appinfo.h"
#include "support/files.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Jotlet %s\n", qPrintable(jotlet::programVersion()));
            return 0;
        }
    }

    jotlet::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    jotlet::applyApplicationIdentity();
    jotlet::installLogErrorMessageBox();

    // The command line is one text: the arguments after the program's name, joined by single spaces.
    const QString commandLine = QApplication::arguments().mid(1).join(QLatin1Char(' '));
    jotlet::SingleInstance instance;
    if (instance.handOver(commandLine)) {
        return 0; // the program that runs already opens it
    }
    jotlet::JotletApplication jotletApp;
    QObject::connect(
        &instance, &jotlet::SingleInstance::commandLineReceived, &jotletApp, &jotlet::JotletApplication::openAnother);
    jotletApp.start(commandLine);
    return app.exec();
}
