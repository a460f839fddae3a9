#include "app/logerrorbox.h"

#include "support/errorlog.h"

#include <QMessageBox>

namespace jotlet {

void installLogErrorMessageBox()
{
    setLogFailureHandler([](const QString&) {
        QMessageBox::information(nullptr,
                                 QStringLiteral("Log Error"),
                                 QStringLiteral("There was an error in creating an error log entry"),
                                 QMessageBox::Ok);
    });
}

} // namespace jotlet
