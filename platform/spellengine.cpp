// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/spellengine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace jotlet {

QStringList systemDictionaryFolders()
{
    return {QStringLiteral("/usr/share/hunspell"),
            QStringLiteral("/usr/share/myspell"),
            QStringLiteral("/usr/share/myspell/dicts")};
}

QString findDictionary(const QLocale& locale, const QStringList& folders)
{
    const auto exists = [](const QString& base) {
        return QFileInfo::exists(base + QStringLiteral(".aff")) && QFileInfo::exists(base + QStringLiteral(".dic"));
    };
    const QString language = locale.name().section(QLatin1Char('_'), 0, 0);
    for (const QString& wanted : {locale.name(), language + QStringLiteral("_*"), QStringLiteral("en_US")}) {
        for (const QString& folder : folders) {
            const QStringList found
                = QDir(folder).entryList({wanted + QStringLiteral(".dic")}, QDir::Files, QDir::Name);
            for (const QString& name : found) {
                const QString base = QDir(folder).filePath(name.chopped(4));
                if (exists(base)) {
                    return base;
                }
            }
        }
    }
    return {};
}

QString dictionaryDescription(const QString& dictionaryName, const QLocale& userLocale)
{
    if (dictionaryName.isEmpty()) {
        return QString();
    }
    const QLocale dictionary(dictionaryName);
    QString text = QLocale::languageToString(dictionary.language());
    if (dictionaryName.contains(QLatin1Char('_'))) {
        text += QStringLiteral(" (%1)").arg(QLocale::territoryToString(dictionary.territory()));
    }
    if (dictionary.language() != userLocale.language() && userLocale.language() != QLocale::C) {
        // A name to show: in the user's language.
        text += QStringLiteral(" \u2013 ")
                + Problem(QT_TRANSLATE_NOOP("Problem", "no dictionary for %1 is installed"),
                          {QLocale::languageToString(userLocale.language())})
                      .text();
    }
    return text;
}

} // namespace jotlet
