// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/settingswindow.h"

#include "dialogs/keydialog.h"
#include "note/notelook.h"
#include "platform/desktoplook.h"
#include "support/appinfo.h"
#include "support/settings.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

namespace jotlet {

namespace {

QLabel* explanation(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLineEdit* field(const QString& name, const QString& value, const QString& placeholder, QWidget* parent)
{
    auto* edit = new QLineEdit(value, parent);
    edit->setObjectName(name);
    edit->setPlaceholderText(placeholder);
    edit->setClearButtonEnabled(true);
    edit->setMinimumWidth(320);
    return edit;
}

} // namespace

SettingsWindow::SettingsWindow(QWidget* owner)
    : QDialog(owner)
    , m_quoteServer(field(QStringLiteral("txtQuoteServer"),
                          readSetting(Setting::QuoteServer),
                          QStringLiteral("http://quotes.example.com"),
                          this))
    , m_proxy(field(QStringLiteral("txtHttpProxy"),
                    readSetting(Setting::HttpProxy),
                    QStringLiteral("proxy.example.com:3128"),
                    this))
    , m_problem(new QLabel(this))
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(tr("Jotlet Settings"));

    auto* quotes = new QGroupBox(tr("Stock quotes"), this);
    auto* quotesLayout = new QFormLayout(quotes);
    quotesLayout->addRow(tr("&Quote server:"), m_quoteServer);
    quotesLayout->addRow(
        explanation(tr("Stock notes ask this server for their quotes, as <i>address</i>/d/quotes.csv?s=SYMBOL"
                       "&amp;f=sl1d1t1c1ohgv&amp;e=.csv, and show the line of values it answers. Jotlet comes with "
                       "no server of its own; while this is empty, a stock note says that none is set up."),
                    quotes));

    auto* network = new QGroupBox(tr("Network"), this);
    auto* networkLayout = new QFormLayout(network);
    networkLayout->addRow(tr("HTTP &proxy:"), m_proxy);
    networkLayout->addRow(explanation(tr("Feeds and quotes go through this proxy, given as host:port. "
                                         "Leave it empty to use the system's proxy settings."),
                                      network));

    m_problem->setObjectName(QStringLiteral("lblProblem"));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #a40000"));
    m_problem->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (keep()) {
            accept();
        }
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // The groups scroll where the screen is too small for them (a large scale on a small screen); OK and Cancel
    // stay in sight.
    m_content = new QWidget(this);
    auto* content = new QVBoxLayout(m_content);
    content->setContentsMargins(0, 0, 0, 0);
    content->addWidget(quotes);
    content->addWidget(network);
    content->addWidget(createDesktopGroup());
    content->addWidget(createNotesFolderGroup());
    content->addWidget(m_problem);
    content->addStretch();
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrSettings"));
    scroll->setWidget(m_content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFocusPolicy(Qt::NoFocus); // Tab goes from field to field; the area scrolls to the one in focus
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);
    fitToContent();
}

void SettingsWindow::fitToContent()
{
    // Wrapped explanations ask for no width of their own: give the window room for lines of some seventy
    // characters in the user's font, and then the height those lines take, so that no sentence is cut, at any
    // scale and in any language. Never more than the screen.
    const QMargins margins = layout()->contentsMargins();
    const int width = qMax(m_content->sizeHint().width(), fontMetrics().averageCharWidth() * 72);
    const int content = m_content->layout()->totalHeightForWidth(width);
    const int buttons = layout()->itemAt(1)->sizeHint().height() + layout()->spacing();
    // Room for a scroll bar, should the screen be too small for the whole.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    QSize size(width + bar + margins.left() + margins.right(), content + buttons + margins.top() + margins.bottom());
    if (const QScreen* on = screen()) {
        // Room for the window manager's frame.
        size = size.boundedTo(on->availableGeometry().size() - QSize(16, 48));
    }
    resize(size);
}

QWidget* SettingsWindow::createDesktopGroup()
{
    auto* desktop = new QGroupBox(tr("Desktop"), this);
    auto* layout = new QVBoxLayout(desktop);
    const DesktopOptions options = readDesktopOptions();
    const auto box = [desktop, layout](const QString& name, const QString& text, bool checked) {
        auto* check = new QCheckBox(text, desktop);
        check->setObjectName(name);
        check->setChecked(checked);
        layout->addWidget(check);
        return check;
    };
    m_trayIcon = box(QStringLiteral("chkShowTrayIcon"), tr("Show an icon in the &tray"), options.showTrayIcon);
    m_outOfTaskbar = box(QStringLiteral("chkOutOfTaskbar"),
                         tr("Keep notes out of the task&bar while the icon shows"),
                         options.keepNotesOutOfTaskbar);
    m_keepRunning = box(QStringLiteral("chkKeepRunning"),
                        tr("Keep &running in the tray when the last note closes"),
                        options.keepRunning);
    m_noteLook = new QComboBox(desktop);
    m_noteLook->setObjectName(QStringLiteral("cboNoteLook"));
    // The stored values stay English whatever the language shown.
    m_noteLook->addItem(tr("As the desktop prefers"), kLookDesktop);
    m_noteLook->addItem(tr("Light"), kLookLight);
    m_noteLook->addItem(tr("Dark"), kLookDark);
    const int current = m_noteLook->findData(readSetting(Setting::NoteLook), Qt::UserRole, Qt::MatchFixedString);
    m_noteLook->setCurrentIndex(qMax(0, current));
    auto* lookRow = new QHBoxLayout;
    auto* lookLabel = new QLabel(tr("Note &look:"), desktop);
    lookLabel->setBuddy(m_noteLook);
    m_noteLook->view()->setAccessibleName(tr("Note looks")); // the list that drops down
    lookRow->addWidget(lookLabel);
    lookRow->addWidget(m_noteLook, 1);
    layout->addLayout(lookRow);
    layout->addLayout(createNewNoteKeyRow(desktop, options.newNoteKey));
    layout->addWidget(explanation(tr("The tray icon's menu makes, shows and hides notes, and the new-note key makes a "
                                     "note from anywhere (it can be chosen in that menu too). Desktops without a "
                                     "tray keep the notes in the taskbar."),
                                  desktop));
    return desktop;
}

QLayout* SettingsWindow::createNewNoteKeyRow(QWidget* group, const QString& key)
{
    m_newNoteKey = key;
    auto* row = new QHBoxLayout;
    m_keyShown = new QLineEdit(group);
    m_keyShown->setObjectName(QStringLiteral("txtNewNoteKey"));
    m_keyShown->setReadOnly(true);
    auto* label = new QLabel(tr("New-note &key:"), group);
    label->setBuddy(m_keyShown);
    auto* change = new QPushButton(tr("Chan&ge..."), group);
    change->setObjectName(QStringLiteral("btnNewNoteKey"));
    connect(change, &QPushButton::clicked, this, [this] {
        const std::optional<QKeySequence> chosen
            = KeyDialog::ask(QKeySequence::fromString(m_newNoteKey, QKeySequence::PortableText), this);
        if (chosen) {
            m_newNoteKey = chosen->toString(QKeySequence::PortableText);
            showNewNoteKey();
        }
    });
    row->addWidget(label);
    row->addWidget(m_keyShown, 1);
    row->addWidget(change);
    showNewNoteKey();
    return row;
}

void SettingsWindow::showNewNoteKey()
{
    const QKeySequence key = QKeySequence::fromString(m_newNoteKey, QKeySequence::PortableText);
    m_keyShown->setText(key.isEmpty() ? tr("None") : key.toString(QKeySequence::NativeText));
}

QWidget* SettingsWindow::createNotesFolderGroup()
{
    auto* group = new QGroupBox(tr("Notes folder"), this);
    auto* layout = new QFormLayout(group);
    m_notesFolder = field(QStringLiteral("txtNotesFolder"), readNotesFolder(), tr("None"), group);
    auto* choose = new QPushButton(tr("C&hoose..."), group);
    choose->setObjectName(QStringLiteral("btnChooseFolder"));
    connect(choose, &QPushButton::clicked, this, [this] {
        const QString current = m_notesFolder->text().trimmed();
        const QString chosen = QFileDialog::getExistingDirectory(
            this, tr("Notes Folder"), current.isEmpty() ? QDir::homePath() : current);
        if (!chosen.isEmpty()) {
            m_notesFolder->setText(QDir::toNativeSeparators(chosen));
        }
    });
    auto* row = new QHBoxLayout;
    row->addWidget(m_notesFolder, 1);
    row->addWidget(choose);
    auto* label = new QLabel(tr("&Folder:"), group);
    label->setBuddy(m_notesFolder); // a row of two widgets gives its label no buddy of its own
    layout->addRow(label, row);
    layout->addRow(explanation(tr("Notes without a file of their own live in this folder, one file each, so that the "
                                  "sync tool you use (Syncthing, Nextcloud, Dropbox, a network share) can carry them "
                                  "to your other computers. Leave it empty to keep notes on this computer only."),
                               group));
    return group;
}

bool SettingsWindow::keepNotesFolder()
{
    const QString folder = m_notesFolder->text().trimmed();
    if (!folder.isEmpty()) {
        const QFileInfo info(folder);
        const QString data = QFileInfo(dataFolder()).absoluteFilePath();
        if (!info.isAbsolute() || (info.exists() && !info.isDir()) || !QDir().mkpath(folder)
            || info.absoluteFilePath() == data || info.absoluteFilePath().startsWith(data + QLatin1Char('/'))) {
            m_problem->setText(tr("The notes folder must be a folder of its own that Jotlet can write to, outside "
                                  "its data folder (%1).")
                                   .arg(QDir::toNativeSeparators(data)));
            m_problem->show();
            m_notesFolder->setFocus();
            return false;
        }
    }
    SettingsError error;
    if (!writeNotesFolder(folder.isEmpty() ? QString() : QFileInfo(folder).absoluteFilePath(), &error)) {
        m_problem->setText(tr("The settings could not be saved: %1").arg(error.problem.text()));
        m_problem->show();
        return false;
    }
    return true;
}

bool SettingsWindow::keepDesktopOptions()
{
    DesktopOptions options = readDesktopOptions();
    const DesktopOptions before = options;
    options.showTrayIcon = m_trayIcon->isChecked();
    options.keepNotesOutOfTaskbar = m_outOfTaskbar->isChecked();
    options.keepRunning = m_keepRunning->isChecked();
    options.newNoteKey = m_newNoteKey;
    if (options.showTrayIcon == before.showTrayIcon && options.keepNotesOutOfTaskbar == before.keepNotesOutOfTaskbar
        && options.keepRunning == before.keepRunning && options.newNoteKey == before.newNoteKey) {
        return true;
    }
    SettingsError error;
    if (!writeDesktopOptions(options, &error)) {
        m_problem->setText(tr("The settings could not be saved: %1").arg(error.problem.text()));
        m_problem->show();
        return false;
    }
    return true;
}

bool SettingsWindow::keepNoteLook()
{
    const QString look = m_noteLook->currentData().toString();
    if (look.compare(readSetting(Setting::NoteLook), Qt::CaseInsensitive) == 0) {
        return true;
    }
    SettingsError error;
    if (!writeSetting(Setting::NoteLook, look, &error)) {
        m_problem->setText(tr("The settings could not be saved: %1").arg(error.problem.text()));
        m_problem->show();
        return false;
    }
    DesktopLook::instance().tellChanged(); // notes that follow the setting look again
    return true;
}

bool SettingsWindow::keep()
{
    const struct
    {
        QLineEdit* field;
        Setting setting;
        Problem problem;
    } values[] = {{m_quoteServer, Setting::QuoteServer, quoteServerProblem(m_quoteServer->text())},
                  {m_proxy, Setting::HttpProxy, httpProxyProblem(m_proxy->text())}};
    for (const auto& value : values) {
        if (!value.problem.isEmpty()) {
            m_problem->setText(value.problem.text() + QLatin1Char('.'));
            m_problem->show();
            value.field->setFocus();
            value.field->selectAll();
            return false;
        }
    }
    for (const auto& value : values) {
        SettingsError error;
        if (!writeSetting(value.setting, value.field->text().trimmed(), &error)) {
            m_problem->setText(tr("The settings could not be saved: %1").arg(error.problem.text()));
            m_problem->show();
            return false;
        }
    }
    return keepDesktopOptions() && keepNoteLook() && keepNotesFolder();
}

} // namespace jotlet
