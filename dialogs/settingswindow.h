// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;

namespace jotlet {

// The program's own settings that belong to no note: where stock quotes come from and the proxy for feeds and
// quotes, each explained, and how the program sits on the desktop (tray icon, taskbar, running without notes). OK keeps
// them, and the notes folder a sync tool carries (a value that cannot be used is pointed out and the window stays
// open); Cancel changes nothing.
class SettingsWindow : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsWindow(QWidget* owner = nullptr);

    QLineEdit* quoteServerField() const { return m_quoteServer; }
    QLineEdit* proxyField() const { return m_proxy; }
    QCheckBox* trayIconBox() const { return m_trayIcon; }
    QCheckBox* outOfTaskbarBox() const { return m_outOfTaskbar; }
    QCheckBox* keepRunningBox() const { return m_keepRunning; }
    QLineEdit* notesFolderField() const { return m_notesFolder; }
    QComboBox* noteLookBox() const { return m_noteLook; }

    // Checks and writes the values; false (and the problem shown) when one cannot be kept.
    bool keep();

private:
    QWidget* createDesktopGroup();
    QWidget* createNotesFolderGroup();
    QLayout* createNewNoteKeyRow(QWidget* group, const QString& key);
    void showNewNoteKey();
    bool keepDesktopOptions();
    bool keepNotesFolder();
    bool keepNoteLook();
    void fitToContent();

    QLineEdit* m_quoteServer;
    QLineEdit* m_proxy;
    QCheckBox* m_trayIcon = nullptr;
    QCheckBox* m_outOfTaskbar = nullptr;
    QCheckBox* m_keepRunning = nullptr;
    QLineEdit* m_notesFolder = nullptr;
    QComboBox* m_noteLook = nullptr;
    QLineEdit* m_keyShown = nullptr;
    QString m_newNoteKey; // as stored ("Ctrl+Alt+N"); empty: none
    QLabel* m_problem;
    QWidget* m_content = nullptr;
};

} // namespace jotlet
