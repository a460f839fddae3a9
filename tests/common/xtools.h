#pragma once

// The X tools the window-system tests ask: xdotool to move the mouse and find windows, xprop to read properties.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>
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

// The visible note windows of the programs on the display, by their X window ids.
inline QStringList noteWindows()
{
    return runTool(QStringLiteral("xdotool"),
                   {QStringLiteral("search"),
                    QStringLiteral("--onlyvisible"),
                    QStringLiteral("--name"),
                    QStringLiteral("^Jotlet")})
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Waits until as many note windows are visible (at most ten seconds); false when they did not come.
inline bool waitForNoteWindows(int count)
{
    for (int i = 0; i < 100 && noteWindows().size() != count; ++i) {
        QTest::qWait(100);
    }
    QTest::qWait(300);
    return noteWindows().size() == count;
}

// Activates a window and types into it, as a person at the keyboard would.
inline void typeInto(const QString& id, const QString& text)
{
    runTool(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"), id});
    QTest::qWait(200);
    runTool(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text});
}

// A key combination ("ctrl+n") to the active window.
inline void pressKeys(const QString& combination)
{
    runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), combination});
}
