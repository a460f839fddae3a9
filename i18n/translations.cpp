// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace jotlet {

namespace {

const QString kResourceFolder = QStringLiteral(":/i18n");

// Loads one translation into the application; the translator lives as long as the application.
bool install(const QLocale& locale, const QString& name, const QString& folder, QStringList* loaded)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    *loaded << translator->filePath();
    return true;
}

} // namespace

QStringList installTranslations(const QLocale& locale)
{
    QStringList loaded;
    // Qt's own only where the program speaks the language too, so that no dialog mixes two languages.
    if (install(locale, QStringLiteral("jotlet"), kResourceFolder, &loaded)) {
        install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath), &loaded);
    }
    return loaded;
}

QStringList translatedLanguages()
{
    QStringList languages;
    const QStringList files = QDir(kResourceFolder).entryList({QStringLiteral("jotlet_*.qm")}, QDir::Files);
    for (const QString& file : files) {
        languages << file.mid(7, file.size() - 10); // jotlet_<language>.qm
    }
    return languages;
}

} // namespace jotlet
