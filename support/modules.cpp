// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/modules.h"

#include "support/logging.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibrary>
#include <QMutex>
#include <QStringList>

namespace jotlet {

namespace {

QStringList moduleFolders()
{
    QStringList folders;
    const QString chosen = qEnvironmentVariable("JOTLET_MODULE_DIR");
    if (!chosen.isEmpty()) {
        folders << chosen;
    }
    if (QCoreApplication::instance()) {
        const QString program = QCoreApplication::applicationDirPath();
        folders << program + QStringLiteral("/modules") << program + QStringLiteral("/" JOTLET_MODULE_DIR_FROM_PROGRAM);
    }
    folders << QStringLiteral(JOTLET_MODULE_INSTALL_DIR);
    return folders;
}

// The loaded module, or nullptr (with the reason logged) when none of the folders has one that loads.
QLibrary* load(const QString& name)
{
    QStringList reasons;
    for (const QString& folder : moduleFolders()) {
        auto* library = new QLibrary(folder + QLatin1Char('/') + name);
        if (library->load()) {
            return library;
        }
        reasons << library->errorString();
        delete library;
    }
    qCWarning(lcApp).noquote() << "The module" << name << "could not be loaded:" << reasons.join(QStringLiteral("; "));
    return nullptr;
}

} // namespace

QFunctionPointer moduleFunction(const char* name, const char* symbol)
{
    static QMutex mutex;
    static QHash<QString, QLibrary*> modules; // nullptr for one that did not load: it is not tried again
    const QMutexLocker lock(&mutex);
    const QString key = QString::fromLatin1(name);
    auto found = modules.find(key);
    if (found == modules.end()) {
        found = modules.insert(key, load(key));
    }
    if (!found.value()) {
        return nullptr;
    }
    const QFunctionPointer function = found.value()->resolve(symbol);
    if (!function) {
        qCWarning(lcApp) << "The module" << key << "has no" << symbol;
    }
    return function;
}

} // namespace jotlet
