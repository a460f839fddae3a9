#include "appinfo.h"
#include "errorlog.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

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

    QApplication app(argc, argv);
    jotlet::applyApplicationIdentity();
    jotlet::installLogErrorMessageBox();

    QWidget note;
    note.setWindowTitle(QStringLiteral("Jotlet"));
    note.setObjectName(QStringLiteral("frmMain"));
    auto* layout = new QVBoxLayout(&note);
    layout->addWidget(new QLabel(QStringLiteral("Jotlet"), &note));
    note.setStyleSheet(QStringLiteral("background: #ffff99;"));
    note.resize(155, 139);
    note.show();
    return app.exec();
}
