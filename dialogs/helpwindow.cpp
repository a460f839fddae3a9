// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/helpwindow.h"

#include "note/desktop.h"
#include "support/appinfo.h"
#include "support/settings.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace jotlet {

namespace {

const char* const kManualPage = "man:jotlet(1)";

QString keyRow(const QString& keys, const QString& what)
{
    return QStringLiteral("<tr><td style='padding-right:12px'><b>%1</b></td><td>%2</td></tr>")
        .arg(keys.toHtmlEscaped(), what.toHtmlEscaped());
}

} // namespace

QString HelpWindow::helpHtml(const QString& dataFolder, const QString& notesFolder)
{
    QString html;
    html += QStringLiteral("<h3>%1</h3><p>%2</p>")
                .arg(tr("A note"),
                     tr("Type into a note and it keeps what you type. Right-click it (or press Shift+F10) for "
                        "everything it can do: colours and a dark look, fonts, checklists, pictures, special notes "
                        "that show the time, a reminder, a feed or a stock quote, printing and e-mail. Drag the "
                        "title to move it; double-click the icon to roll it up."));
    html += QStringLiteral("<h3>%1</h3><table>").arg(tr("Keys"));
    const std::pair<QString, QString> keys[] = {
        {tr("Ctrl+N"), tr("a new note")},
        {tr("Ctrl+S, Ctrl+O"), tr("save the note, open a note file")},
        {tr("Ctrl+Shift+F"), tr("find words in every note, open or not")},
        {tr("Ctrl+Shift+L"), tr("make the lines a checklist; Ctrl+Enter ticks an item")},
        {tr("Shift+F10"), tr("the note's menu")},
        {tr("Alt+Shift+Space"), tr("the window menu (Alt+Space where the desktop leaves it free)")},
        {tr("Alt+F7, Alt+F8"), tr("move or size the note with the arrow keys; Enter keeps it, Esc takes it back")},
        {tr("Ctrl+Tab"), tr("from the text to the note's buttons")},
        {tr("Esc"), tr("roll the note up or down")},
        {tr("F7"), tr("check the spelling")},
    };
    for (const auto& [key, what] : keys) {
        html += keyRow(key, what);
    }
    html += QStringLiteral("</table>");
    html += QStringLiteral("<h3>%1</h3><p>%2</p>")
                .arg(tr("Where notes are kept"),
                     tr("Notes open when you log off come back when you log in. Notes you save are in the files "
                        "you chose; the rest are kept in %1.")
                         .arg(QStringLiteral("<code>%1</code>")
                                  .arg(QDir::toNativeSeparators(dataFolder).toHtmlEscaped())));
    if (!notesFolder.isEmpty()) {
        html += QStringLiteral("<p>%1</p>")
                    .arg(tr("Notes without a file of their own are in the notes folder %1, which your sync tool "
                            "carries to your other computers.")
                             .arg(QStringLiteral("<code>%1</code>")
                                      .arg(QDir::toNativeSeparators(notesFolder).toHtmlEscaped())));
    }
    html += QStringLiteral("<h3>%1</h3><p>%2</p>")
                .arg(tr("Getting a note back"),
                     tr("A note closed without saving, or deleted, goes to the trash for 30 days: Trash... in the "
                        "note's menu brings it back. Find in Notes (Ctrl+Shift+F) finds any note by its words, in "
                        "files, in the notes folder and in the trash."));
    html += QStringLiteral("<p><a href='%1'>%2</a></p>")
                .arg(QString::fromLatin1(kManualPage), tr("The manual (man jotlet): every option, file and setting"));
    return html;
}

HelpWindow::HelpWindow(QWidget* owner)
    : QDialog(owner)
    , m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Jotlet Help"));
    m_browser->setObjectName(QStringLiteral("txtHelp"));
    m_browser->setAccessibleName(tr("Help"));
    m_browser->setOpenLinks(false);
    m_browser->setHtml(helpHtml(dataFolder(), readNotesFolder()));
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        openForUser(url.toString(),
                    this,
                    {tr("Manual"),
                     tr("The manual could not be opened: %1. Run \"man jotlet\" in a terminal."),
                     QStringLiteral("frmHelp: OpenManual"),
                     false});
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addWidget(buttons);
    // Lines of some seventy characters, and room for most of the text, within the screen.
    QSize size(fontMetrics().averageCharWidth() * 80, fontMetrics().lineSpacing() * 40);
    if (const QScreen* on = screen()) {
        size = size.boundedTo(on->availableGeometry().size() - QSize(16, 48));
    }
    resize(size);
}

} // namespace jotlet
