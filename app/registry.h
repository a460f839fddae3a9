#pragma once

#include <QString>
#include <QVariant>

#include <memory>

namespace jotlet {

// An error raised by the settings store, for the caller to log under its own location.
struct RegistryError
{
    long number = 0;
    QString source;
    QString description;
    bool isSet() const { return number != 0; }
};

inline constexpr long kRegistryErrorNumber = 26001;

// One key's worth of named text values. The program's own section lives in QSettings, the
// start-at-log-on section in the desktop's autostart folder (the registry's Run key on Windows).
class RegistryStore
{
public:
    virtual ~RegistryStore() = default;
    virtual bool exists() const = 0;
    virtual bool create() = 0;
    // False when the value is missing or cannot be read.
    virtual bool read(const QString& name, QString* value) const = 0;
    virtual bool write(const QString& name, const QString& value) = 0;
    virtual bool remove(const QString& name) = 0;
};

// The store for a section below HKEY_CURRENT_USER: "SOFTWARE\<organisation>\<application>" or
// the Run section; any other section gives a store that does not exist and cannot be created.
std::unique_ptr<RegistryStore> openRegistryStore(const QString& section);

// A stored text holding "%" and another "%" at least two characters further on is kept as an
// expandable string: its %NAME% references are replaced by environment variables when read.
bool isExpandableText(const QString& text);

// Replaces each %NAME% by the environment variable NAME; references to variables that are not
// set, "%%" and a lone "%" stay as they are.
QString expandEnvironmentReferences(const QString& text);

// The settings store, configured by properties and then asked to act.
class cRegistry
{
public:
    static constexpr quint32 HKEY_CURRENT_USER_KEY = 0x80000001u;
    enum ValueTypes {
        REG_SZ = 1,
        REG_EXPAND_SZ = 2,
        REG_BINARY = 3,
        REG_DWORD = 4,
        REG_DWORD_BIG_ENDIAN = 5,
        REG_MULTI_SZ = 7,
    };

    quint32 ClassKey() const { return m_classKey; }
    void setClassKey(quint32 key) { m_classKey = key; }
    QString SectionKey() const { return m_sectionKey; }
    void setSectionKey(const QString& section) { m_sectionKey = section; }
    QString ValueKey() const { return m_valueKey; }
    void setValueKey(const QString& name) { m_valueKey = name; }
    int ValueType() const { return m_valueType; }
    void setValueType(int type) { m_valueType = type; }
    QVariant Default() const { return m_default; }
    void setDefault(const QVariant& value) { m_default = value; }

    bool KeyExists() const;
    bool CreateKey();
    // Reads the named value; Default() when it cannot be read. Records the stored type.
    QVariant Value();
    // Writes the named value as the type in ValueType() (text types choose plain or expandable
    // by content). Returns false and sets lastError() on failure.
    bool setValue(const QVariant& value);
    bool DeleteValue();

    const RegistryError& lastError() const { return m_error; }

private:
    bool fail(const QString& description);
    RegistryStore* store() const;

    quint32 m_classKey = HKEY_CURRENT_USER_KEY;
    QString m_sectionKey;
    QString m_valueKey;
    int m_valueType = REG_SZ;
    QVariant m_default;
    RegistryError m_error;
    mutable std::unique_ptr<RegistryStore> m_store;
    mutable QString m_storeSection;
};

} // namespace jotlet
