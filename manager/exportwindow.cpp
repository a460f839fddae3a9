// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "manager/exportwindow.h"

#include "note/note.h"
#include "note/noteboard.h"
#include "notes/backups.h"
#include "support/errorlog.h"
#include "window/windowhelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace jotlet {

namespace {

QPointer<ExportWindow> g_current;

} // namespace

NoteList notesToExport(const NoteBoard& board, bool withTrash)
{
    NoteList notes;
    for (const Note* note : board.notes()) {
        if (!note->isConflict()) {
            notes << note->record();
        }
    }
    addNewNotes(&notes, collectKeptNotes(NotePlaces::current(), {false, withTrash}));
    return notes;
}

ExportWindow* ExportWindow::open(Note* note, NoteBoard& board)
{
    if (!g_current) {
        g_current = new ExportWindow(board);
    }
    bringToFront(g_current, note && note->isOnTop());
    return g_current;
}

ExportWindow* ExportWindow::current()
{
    return g_current;
}

QString ExportWindow::defaultFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents.isEmpty() ? QDir::homePath() : documents).filePath(QStringLiteral("Jotlet Notes"));
}

ExportWindow::ExportWindow(NoteBoard& board)
    : QWidget(nullptr, Qt::Window)
    , m_board(board)
    , m_folder(new QLineEdit(defaultFolder(), this))
    , m_format(new QComboBox(this))
    , m_withTrash(new QCheckBox(tr("Also the notes in the &trash"), this))
    , m_result(new QLabel(this))
{
    setObjectName(QStringLiteral("frmExport"));
    setWindowTitle(tr("Export Notes"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_folder->setObjectName(QStringLiteral("txtExportFolder"));
    m_folder->setAccessibleName(tr("Folder to export to"));
    m_format->setObjectName(QStringLiteral("cboExportFormat"));
    m_format->addItem(tr("Markdown (.md)"), int(ExportFormat::Markdown));
    m_format->addItem(tr("Web page (.html)"), int(ExportFormat::Html));
    m_format->addItem(tr("Plain text (.txt)"), int(ExportFormat::Text));
    m_withTrash->setObjectName(QStringLiteral("chkExportTrash"));
    m_result->setObjectName(QStringLiteral("lblExportResult"));
    m_result->setWordWrap(true);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* choose = new QPushButton(tr("C&hoose..."), this);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(choose);
    auto* form = new QFormLayout;
    form->addRow(tr("&Folder:"), folderRow);
    form->addRow(tr("F&ormat:"), m_format);
    form->addRow(QString(), m_withTrash);
    auto* buttons = new QDialogButtonBox(this);
    m_export = buttons->addButton(tr("&Export"), QDialogButtonBox::AcceptRole);
    m_export->setObjectName(QStringLiteral("btnExport"));
    m_export->setDefault(true);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    auto* explain = new QLabel(tr("Every note (open, kept and in the notes folder) becomes a file of its own, named "
                                  "after its first words. Files already there are never replaced."),
                               this);
    explain->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explain);
    layout->addLayout(form);
    layout->addWidget(m_result);
    layout->addStretch();
    layout->addWidget(buttons);
    connect(choose, &QPushButton::clicked, this, &ExportWindow::chooseFolder);
    connect(m_export, &QPushButton::clicked, this, &ExportWindow::exportNow);
    connect(m_folder, &QLineEdit::returnPressed, this, &ExportWindow::exportNow);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape(this);
    resize(QSize(480, 260));
}

void ExportWindow::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Export Notes To"), m_folder->text());
    if (!folder.isEmpty()) {
        m_folder->setText(folder);
    }
}

void ExportWindow::exportNow()
{
    const QString folder = QDir::cleanPath(m_folder->text().trimmed());
    if (folder.isEmpty() || QDir::isRelativePath(folder)) {
        m_result->setText(tr("Give the full path of a folder."));
        return;
    }
    const auto format = ExportFormat(m_format->currentData().toInt());
    const ExportOutcome outcome = exportNotes(notesToExport(m_board, m_withTrash->isChecked()), folder, format);
    for (const QString& line : outcome.failed) {
        logError(QStringLiteral("frmExport: Export"), 75, line);
    }
    QString text = tr("%n note(s) exported to %1.", nullptr, int(outcome.written.size())).arg(folder);
    if (!outcome.failed.isEmpty()) {
        text += QLatin1Char(' ')
                + tr("%n note(s) could not be written (see the error log).", nullptr, int(outcome.failed.size()));
    }
    m_result->setText(text);
}

} // namespace jotlet
