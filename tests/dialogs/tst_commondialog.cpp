// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/currentprinter.h"
#include "dialogs/inputdialogs.h"
#include "dialogs/qtdialogs.h"
#include "dialogs/settingswindow.h"
#include "fakedialogs.h"
#include "note/commondialog.h"
#include "note/inputbox.h"
#include "note/notefiledialog.h"
#include "support/settings.h"

#include <QApplication>
#include <QFile>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimeEdit>
#include <QTimer>

using namespace jotlet;

class TestCommonDialog : public QObject
{
    Q_OBJECT

private slots:
    void filterConversion_data();
    void filterConversion();
    void fileDialogs_data();
    void fileDialogs();
    void colorDialog_data();
    void colorDialog();
    void fontDialog_data();
    void fontDialog();
    void fontDialogOpensOnTheFaceShown();
    void printerDialog_data();
    void printerDialog();
    void noteFileDialog_data();
    void noteFileDialog();
    void textDialogKeys_data();
    void textDialogKeys();
    void timeDialogKeys_data();
    void timeDialogKeys();
    void settingsKeepOnlyUsableValues_data();
    void settingsKeepOnlyUsableValues();
};

void TestCommonDialog::filterConversion_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("qt");
    QTest::newRow("note files") << "Jotlet Note (*.not)|*.not" << QStringList {"Jotlet Note (*.not)"};
    QTest::newRow("two pairs and a trailing separator")
        << "Text|*.txt;*.log|All files|*.*|" << QStringList {"Text (*.txt *.log)", "All files (*.*)"};
    QTest::newRow("no separator") << "Notes" << QStringList {"Notes"};
}

void TestCommonDialog::filterConversion()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, qt);
    CommonDialog dialog;
    dialog.setFilter(filter);
    QCOMPARE(dialog.qtNameFilters(), qt);
}

void TestCommonDialog::fileDialogs_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<long>("flags");
    QTest::addColumn<bool>("confirm");
    QTest::newRow("open, confirmed") << false << long(OFN_EXPLORER | OFN_HIDEREADONLY) << true;
    QTest::newRow("open, cancelled") << false << long(OFN_EXPLORER | OFN_HIDEREADONLY) << false;
    QTest::newRow("save, confirmed") << true << long(OFN_EXPLORER | OFN_HIDEREADONLY) << true;
    QTest::newRow("save with overwrite prompt") << true << long(OFN_OVERWRITEPROMPT) << true;
    QTest::newRow("save, cancelled") << true << 0L << false;
}

void TestCommonDialog::fileDialogs()
{
    QFETCH(bool, save);
    QFETCH(long, flags);
    QFETCH(bool, confirm);
    FakeDialogs fake;
    fake.fileAnswers << (confirm ? std::optional<QString>(QStringLiteral("/tmp/x/chosen.not")) : std::nullopt);

    CommonDialog dialog;
    dialog.setTitle(QStringLiteral("Select a file: "));
    dialog.setFilter(QStringLiteral("Jotlet Note (*.not)|*.not"));
    dialog.setDefaultExtension(QStringLiteral("not"));
    dialog.setInitialFolder(QStringLiteral("/tmp/x"));
    dialog.setFlags(flags);
    const bool result = save ? dialog.showSave() : dialog.showOpen();

    QCOMPARE(result, confirm);
    QCOMPARE(dialog.fileName(), confirm ? QStringLiteral("/tmp/x/chosen.not") : QString());
    QCOMPARE(fake.fileRequests.size(), 1);
    const FileDialogRequest& request = fake.fileRequests.first();
    QCOMPARE(request.kind, save ? FileDialogRequest::Kind::Save : FileDialogRequest::Kind::Open);
    QCOMPARE(request.title, QStringLiteral("Select a file: "));
    QCOMPARE(request.initialFolder, QStringLiteral("/tmp/x"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("not"));
    QCOMPARE(request.confirmOverwrite, bool(flags & OFN_OVERWRITEPROMPT));
    QCOMPARE(request.mustExist, !save);
}

void TestCommonDialog::colorDialog_data()
{
    QTest::addColumn<long>("initColor");
    QTest::addColumn<QColor>("shown");
    QTest::addColumn<QColor>("answer"); // invalid: cancelled
    QTest::addColumn<long>("result");
    QTest::newRow("cancel from white") << 0xFFFFFFL << QColor(Qt::white) << QColor() << -1L;
    QTest::newRow("red start, blue chosen") << 255L << QColor(Qt::red) << QColor(0, 0, 255) << 0xFF0000L;
    QTest::newRow("zero starts from black") << 0L << QColor(Qt::black) << QColor(1, 2, 3) << 0x030201L;
    QTest::newRow("system colour: window text")
        << long(0x80000008L) << QApplication::palette().color(QPalette::Active, QPalette::Text) << QColor(Qt::black)
        << 0L;
}

void TestCommonDialog::colorDialog()
{
    QFETCH(long, initColor);
    QFETCH(QColor, shown);
    QFETCH(QColor, answer);
    QFETCH(long, result);
    FakeDialogs fake;
    if (answer.isValid()) {
        fake.colorAnswer = answer;
    }
    CommonDialog dialog;
    QCOMPARE(dialog.showColor(true, initColor), result);
    QCOMPARE(fake.colorShown, shown);
}

void TestCommonDialog::fontDialog_data()
{
    QTest::addColumn<QString>("answer"); // null: cancelled
    QTest::addColumn<QString>("fontName");
    QTest::newRow("cancel keeps the preset") << QString() << "Comic Sans MS";
    QTest::newRow("confirmed") << "DejaVu Serif"
                               << "DejaVu Serif";
}

void TestCommonDialog::fontDialog()
{
    QFETCH(QString, answer);
    QFETCH(QString, fontName);
    FakeDialogs fake;
    if (!answer.isNull()) {
        fake.fontAnswer = answer;
    }
    CommonDialog dialog;
    dialog.setFontName(QStringLiteral("Comic Sans MS"));
    QCOMPARE(dialog.showFont(), !answer.isNull());
    QCOMPARE(fake.fontShown, QStringLiteral("Comic Sans MS"));
    QCOMPARE(dialog.fontName(), fontName);
}

void TestCommonDialog::fontDialogOpensOnTheFaceShown()
{
    // "Comic Sans MS" is shown in the face the system has for it; the dialog lists that face, not the name.
    const QString shownFace = QFontInfo(QFont(QStringLiteral("Comic Sans MS"))).family();
    QString listed;
    int size = 0;
    QTimer::singleShot(0, this, [&] {
        if (auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget())) {
            listed = dialog->currentFont().family();
            size = dialog->currentFont().pointSize();
            dialog->reject();
        }
    });
    QVERIFY(!qtDialogResponder().fontDialog(nullptr, QStringLiteral("Comic Sans MS"), 14));
    QCOMPARE(listed, shownFace);
    QCOMPARE(size, 14);
}

void TestCommonDialog::printerDialog_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("confirmed: the document prints") << true;
    QTest::newRow("cancelled: the document is discarded") << false;
}

void TestCommonDialog::printerDialog()
{
    QFETCH(bool, confirm);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    currentPrinter()->setOutputFormat(QPrinter::PdfFormat);
    currentPrinter()->setOutputFileName(pdf);

    FakeDialogs fake;
    fake.printerAnswer = confirm;
    QTextDocument page;
    page.setPlainText(QStringLiteral("page"));
    QString error;
    QCOMPARE(qtNotePrinting().print(page, nullptr, &error),
             confirm ? NotePrinting::Result::Printed : NotePrinting::Result::Cancelled);

    QFile out(pdf);
    const bool printed = out.open(QIODevice::ReadOnly) && out.readAll().startsWith("%PDF");
    QCOMPARE(printed, confirm);
    QCOMPARE(fake.printerDialogs, 1);
}

void TestCommonDialog::noteFileDialog_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("cancelled") << false;
    QTest::newRow("confirmed") << true;
}

void TestCommonDialog::noteFileDialog()
{
    QFETCH(bool, confirm);
    FakeDialogs dialogs;
    QTemporaryDir dir;
    const QString chosen = dir.filePath(QStringLiteral("sub/picked.not"));
    dialogs.fileAnswers << (confirm ? std::optional<QString>(chosen) : std::nullopt);
    writeSetting(Setting::LastFolder, dir.path());

    const std::optional<QString> result = askForNoteFile(NoteFileDialog::Save, nullptr);

    QCOMPARE(dialogs.fileRequests.size(), 1);
    const FileDialogRequest& request = dialogs.fileRequests.first();
    QCOMPARE(request.kind, FileDialogRequest::Kind::Save);
    QCOMPARE(request.title, QStringLiteral("Select a file: "));
    QCOMPARE(request.nameFilters, QStringList {QStringLiteral("Jotlet Note (*.not)")});
    QCOMPARE(request.defaultSuffix, QStringLiteral("not"));
    QCOMPARE(request.initialFolder, dir.path());
    QVERIFY(!request.confirmOverwrite);
    QCOMPARE(result, confirm ? std::optional<QString>(chosen) : std::nullopt);
    QCOMPARE(readSetting(Setting::LastFolder), confirm ? dir.filePath(QStringLiteral("sub")) : dir.path());
}

void TestCommonDialog::textDialogKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::newRow("Enter presses Ok: the typed text replaced the selected default")
        << int(Qt::Key_Return) << std::optional<QString>(QStringLiteral("xyz"));
    QTest::newRow("Esc presses Cancel") << int(Qt::Key_Escape) << std::optional<QString>();
    QTest::newRow("the close box") << 0 << std::optional<QString>();
}

void TestCommonDialog::textDialogKeys()
{
    QFETCH(int, key);
    QFETCH(std::optional<QString>, answer);
    TextInputDialog dialog(QStringLiteral("Stock Symbol"), QStringLiteral("Symbol?"), QStringLiteral("abcd"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(QApplication::focusWidget(), dialog.field());
    QTest::keyClicks(dialog.field(), QStringLiteral("xyz"));
    if (key != 0) {
        QTest::keyClick(dialog.field(), Qt::Key(key));
    } else {
        dialog.close();
    }
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.answer(), answer);
    FakeDialogs dialogs;
    inputText(QStringLiteral("Symbol?"), QString(), QStringLiteral("MSFT"));
    QCOMPARE(dialogs.textRequests, QStringList {"Jotlet|Symbol?|MSFT"});
}

void TestCommonDialog::timeDialogKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("answered");
    QTest::newRow("Enter presses Ok") << int(Qt::Key_Return) << true;
    QTest::newRow("Esc presses Cancel, which changes nothing") << int(Qt::Key_Escape) << false;
    QTest::newRow("the close box gives nothing") << 0 << false;
}

void TestCommonDialog::timeDialogKeys()
{
    QFETCH(int, key);
    QFETCH(bool, answered);
    TimeInputDialog dialog(QStringLiteral("Reminder Time"), QStringLiteral("When?"), QTime(19, 5, 0));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.picker()->text(), QStringLiteral("07:05:00 PM"));
    // Tab order: the picker (Tab first goes through its hours, minutes, seconds and AM/PM), "&Ok", "&Cancel".
    QCOMPARE(QApplication::focusWidget(), dialog.picker());
    for (int i = 0; i < 6 && QApplication::focusWidget() == dialog.picker(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOk"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdCancel"));
    dialog.picker()->setFocus();
    if (key != 0) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    } else {
        dialog.close();
    }
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.answer().has_value(), answered);
    if (answered) {
        QCOMPARE(*dialog.answer(), QTime(19, 5, 0));
    }
}

void TestCommonDialog::settingsKeepOnlyUsableValues_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("proxy");
    QTest::addColumn<bool>("kept");
    QTest::newRow("both set") << " http://quotes.example.com/ "
                              << "proxy.example.com:3128" << true;
    QTest::newRow("both empty") << ""
                                << "" << true;
    QTest::newRow("https server, proxy without a port") << "https://q.example.org"
                                                        << "proxy" << true;
    QTest::newRow("a server without a scheme") << "quotes.example.com"
                                               << "" << false;
    QTest::newRow("an ftp server") << "ftp://quotes.example.com"
                                   << "" << false;
    QTest::newRow("a proxy with a bad port") << ""
                                             << "proxy.example.com:99999" << false;
    QTest::newRow("a proxy with a blank") << ""
                                          << "proxy example" << false;
}

void TestCommonDialog::settingsKeepOnlyUsableValues()
{
    QFETCH(QString, server);
    QFETCH(QString, proxy);
    QFETCH(bool, kept);
    writeSetting(Setting::QuoteServer, QStringLiteral("http://before.example.com"));
    writeSetting(Setting::HttpProxy, QString());
    SettingsWindow window;
    QCOMPARE(window.quoteServerField()->text(), QStringLiteral("http://before.example.com"));
    window.quoteServerField()->setText(server);
    window.proxyField()->setText(proxy);
    QCOMPARE(window.keep(), kept);
    QCOMPARE(readSetting(Setting::QuoteServer), kept ? server.trimmed() : QStringLiteral("http://before.example.com"));
    QCOMPARE(readSetting(Setting::HttpProxy), kept ? proxy : QString());
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblProblem"))->isHidden(), kept); // what is wrong is shown
}

QTEST_MAIN(TestCommonDialog)
#include "tst_commondialog.moc"
