// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "manager/importwindow.h"

#include "import/bringin.h"
#include "manager/notemanagerwindow.h"
#include "note/note.h"
#include "window/windowhelpers.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace jotlet {

namespace {

QPointer<ImportWindow> g_current;
constexpr int kPreviewHeight = 120;

} // namespace

ImportWindow* ImportWindow::open(Note* note, NoteBoard& board)
{
    if (!g_current) {
        g_current = new ImportWindow(board);
    }
    g_current->reload();
    bringToFront(g_current, note && note->isOnTop());
    return g_current;
}

ImportWindow* ImportWindow::current()
{
    return g_current;
}

ImportWindow::ImportWindow(NoteBoard& board)
    : QWidget(nullptr, Qt::Window)
    , m_board(board)
    , m_sources(new QListWidget(this))
    , m_notes(new QListWidget(this))
    , m_problems(new QLabel(this))
    , m_preview(new QTextEdit(this))
{
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(tr("Import Notes"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_sources->setObjectName(QStringLiteral("lstImportSources"));
    m_sources->setAccessibleName(tr("Programs with notes"));
    m_notes->setObjectName(QStringLiteral("lstImportNotes"));
    m_notes->setAccessibleName(tr("Notes to import"));
    m_notes->setAccessibleDescription(tr("Space ticks or unticks the chosen note"));
    m_problems->setObjectName(QStringLiteral("lblImportProblems"));
    m_problems->setWordWrap(true);
    m_problems->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_preview->setReadOnly(true);
    m_preview->setFixedHeight(kPreviewHeight);
    m_preview->setAccessibleName(tr("Text of the chosen note"));
    auto* addFolder = new QPushButton(tr("Add a &Folder of Text Files..."), this);
    auto* addDatabase = new QPushButton(tr("Add Microsoft Sticky Notes' &plum.sqlite..."), this);
    auto* buttons = new QDialogButtonBox(this);
    m_import = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    m_import->setObjectName(QStringLiteral("btnImport"));
    m_import->setDefault(true);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    auto* adds = new QHBoxLayout;
    adds->addWidget(addFolder);
    adds->addWidget(addDatabase);
    adds->addStretch();
    auto* lists = new QHBoxLayout;
    lists->addWidget(m_sources, 1);
    lists->addWidget(m_notes, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Notes found in other programs. Their files are only read, never changed; a note "
                                    "imported before is not imported again."),
                                 this));
    layout->addLayout(lists, 1);
    layout->addLayout(adds);
    layout->addWidget(m_problems);
    layout->addWidget(m_preview);
    layout->addWidget(buttons);
    connect(m_sources, &QListWidget::currentRowChanged, this, &ImportWindow::showSource);
    connect(m_notes, &QListWidget::currentRowChanged, this, &ImportWindow::showNote);
    connect(addFolder, &QPushButton::clicked, this, &ImportWindow::chooseFolder);
    connect(addDatabase, &QPushButton::clicked, this, &ImportWindow::chooseDatabase);
    connect(m_import, &QPushButton::clicked, this, &ImportWindow::importChosen);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape(this);
    resize(QSize(600, 520));
}

void ImportWindow::reload()
{
    const QList<ImportSource> added = m_found.mid(0); // sources the user added stay
    m_found = findImportSources();
    for (const ImportSource& source : added) {
        if (source.kind == ImportKind::TextFolder || source.path != defaultImportPath(source.kind)) {
            m_found << readImportSource(source.kind, source.path);
        }
    }
    m_sources->clear();
    for (const ImportSource& source : std::as_const(m_found)) {
        m_sources->addItem(tr("%1: %n note(s)", nullptr, int(source.notes.size())).arg(importProgramName(source.kind)));
    }
    m_sources->setCurrentRow(m_found.isEmpty() ? -1 : 0);
    showSource();
}

void ImportWindow::addSource(ImportKind kind, const QString& path)
{
    m_found << readImportSource(kind, path);
    const ImportSource& source = m_found.constLast();
    m_sources->addItem(tr("%1: %n note(s)", nullptr, int(source.notes.size())).arg(importProgramName(source.kind)));
    m_sources->setCurrentRow(m_sources->count() - 1);
}

void ImportWindow::showSource()
{
    const int row = m_sources->currentRow();
    m_notes->clear();
    m_problems->clear();
    if (row < 0 || row >= m_found.size()) {
        m_problems->setText(m_found.isEmpty() ? tr("No notes of another program were found for you. Add a folder "
                                                   "of text files or a plum.sqlite copied from Windows.")
                                              : QString());
        m_import->setEnabled(false);
        showNote();
        return;
    }
    const ImportSource& source = m_found.at(row);
    for (const FoundNote& found : source.notes) {
        const bool known = m_memory.knows(found.key);
        auto* item = new QListWidgetItem(known ? tr("%1 (imported before)").arg(found.preview) : found.preview);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(known ? Qt::Unchecked : Qt::Checked);
        m_notes->addItem(item);
    }
    if (!source.problems.isEmpty()) {
        m_problems->setText(tr("Could not be read: %1").arg(source.problems.join(QStringLiteral("; "))));
    }
    m_import->setEnabled(!source.notes.isEmpty());
    m_notes->setCurrentRow(m_notes->count() > 0 ? 0 : -1);
    showNote();
}

void ImportWindow::showNote()
{
    const int source = m_sources->currentRow();
    const int row = m_notes->currentRow();
    if (source >= 0 && source < m_found.size() && row >= 0 && row < m_found.at(source).notes.size()) {
        showNotePreview(m_preview, m_found.at(source).notes.at(row).record);
    } else {
        m_preview->clear();
    }
}

void ImportWindow::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Folder of Text Files"));
    if (!folder.isEmpty()) {
        addSource(ImportKind::TextFolder, folder);
    }
}

void ImportWindow::chooseDatabase()
{
    const QString file = QFileDialog::getOpenFileName(
        this, tr("Microsoft Sticky Notes"), QString(), tr("Sticky Notes database (plum.sqlite)"));
    if (!file.isEmpty()) {
        addSource(ImportKind::MicrosoftSticky, file);
    }
}

void ImportWindow::importChosen()
{
    const int row = m_sources->currentRow();
    if (row < 0 || row >= m_found.size()) {
        return;
    }
    QList<int> chosen;
    for (int i = 0; i < m_notes->count(); ++i) {
        if (m_notes->item(i)->checkState() == Qt::Checked) {
            chosen << i;
        }
    }
    if (chosen.isEmpty()) {
        m_problems->setText(tr("Tick the notes to import."));
        return;
    }
    const BringInOutcome outcome = bringIn(m_board, m_found.at(row), chosen, m_memory);
    showSource();
    m_problems->setText(tr("%n note(s) imported.", nullptr, outcome.added));
}

} // namespace jotlet
