#include "app/logerrorbox.h"
#include "platform/sessionend.h"
#include "support/appinfo.h"
#include "support/errorlog.h"
#include "support/files.h"
#include "window/startup.h"

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

    // The program runs while a note is open; at the end of the session every note is kept for the next start.
    jotlet::SessionEndWatcher sessionEnd;
    QObject::connect(&sessionEnd, &jotlet::SessionEndWatcher::sessionEnding, &app, &jotlet::endSession);

    // The command line is one text: the arguments after the program's name, joined by single spaces.
    jotlet::Main(QApplication::arguments().mid(1).join(QLatin1Char(' ')));
    return app.exec();
}
