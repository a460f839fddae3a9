// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The program in the user's language: German texts and Qt's own German buttons where the locale is German, the
// English texts untouched elsewhere, and in every language each menu item reachable by a letter of its own.
#include "dialogs/inputdialogs.h"
#include "i18n/translations.h"
#include "window/notemenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

using namespace jotlet;

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void languages_data();
    void languages();
    void mnemonicsAreUniqueInEachMenu_data();
    void mnemonicsAreUniqueInEachMenu();
    void timeFieldFollowsTheLocale_data();
    void timeFieldFollowsTheLocale();
};

namespace {

void removeTranslations()
{
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// The letter after a single "&", or nothing.
QChar mnemonic(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            if (text.at(i + 1) != QLatin1Char('&')) {
                return text.at(i + 1).toLower();
            }
            ++i;
        }
    }
    return {};
}

// Items of one menu level whose letter is missing or taken twice. The sync-conflict items, shown only on a
// conflict note, may share letters with the rest: a menu of 25 items has too few letters.
void checkLevel(const QMenu* menu, QStringList* problems)
{
    QHash<QChar, QString> taken;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            continue;
        }
        const QString text = action->text().section(QLatin1Char('\t'), 0, 0);
        const QChar letter = mnemonic(text);
        if (letter.isNull()) {
            *problems << menu->objectName() + QStringLiteral(": no letter: ") + text;
        } else if (!action->objectName().startsWith(QLatin1String("mnuConflict"))) {
            // "&Print" and "&Paste" have shared their P from the start.
            const QStringList given {QStringLiteral("&Print"), QStringLiteral("&Paste")};
            if (taken.contains(letter) && !(given.contains(text) && given.contains(taken[letter]))) {
                *problems << menu->objectName() + QStringLiteral(": ") + taken[letter] + QStringLiteral(" and ") + text;
            }
            taken.insert(letter, text);
        }
        if (action->menu()) {
            checkLevel(action->menu(), problems);
        }
    }
}

} // namespace

void TestTranslations::cleanup()
{
    removeTranslations();
}

void TestTranslations::languages_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("newItem");
    QTest::addColumn<QString>("yes");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("German") << "de_DE"
                            << "&Neu"
                            << "&Ja"
                            << "Abbrechen";
    QTest::newRow("Austrian German") << "de_AT"
                                     << "&Neu"
                                     << "&Ja"
                                     << "Abbrechen";
    QTest::newRow("American English") << "en_US"
                                      << "&New"
                                      << "&Yes"
                                      << "Cancel";
    QTest::newRow("a language without a translation stays English") << "sw_KE"
                                                                    << "&New"
                                                                    << "&Yes"
                                                                    << "Cancel";
}

void TestTranslations::languages()
{
    QFETCH(QString, locale);
    QFETCH(QString, newItem);
    QFETCH(QString, yes);
    QFETCH(QString, cancel);
    const QStringList loaded = installTranslations(QLocale(locale));
    QCOMPARE(loaded.size(), newItem == QLatin1String("&New") ? 0 : 2); // ours and Qt's, or none
    NoteMenus menus;
    QCOMPARE(menus.item(QStringLiteral("mnuNew"))->text().section(QLatin1Char('\t'), 0, 0), newItem);
    // Qt's own buttons follow, as the save question shows them.
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);
    QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), cancel);
}

void TestTranslations::mnemonicsAreUniqueInEachMenu_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("English") << "en_US";
    for (const QString& language : translatedLanguages()) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

void TestTranslations::mnemonicsAreUniqueInEachMenu()
{
    QFETCH(QString, locale);
    installTranslations(QLocale(locale));
    NoteMenus menus;
    QStringList problems;
    for (NoteMenu which : {NoteMenu::Main, NoteMenu::System, NoteMenu::Selection, NoteMenu::Caption}) {
        checkLevel(menus.menu(which), &problems);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestTranslations::timeFieldFollowsTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("shown"); // 19:05:00
    QTest::newRow("American: 12 hours") << "en_US"
                                        << "07:05:00 PM";
    QTest::newRow("German: 24 hours") << "de_DE"
                                      << "19:05:00";
    QTest::newRow("British: 24 hours") << "en_GB"
                                       << "19:05:00";
    QTest::newRow("the C locale keeps AM/PM") << "C"
                                              << "07:05:00 PM";
}

void TestTranslations::timeFieldFollowsTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, shown);
    const QLocale chosen(locale);
    QCOMPARE(chosen.toString(QTime(19, 5), timeFieldFormat(chosen)), shown);
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
