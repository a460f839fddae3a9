// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "manager/trashwindow.h"

#include "manager/notemanagerwindow.h"
#include "note/note.h"
#include "window/windowhelpers.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace jotlet {

namespace {

QPointer<TrashWindow> g_current;

constexpr int kPreviewHeight = 140;

} // namespace

TrashWindow* TrashWindow::open(Note* note, NoteBoard& board)
{
    if (!g_current) {
        g_current = new TrashWindow(board);
    }
    g_current->m_trash.reload();
    bringToFront(g_current, note && note->isOnTop());
    return g_current;
}

TrashWindow* TrashWindow::current()
{
    return g_current;
}

TrashWindow::TrashWindow(NoteBoard& board)
    : QWidget(nullptr, Qt::Window)
    , m_trash(board)
    , m_list(new QListWidget(this))
    , m_preview(new QTextEdit(this))
{
    setObjectName(QStringLiteral("frmTrash"));
    setWindowTitle(tr("Trash"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_trash.setDialogOwner(this);
    m_list->setObjectName(QStringLiteral("lstTrash"));
    m_list->setAccessibleName(tr("Notes in the trash"));
    m_list->setAccessibleDescription(tr("Enter restores the chosen note"));
    m_preview->setObjectName(QStringLiteral("rtbPreview"));
    m_preview->setAccessibleName(tr("Text of the chosen note"));
    m_preview->setReadOnly(true);
    m_preview->setFixedHeight(kPreviewHeight);
    auto* buttons = new QDialogButtonBox(this);
    m_restore = buttons->addButton(tr("&Restore"), QDialogButtonBox::ActionRole);
    m_restore->setObjectName(QStringLiteral("btnRestore"));
    m_empty = buttons->addButton(tr("&Empty Trash"), QDialogButtonBox::DestructiveRole);
    m_empty->setObjectName(QStringLiteral("btnEmpty"));
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    auto* limits = new QLabel(TrashList::limitsText(), this);
    limits->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(limits);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_preview);
    layout->addWidget(buttons);
    connect(&m_trash, &TrashList::changed, this, &TrashWindow::render);
    connect(m_list, &QListWidget::currentRowChanged, this, &TrashWindow::showSelected);
    connect(m_list, &QListWidget::itemActivated, this, [this] { m_trash.restore(m_list->currentRow()); });
    connect(m_restore, &QPushButton::clicked, this, [this] { m_trash.restore(m_list->currentRow()); });
    connect(m_empty, &QPushButton::clicked, &m_trash, &TrashList::emptyTrash);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape(this);
    resize(QSize(420, 460));
    render();
}

void TrashWindow::render()
{
    const int keep = m_list->currentRow();
    m_list->clear();
    m_list->addItems(m_trash.entries());
    m_list->setCurrentRow(m_list->count() > 0 ? qBound(0, keep, m_list->count() - 1) : -1);
    m_empty->setEnabled(m_list->count() > 0);
    showSelected();
}

void TrashWindow::showSelected()
{
    const int row = m_list->currentRow();
    m_restore->setEnabled(row >= 0);
    if (row >= 0 && row < m_trash.notes().size()) {
        showNotePreview(m_preview, m_trash.notes().at(row));
    } else {
        m_preview->clear();
        m_preview->setPalette(QPalette());
    }
}

} // namespace jotlet
