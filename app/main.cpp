#include "app/application.h"
#include "app/logerrorbox.h"
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

    jotlet::JotletApplication jotletApp;
    // The command line is one text: the arguments after the program's name, joined by single spaces.
    jotletApp.start(QApplication::arguments().mid(1).join(QLatin1Char(' ')));
    return app.exec();
}
