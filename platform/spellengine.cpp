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

} // namespace jotlet
