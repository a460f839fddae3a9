// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "note/command.h"

#include <QHash>
#include <QObject>

#include <functional>

class QAction;
class QMenu;

namespace jotlet {

class Note;

// The four popup menus of a note: the main menu, the note's system menu, the selection menu and the sub-caption
// menu.
enum class NoteMenu { Main, System, Selection, Caption };

// One set of the four menus, shared by every note: when a menu pops up for a note its items show that note's
// state (check marks, enabled items, the "Always on Top" icon), and the chosen item's command goes to that note.
// Every item is a QAction named after its control ("mnuSave(0)", "mnuTop"); submenus are named too. Shortcut
// texts are labels only: the keys act through the note window's key table.
class NoteMenus : public QObject
{
    Q_OBJECT

public:
    explicit NoteMenus(QObject* parent = nullptr);
    ~NoteMenus() override;

    // The program's menus, made on first use.
    static NoteMenus& shared();

    QMenu* menu(NoteMenu which) const { return m_menus[int(which)]; }
    // The item of a control name ("mnuSave(2)"), or nullptr.
    QAction* item(const QString& control) const { return m_items.value(control); }
    // The items that stand for a command, and the command of each.
    QList<QAction*> commandItems() const;
    CommandCall commandOf(const QAction* item) const;

    // Shows the note's state on the items.
    void showStateOf(const Note& note);

    // Pops a menu up at a screen position for a note; the chosen item's command goes to run.
    using Runner = std::function<void(CommandCall)>;
    void popUp(NoteMenu which, const Note& note, const QPoint& at, Runner run);

private:
    QMenu* build(const struct MenuSpec* specs, int count, const QString& name);

    QMenu* m_menus[4] = {};
    QHash<QString, QAction*> m_items;
    QHash<QAction*, CommandCall> m_commands;
    Runner m_run;
};

} // namespace jotlet
