// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The X tools the window-system tests ask: xdotool to move the mouse and find windows, xprop to read properties.
#include <QDir>
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

// A picture of the whole screen in build/screenshots/<name>.png, for a person to look at (where ImageMagick's
// import is installed; nothing otherwise).
inline void screenshot(const QString& name)
{
    QDir().mkpath(QStringLiteral(JOTLET_SCREENSHOT_DIR));
    runTool(QStringLiteral("import"),
            {QStringLiteral("-window"),
             QStringLiteral("root"),
             QStringLiteral(JOTLET_SCREENSHOT_DIR "/") + name + QStringLiteral(".png")});
}

// Makes a window a panel that the work area leaves out: its _NET_WM_STRUT_PARTIAL ("left,right,top,bottom,...").
inline void setStrut(WId id, const QString& strutPartial)
{
    runTool(QStringLiteral("xprop"),
            {QStringLiteral("-id"),
             QString::number(id),
             QStringLiteral("-f"),
             QStringLiteral("_NET_WM_STRUT_PARTIAL"),
             QStringLiteral("32c"),
             QStringLiteral("-set"),
             QStringLiteral("_NET_WM_STRUT_PARTIAL"),
             strutPartial});
}

// Where a window is on the screen, by its X window id; (-1, -1) when xdotool does not know it.
inline QPoint windowPosition(const QString& id)
{
    const QString out = runTool(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), id});
    const int at = out.indexOf(QLatin1String("Position: "));
    const QStringList xy = out.mid(at + 10).section(QLatin1Char(' '), 0, 0).split(QLatin1Char(','));
    return xy.size() == 2 ? QPoint(xy[0].toInt(), xy[1].toInt()) : QPoint(-1, -1);
}

// The window ids of the root window's stacking list, bottom to top.
inline QStringList stackingOrder()
{
    const QString out
        = runTool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    QStringList ids;
    for (const QString& part : out.section(QLatin1Char('#'), 1).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        ids << QString::number(part.trimmed().toULongLong(nullptr, 16));
    }
    return ids;
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
