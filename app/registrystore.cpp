// The stores behind cRegistry: QSettings for the program's own section, the autostart folder
// for the Run section on Linux, the registry itself on Windows.
#include "registry.h"

#include "appinfo.h"
#include "autostartentry.h"
#include "filefunctions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace jotlet {

namespace {

const QString kRunSection = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");

// Values are text; a hand-edited list ("a, b") comes back from QSettings as a list.
QString variantToText(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", "));
    }
    return value.toString();
}

#ifndef Q_OS_WIN

class MissingStore : public RegistryStore
{
public:
    bool exists() const override { return false; }
    bool create() override { return false; }
    bool read(const QString&, QString*) const override { return false; }
    bool write(const QString&, const QString&) override { return false; }
    bool remove(const QString&) override { return false; }
};

// SOFTWARE\<organisation>\<application>: the application's QSettings file. The section exists
// once its file does.
class SettingsFileStore : public RegistryStore
{
public:
    SettingsFileStore(const QString& organisation, const QString& application)
        : m_organisation(organisation)
        , m_application(application)
    {
    }

    bool exists() const override { return QFileInfo(fileName()).isFile(); }

    bool create() override
    {
        if (exists()) {
            return true;
        }
        QFile file(fileName());
        return QDir().mkpath(QFileInfo(file).absolutePath()) && file.open(QIODevice::Append);
    }

    bool read(const QString& name, QString* value) const override
    {
        QSettings settings(m_organisation, m_application);
        if (!settings.contains(name)) {
            return false;
        }
        *value = variantToText(settings.value(name));
        return true;
    }

    bool write(const QString& name, const QString& value) override
    {
        QSettings settings(m_organisation, m_application);
        settings.setValue(name, value);
        settings.sync();
        return settings.status() == QSettings::NoError;
    }

    bool remove(const QString& name) override
    {
        QSettings settings(m_organisation, m_application);
        if (!settings.contains(name)) {
            return false;
        }
        settings.remove(name);
        settings.sync();
        return settings.status() == QSettings::NoError;
    }

private:
    QString fileName() const { return QSettings(m_organisation, m_application).fileName(); }

    QString m_organisation;
    QString m_application;
};

// The Run section: one XDG autostart entry per value, named after the value in lower case,
// whose Exec line holds the value.
class AutostartStore : public RegistryStore
{
public:
    bool exists() const override { return true; }
    bool create() override { return QDir().mkpath(folder()); }

    bool read(const QString& name, QString* value) const override
    {
        QFile file(entryPath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            return false;
        }
        *value = autostartEntryProgram(QString::fromUtf8(file.readAll()));
        return true;
    }

    bool write(const QString& name, const QString& value) override
    {
        if (!create()) {
            return false;
        }
        QString error;
        return WriteFileAtomically(entryPath(name), autostartEntryText(name, value).toUtf8(), &error);
    }

    bool remove(const QString& name) override { return QFile::remove(entryPath(name)); }

private:
    static QString folder()
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart");
    }
    static QString entryPath(const QString& name)
    {
        return folder() + QLatin1Char('/') + name.toLower() + QStringLiteral(".desktop");
    }
};

#else

// On Windows every section is a registry key below HKEY_CURRENT_USER.
class WindowsRegistryStore : public RegistryStore
{
public:
    explicit WindowsRegistryStore(const QString& section)
        : m_section(section)
    {
    }

    bool exists() const override
    {
        HKEY key = nullptr;
        const auto path = reinterpret_cast<const wchar_t*>(m_section.utf16());
        if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }

    bool create() override
    {
        HKEY key = nullptr;
        const auto path = reinterpret_cast<const wchar_t*>(m_section.utf16());
        if (RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr)
            != ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }

    bool read(const QString& name, QString* value) const override
    {
        QSettings settings(settingsPath(), QSettings::NativeFormat);
        if (!settings.contains(name)) {
            return false;
        }
        *value = variantToText(settings.value(name));
        return true;
    }

    bool write(const QString& name, const QString& value) override
    {
        QSettings settings(settingsPath(), QSettings::NativeFormat);
        settings.setValue(name, value);
        settings.sync();
        return settings.status() == QSettings::NoError;
    }

    bool remove(const QString& name) override
    {
        QSettings settings(settingsPath(), QSettings::NativeFormat);
        if (!settings.contains(name)) {
            return false;
        }
        settings.remove(name);
        settings.sync();
        return settings.status() == QSettings::NoError;
    }

private:
    QString settingsPath() const { return QStringLiteral("HKEY_CURRENT_USER\\") + m_section; }

    QString m_section;
};

#endif

} // namespace

std::unique_ptr<RegistryStore> openRegistryStore(const QString& section)
{
#ifdef Q_OS_WIN
    return std::make_unique<WindowsRegistryStore>(section);
#else
    if (section.compare(kRunSection, Qt::CaseInsensitive) == 0) {
        return std::make_unique<AutostartStore>();
    }
    const QStringList parts = section.split(QLatin1Char('\\'));
    if (parts.size() == 3 && parts.at(0).compare(QLatin1String("SOFTWARE"), Qt::CaseInsensitive) == 0
        && !parts.at(1).isEmpty() && !parts.at(2).isEmpty()) {
        // Key names ignore case, file names do not: the program's own section has one spelling.
        const QString organisation = QString::fromLatin1(kOrganizationName);
        const QString application = QString::fromLatin1(kApplicationName);
        if (parts.at(1).compare(organisation, Qt::CaseInsensitive) == 0
            && parts.at(2).compare(application, Qt::CaseInsensitive) == 0) {
            return std::make_unique<SettingsFileStore>(organisation, application);
        }
        return std::make_unique<SettingsFileStore>(parts.at(1), parts.at(2));
    }
    return std::make_unique<MissingStore>();
#endif
}

} // namespace jotlet
