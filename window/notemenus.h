#pragma once

#include <QHash>
#include <QIcon>
#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace jotlet {

// The four popup menus of a note window: the main menu, the note's system menu, the selection menu and the
// sub-caption menu. Every item is a QAction named after its control ("mnuSave(0)", "mnuTop"); submenus are named
// too. Shortcut texts are labels only: the keys act through the window's key table.
class NoteMenus : public QObject
{
    Q_OBJECT

public:
    explicit NoteMenus(QWidget* owner);

    QMenu* mnuPopUpMenu() const { return m_main; }
    QMenu* mnuSystemMenu() const { return m_system; }
    QMenu* mnuPopUpSelect() const { return m_select; }
    QMenu* mnuPopupCaption() const { return m_caption; }

    // The item of a control name, or nullptr.
    QAction* item(const QString& control) const { return m_items.value(control); }
    bool isChecked(const QString& control) const;
    void setChecked(const QString& control, bool checked);

    // Sets the "Always on Top" icon for the note's on-top state.
    void setOnTopIcon(bool onTop);

signals:
    // An item was chosen: its control name without the index, and the index (-1 for an item of no array).
    void triggered(const QString& control, int index);

private:
    QMenu* build(const struct MenuSpec* specs, int count, QWidget* owner);

    QHash<QString, QAction*> m_items;
    QMenu* m_main;
    QMenu* m_system;
    QMenu* m_select;
    QMenu* m_caption;
};

// A menu icon by the image list's key ("Save", "Bold" ...): the icon theme's where it has one, else one drawn here.
QIcon menuIcon(const QString& key);

} // namespace jotlet
