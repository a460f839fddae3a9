#pragma once

// The X tools the window-system tests ask: xdotool to move the mouse and find windows, xprop to read properties.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QWidget>

// Runs a tool and returns what it printed, trimmed; a text no tool prints when it did not answer within 10 s.
inline QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000)) {
        return QStringLiteral("<%1 did not answer>").arg(program);
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// The window manager's state atoms of a window (_NET_WM_STATE_ABOVE ...), as xprop prints them.
inline QString wmState(WId id)
{
    return runTool(QStringLiteral("xprop"),
                   {QStringLiteral("-id"), QString::number(id), QStringLiteral("_NET_WM_STATE")});
}
