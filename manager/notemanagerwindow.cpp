// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "manager/notemanagerwindow.h"

#include "note/note.h"
#include "note/noteboard.h"
#include "note/notecolors.h"
#include "note/notelook.h"
#include "rtf/reader.h"
#include "support/colors.h"
#include "window/menuicons.h"
#include "window/windowhelpers.h"

#include <QAction>
#include <QIcon>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

namespace jotlet {

namespace {

QPointer<NoteManagerWindow> g_current;

constexpr int kPreviewHeight = 140;

QAction* action(QObject* parent, const char* name, const QString& text, const char* icon, const QString& tip)
{
    auto* created = new QAction(QIcon::fromTheme(QLatin1String(icon)), text, parent);
    created->setObjectName(QLatin1String(name));
    created->setToolTip(tip);
    return created;
}

} // namespace

void showNotePreview(QTextEdit* preview, const NoteRecord& stored)
{
    readRtf(storedRtfBytes(stored.data), preview->document());
    // On the note's own colour, as the note shows it, whatever the desktop's colours.
    QPalette palette = preview->palette();
    const NotePaint paint
        = notePaint(colorFromBgr(noteColorValue(stored.color).value_or(kNoteColors[0].value)), isDarkLook(stored.look));
    palette.setColor(QPalette::Base, paint.paper);
    palette.setColor(QPalette::Text, paint.ink);
    preview->setPalette(palette);
}

NoteManagerWindow* NoteManagerWindow::open(Note& note, NoteBoard& board)
{
    if (!g_current) {
        g_current = new NoteManagerWindow(board, qobject_cast<QWidget*>(note.dialogOwner()));
    }
    // It stands above the note that opened it: above other windows too when that note stays on top.
    setStaysOnTop(g_current, note.isOnTop());
    // With nothing listed yet, the notes of the notes folder, where there is one.
    if (board.collection() && g_current->manager().filePath().isEmpty() && !g_current->manager().showsCollection()) {
        g_current->manager().showCollection(board.collection());
    }
    g_current->show();
    g_current->raise();
    g_current->activateWindow();
    return g_current;
}

NoteManagerWindow* NoteManagerWindow::current()
{
    return g_current;
}

NoteManagerWindow::NoteManagerWindow(NoteBoard& board, QWidget* owner)
    : QMainWindow(owner, Qt::Dialog) // a window of its note: the window manager keeps it with that note
    , m_board(board)
    , m_manager(board)
    , m_list(new QListWidget(this))
    , m_preview(new QTextEdit(this))
{
    setUpIconTheme();
    setObjectName(QStringLiteral("frmNoteManager"));
    setWindowTitle(tr("Multi-Note Manager"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_manager.setDialogOwner(this);
    m_list->setObjectName(QStringLiteral("lvNotes"));
    m_list->setAccessibleName(tr("Notes"));
    m_list->setAccessibleDescription(tr("Enter shows the chosen note"));
    m_preview->setObjectName(QStringLiteral("rtbPreview"));
    m_preview->setAccessibleName(tr("Text of the chosen note"));
    m_preview->setReadOnly(true);
    m_preview->setFixedHeight(kPreviewHeight); // the list takes what the window gives or takes
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_preview);
    setCentralWidget(central);
    createActions();
    createMenus();
    connect(&m_manager, &NoteManager::changed, this, &NoteManagerWindow::render);
    connect(m_list, &QListWidget::currentRowChanged, &m_manager, &NoteManager::select);
    connect(m_list, &QListWidget::itemActivated, this, [this] { m_manager.showNote(); });
    closeOnEscape(this);
    resize(initialSize());
    render();
}

QSize NoteManagerWindow::initialSize() const
{
    // Never taller or wider than the screen it opens on, whatever the scale.
    const QScreen* on = parentWidget() ? parentWidget()->screen() : screen();
    const QSize room = on ? on->availableGeometry().size() * 9 / 10 : QSize(320, 420);
    return QSize(320, 420).boundedTo(room);
}

void NoteManagerWindow::createActions()
{
    m_open = action(this, "mnuOpen", tr("&Open Note"), "document-open", tr("Open a note"));
    m_folder = action(this, "mnuNotesFolder", tr("Notes &Folder"), "folder", tr("The notes of the notes folder"));
    connect(m_folder, &QAction::triggered, this, [this] { m_manager.showCollection(m_board.collection()); });
    m_show = action(this, "mnuPreview", tr("&Show Note"), "window-new", tr("Show note(s)"));
    m_delete = action(this, "mnuDelete", tr("&Delete Note"), "edit-delete", tr("Delete note(s)"));
    m_close = action(this, "mnuClose", tr("&Close"), "window-close", tr("Close"));
    connect(m_open, &QAction::triggered, this, [this] { m_manager.refresh(); });
    connect(m_show, &QAction::triggered, this, [this] { m_manager.showNote(); });
    connect(m_delete, &QAction::triggered, this, &NoteManagerWindow::deleteSelected);
    connect(m_close, &QAction::triggered, this, &QWidget::close);
    auto* toolbar = addToolBar(QStringLiteral("Toolbar1"));
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    toolbar->addAction(m_open);
    toolbar->addAction(m_folder);
    toolbar->addAction(m_show);
    toolbar->addAction(m_delete);
}

void NoteManagerWindow::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFileMain"));
    file->addAction(m_open);
    file->addAction(m_folder);
    file->addSeparator();
    file->addAction(m_close);
    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("mnuToolsMain"));
    tools->addAction(m_delete);
    tools->addAction(m_show);
}

void NoteManagerWindow::render()
{
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    const QIcon icon = QIcon::fromTheme(QStringLiteral("text-x-generic"));
    for (const QString& entry : m_manager.entries()) {
        m_list->addItem(new QListWidgetItem(icon, entry));
    }
    m_list->setCurrentRow(m_manager.selected());
    const int selected = m_manager.selected();
    if (selected >= 0) {
        showNotePreview(m_preview, m_manager.notes().at(selected));
    } else {
        m_preview->clear();
    }
    m_show->setEnabled(m_manager.canShowOrDelete());
    m_delete->setEnabled(m_manager.canShowOrDelete());
    m_folder->setEnabled(m_board.collection());
    setWindowFilePath(m_manager.filePath());
}

void NoteManagerWindow::deleteSelected()
{
    m_manager.deleteNote(m_manager.selected());
}

} // namespace jotlet
