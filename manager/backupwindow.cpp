// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "manager/backupwindow.h"

#include "manager/notemanager.h"
#include "manager/notemanagerwindow.h"
#include "note/note.h"
#include "note/noteboard.h"
#include "note/noteexport.h"
#include "support/errorlog.h"
#include "window/windowhelpers.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace jotlet {

namespace {

QPointer<BackupWindow> g_current;
constexpr int kPreviewHeight = 140;
constexpr int kFirstWordsLength = 60;

QString firstWords(const NoteRecord& note)
{
    const QString text = noteFirstWords(note, kFirstWordsLength);
    return text.isEmpty() ? BackupWindow::tr("(empty note)") : text;
}

} // namespace

Note* restoreFromBackup(NoteBoard& board, NoteRecord note)
{
    note.fileName.clear();
    note.identity = {};
    note.session = {};
    note.trashed = {};
    Note* restored = board.createNote(NoteOrigin::ManagerCopy);
    if (!restored->setFromRecord(note, QString())) {
        restored->discard();
        return nullptr;
    }
    restored->show();
    return restored;
}

BackupWindow* BackupWindow::open(Note* note, NoteBoard& board, const QString& folder)
{
    if (!g_current) {
        g_current = new BackupWindow(board, folder);
    }
    g_current->reload();
    bringToFront(g_current, note && note->isOnTop());
    return g_current;
}

BackupWindow* BackupWindow::current()
{
    return g_current;
}

BackupWindow::BackupWindow(NoteBoard& board, const QString& folder)
    : QWidget(nullptr, Qt::Window)
    , m_board(board)
    , m_backups(folder)
    , m_days(new QListWidget(this))
    , m_notes(new QListWidget(this))
    , m_state(new QLabel(this))
    , m_preview(new QTextEdit(this))
{
    setObjectName(QStringLiteral("frmBackups"));
    setWindowTitle(tr("Restore from Backup"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_days->setObjectName(QStringLiteral("lstBackupDays"));
    m_days->setAccessibleName(tr("Days with a backup"));
    m_notes->setObjectName(QStringLiteral("lstBackupNotes"));
    m_notes->setAccessibleName(tr("Notes of the chosen day"));
    m_notes->setAccessibleDescription(tr("Enter restores the chosen note"));
    m_state->setWordWrap(true);
    m_preview->setObjectName(QStringLiteral("rtbPreview"));
    m_preview->setAccessibleName(tr("Text of the chosen note"));
    m_preview->setReadOnly(true);
    m_preview->setFixedHeight(kPreviewHeight);
    auto* buttons = new QDialogButtonBox(this);
    m_restore = buttons->addButton(tr("&Restore"), QDialogButtonBox::ActionRole);
    m_restore->setObjectName(QStringLiteral("btnRestore"));
    m_restoreAll = buttons->addButton(tr("Restore &All"), QDialogButtonBox::ActionRole);
    m_restoreAll->setObjectName(QStringLiteral("btnRestoreAll"));
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    auto* explain = new QLabel(tr("Jotlet keeps a copy of every note each day: the last %1 days, and one a week for "
                                  "%2 weeks before them. Notes come back as new notes; nothing is replaced.")
                                   .arg(Backups::kKeepDays)
                                   .arg(Backups::kKeepWeeks),
                               this);
    explain->setWordWrap(true);
    auto* lists = new QHBoxLayout;
    lists->addWidget(m_days, 1);
    lists->addWidget(m_notes, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explain);
    layout->addLayout(lists, 1);
    layout->addWidget(m_state);
    layout->addWidget(m_preview);
    layout->addWidget(buttons);
    connect(m_days, &QListWidget::currentRowChanged, this, &BackupWindow::showDay);
    connect(m_notes, &QListWidget::currentRowChanged, this, &BackupWindow::showNote);
    connect(m_notes, &QListWidget::itemActivated, this, &BackupWindow::restoreChosen);
    connect(m_restore, &QPushButton::clicked, this, &BackupWindow::restoreChosen);
    connect(m_restoreAll, &QPushButton::clicked, this, &BackupWindow::restoreAll);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape(this);
    resize(QSize(560, 480));
}

void BackupWindow::reload()
{
    m_snapshots = m_backups.snapshots();
    m_days->clear();
    for (const Backups::Snapshot& snapshot : std::as_const(m_snapshots)) {
        m_days->addItem(QLocale().toString(snapshot.day, QLocale::LongFormat));
    }
    m_days->setCurrentRow(m_days->count() > 0 ? 0 : -1);
    showDay();
}

void BackupWindow::showDay()
{
    const int row = m_days->currentRow();
    m_shown.clear();
    m_notes->clear();
    if (row < 0 || row >= m_snapshots.size()) {
        m_state->setText(m_snapshots.isEmpty() ? tr("There is no backup yet: the first is made a few seconds "
                                                    "after Jotlet starts.")
                                               : QString());
    } else {
        Problem problem;
        m_shown = Backups::read(m_snapshots.at(row).path, &problem);
        if (!problem.isEmpty()) {
            logError(QStringLiteral("frmBackups: Load"), 75, problem.english());
            m_state->setText(tr("This backup cannot be read (%1). It stays where it is.").arg(problem.text()));
        } else {
            m_state->setText(tr("%n note(s) in this backup.", nullptr, int(m_shown.size())));
        }
        for (const NoteRecord& note : std::as_const(m_shown)) {
            m_notes->addItem(firstWords(note));
        }
    }
    m_notes->setCurrentRow(m_notes->count() > 0 ? 0 : -1);
    m_restoreAll->setEnabled(!m_shown.isEmpty());
    showNote();
}

void BackupWindow::showNote()
{
    const int row = m_notes->currentRow();
    m_restore->setEnabled(row >= 0);
    if (row >= 0 && row < m_shown.size()) {
        showNotePreview(m_preview, m_shown.at(row));
    } else {
        m_preview->clear();
    }
}

void BackupWindow::restoreChosen()
{
    const int row = m_notes->currentRow();
    if (row >= 0 && row < m_shown.size()) {
        restoreFromBackup(m_board, m_shown.at(row));
    }
}

void BackupWindow::restoreAll()
{
    for (const NoteRecord& note : std::as_const(m_shown)) {
        restoreFromBackup(m_board, note);
    }
}

} // namespace jotlet
