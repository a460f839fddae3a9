#include "commondialog.h"
#include "currentprinter.h"
#include "fakedialogs.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPalette>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

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
    void printerDialog_data();
    void printerDialog();
};

void TestCommonDialog::filterConversion_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QStringList>("qt");
    const QChar nul(0);
    QTest::newRow("note files") << "Jotlet Note (*.not)|*.not"
                                << QString("Jotlet Note (*.not)") + nul + "*.not" + nul + nul
                                << QStringList {"Jotlet Note (*.not)"};
    QTest::newRow("two pairs and a trailing separator")
        << "Text|*.txt;*.log|All files|*.*|"
        << QString("Text") + nul + "*.txt;*.log" + nul + "All files" + nul + "*.*" + nul + nul
        << QStringList {"Text (*.txt *.log)", "All files (*.*)"};
    QTest::newRow("no separator") << "Notes" << QString("Notes") + nul + nul << QStringList {"Notes"};
}

void TestCommonDialog::filterConversion()
{
    QFETCH(QString, filter);
    QFETCH(QString, system);
    QFETCH(QStringList, qt);
    clsCommonDialog dialog;
    dialog.setFilter(filter);
    QCOMPARE(dialog.Filter(), filter);
    QCOMPARE(dialog.systemFilter(), system);
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

    clsCommonDialog dialog;
    dialog.setDialogTitle(QStringLiteral("Select a file: "));
    dialog.setFilter(QStringLiteral("Jotlet Note (*.not)|*.not"));
    dialog.setDefaultExt(QStringLiteral("not"));
    dialog.setInitDir(QStringLiteral("/tmp/x"));
    dialog.setFlags(flags);
    dialog.setFileName(QStringLiteral("/tmp/x/preset.not")); // not shown: the dialog starts empty
    dialog.setMaxFileSize(10);
    const long result = save ? dialog.ShowSave() : dialog.ShowOpen();

    QCOMPARE(result, confirm ? 1L : 0L);
    QCOMPARE(dialog.FileName(), confirm ? QStringLiteral("/tmp/x/chosen.not") : QString());
    QCOMPARE(dialog.MaxFileSize(), qint16(256));
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
    clsCommonDialog dialog;
    QCOMPARE(dialog.ShowColor(true, initColor), result);
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
    clsCommonDialog dialog;
    dialog.setFontName(QStringLiteral("Comic Sans MS"));
    dialog.ShowFont();
    QCOMPARE(fake.fontShown, QStringLiteral("Comic Sans MS"));
    QCOMPARE(dialog.FontName(), fontName);
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
    currentPrinter().setOutputFormat(QPrinter::PdfFormat);
    currentPrinter().setOutputFileName(pdf);

    FakeDialogs fake;
    fake.printerAnswer = confirm;
    clsCommonDialog dialog;
    QCOMPARE(dialog.ShowPrinter(0), confirm);
    QPainter* painter = currentPrintPainter();
    QVERIFY(painter);
    painter->drawText(100, 100, QStringLiteral("page"));
    dialog.PrintDoc();

    QFile out(pdf);
    const bool printed = out.open(QIODevice::ReadOnly) && out.readAll().startsWith("%PDF");
    QCOMPARE(printed, confirm);
    QCOMPARE(fake.printerDialogs, 1);
}

QTEST_MAIN(TestCommonDialog)
#include "tst_commondialog.moc"
