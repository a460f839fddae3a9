// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/logerrorbox.h"

#include "support/errorlog.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>

namespace jotlet {

void installLogErrorMessageBox()
{
    // Shown without waiting for it: an entry can fail anywhere, even while the notes come back at start-up or the
    // session ends, and nothing may wait there for a click. One box at a time however many entries fail.
    setLogFailureHandler([](const QString&) {
        static QPointer<QMessageBox> open;
        if (open) {
            return;
        }
        open = new QMessageBox(
            QMessageBox::Information,
            QCoreApplication::translate("LogErrorBox", "Log Error"),
            QCoreApplication::translate("LogErrorBox", "There was an error in creating an error log entry"),
            QMessageBox::Ok);
        open->setAttribute(Qt::WA_DeleteOnClose);
        open->show();
    });
}

} // namespace jotlet
