// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QTextBrowser;

namespace jotlet {

// "?" on a note: a short help in the user's language. What a note can do, the keys, where notes are kept, how to
// get a note back, and the way to the manual page.
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* owner = nullptr);

    QTextBrowser* browser() const { return m_browser; }

    // The help as HTML, with this computer's folders in it.
    static QString helpHtml(const QString& dataFolder, const QString& notesFolder);

private:
    QTextBrowser* m_browser;
};

} // namespace jotlet
