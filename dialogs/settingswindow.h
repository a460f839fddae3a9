// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace jotlet {

// The program's own settings that belong to no note: where stock quotes come from and the proxy for feeds and
// quotes, each explained. OK keeps them (a value that cannot be used is pointed out and the window stays open);
// Cancel changes nothing.
class SettingsWindow : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsWindow(QWidget* owner = nullptr);

    QLineEdit* quoteServerField() const { return m_quoteServer; }
    QLineEdit* proxyField() const { return m_proxy; }

    // Checks and writes the values; false (and the problem shown) when one cannot be kept.
    bool keep();

private:
    QLineEdit* m_quoteServer;
    QLineEdit* m_proxy;
    QLabel* m_problem;
};

} // namespace jotlet
