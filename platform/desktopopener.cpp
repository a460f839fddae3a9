// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktopopener.h"
#include "support/replaceable.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace jotlet {

namespace {

// What xdg-open's exit codes mean (xdg-utils): 3 no method is available, 4 the action failed.
Problem xdgOpenFailure(int exitCode)
{
    switch (exitCode) {
    case 2:
        return Problem(QT_TRANSLATE_NOOP("Problem", "the file does not exist"));
    case 3:
        return Problem(QT_TRANSLATE_NOOP("Problem", "no program is set up on this computer to open it"));
    case 4:
        return Problem(QT_TRANSLATE_NOOP("Problem", "the program set up to open it could not open it"));
    default:
        return Problem(QT_TRANSLATE_NOOP("Problem", "the desktop's opener (xdg-open) ended with code %1"), {exitCode});
    }
}

class SystemOpener : public DesktopOpener
{
public:
    void open(const QString& target, Failed failed) override
    {
        const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
#ifdef Q_OS_WIN
        const bool viaXdgOpen = false;
#else
        const bool viaXdgOpen = !xdgOpen.isEmpty();
#endif
        if (!viaXdgOpen) {
            if (!QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode))) {
                failed(Problem(QT_TRANSLATE_NOOP("Problem", "no program is set up on this computer to open it")));
            }
            return;
        }
        // Not a child the program waits for: xdg-open may run the browser itself until the user closes it. It is
        // never destroyed while it runs, so the program's end does not end the browser.
        auto* process = new QProcess;
        process->setProgram(xdgOpen);
        process->setArguments({target});
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
        QObject::connect(process, &QProcess::errorOccurred, process, [process, failed](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) {
                failed(Problem(QT_TRANSLATE_NOOP("Problem", "the desktop's opener (xdg-open) could not be started")));
                process->deleteLater();
            }
        });
        QObject::connect(
            process, &QProcess::finished, process, [process, failed](int exitCode, QProcess::ExitStatus status) {
                if (status == QProcess::NormalExit && exitCode != 0) {
                    failed(xdgOpenFailure(exitCode));
                }
                process->deleteLater();
            });
        process->start();
    }
};

Replaceable<DesktopOpener> g_opener;

} // namespace

DesktopOpener& desktopOpener()
{
    static SystemOpener system;
    return g_opener.orElse(system);
}

void setDesktopOpener(DesktopOpener* opener)
{
    g_opener.install(opener);
}

} // namespace jotlet
