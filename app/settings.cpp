#include "settings.h"

#include "errorlog.h"

#include <QCoreApplication>
#include <QDir>

namespace jotlet {

QString jotletSection()
{
    return QStringLiteral("SOFTWARE\\Quorvel\\Jotlet");
}

QString runSection()
{
    return QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
}

QString GetRegSetting(const QString& section, const QString& name, const QString& defaultValue)
{
    cRegistry registry;
    registry.setClassKey(cRegistry::HKEY_CURRENT_USER_KEY);
    registry.setSectionKey(section);
    if (!registry.KeyExists()) {
        return defaultValue;
    }
    registry.setValueKey(name);
    return registry.Value().toString();
}

bool SaveRegSetting(const QString& section, const QString& name, const QString& value, RegistryError* error)
{
    cRegistry registry;
    registry.setClassKey(cRegistry::HKEY_CURRENT_USER_KEY);
    registry.setSectionKey(section);
    bool ok = registry.KeyExists() || registry.CreateKey();
    if (ok) {
        registry.setValueType(cRegistry::REG_SZ);
        registry.setValueKey(name);
        ok = registry.setValue(value);
    }
    if (!ok && error) {
        *error = registry.lastError();
    }
    return ok;
}

QString startUpProgramPath()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
}

bool RunAtStartUp()
{
    RegistryError error;
    if (!SaveRegSetting(runSection(), QString::fromLatin1(kRunValueName), startUpProgramPath(), &error)) {
        LogError(QStringLiteral("modMain: RunAtStartUp"), error.number, error.description);
        return false;
    }
    return true;
}

void RemoveRunAtStartUp()
{
    cRegistry registry;
    registry.setClassKey(cRegistry::HKEY_CURRENT_USER_KEY);
    registry.setSectionKey(runSection());
    if (registry.KeyExists()) {
        registry.setValueKey(QString::fromLatin1(kRunValueName));
        registry.DeleteValue();
    }
}

} // namespace jotlet
