#include "registry.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace jotlet {

bool isExpandableText(const QString& text)
{
    const qsizetype first = text.indexOf(QLatin1Char('%'));
    return first >= 0 && text.indexOf(QLatin1Char('%'), first + 2) >= 0;
}

static QString environmentValue(const QString& name, bool* found)
{
    *found = qEnvironmentVariableIsSet(name.toLocal8Bit().constData());
    return *found ? qEnvironmentVariable(name.toLocal8Bit().constData()) : QString();
}

QString expandEnvironmentReferences(const QString& text)
{
    QString result;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('%'), pos);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('%'), open + 1);
        if (close < 0) {
            break;
        }
        result += text.mid(pos, open - pos);
        const QString name = text.mid(open + 1, close - open - 1);
        bool found = false;
        const QString value = name.isEmpty() ? QString() : environmentValue(name, &found);
        // An unknown reference is copied as it stands, both "%" included.
        result += found ? value : text.mid(open, close - open + 1);
        pos = close + 1;
    }
    result += text.mid(pos);
    return result;
}

static QString executableName()
{
    const QString path = QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    const QString base = QFileInfo(path).completeBaseName();
    return base.isEmpty() ? QStringLiteral("jotlet") : base;
}

RegistryStore* cRegistry::store() const
{
    if (!m_store || m_storeSection != m_sectionKey) {
        m_store = openRegistryStore(m_sectionKey);
        m_storeSection = m_sectionKey;
    }
    return m_store.get();
}

bool cRegistry::fail(const QString& description)
{
    m_error = RegistryError {kRegistryErrorNumber, executableName() + QStringLiteral(".cRegistry"), description};
    return false;
}

bool cRegistry::KeyExists() const
{
    return m_classKey == HKEY_CURRENT_USER_KEY && store()->exists();
}

bool cRegistry::CreateKey()
{
    if (m_classKey != HKEY_CURRENT_USER_KEY || !store()->create()) {
        return fail(QStringLiteral("Failed to create registry Key: '") + m_sectionKey);
    }
    return true;
}

QVariant cRegistry::Value()
{
    QString text;
    if (m_classKey != HKEY_CURRENT_USER_KEY || !store()->read(m_valueKey, &text)) {
        return m_default;
    }
    if (isExpandableText(text)) {
        m_valueType = REG_EXPAND_SZ;
        return expandEnvironmentReferences(text);
    }
    m_valueType = REG_SZ;
    return text;
}

bool cRegistry::setValue(const QVariant& value)
{
    QString text;
    switch (m_valueType) {
    case REG_DWORD:
    case REG_DWORD_BIG_ENDIAN:
        text = QString::number(value.toInt());
        break;
    case REG_BINARY:
        text = QString::fromLatin1(value.toByteArray().toHex());
        break;
    default:
        // Never a null string: an empty value is stored as an empty text, not removed.
        text = value.toString();
        if (text.isNull()) {
            text = QLatin1String("");
        }
        break;
    }
    if (m_classKey != HKEY_CURRENT_USER_KEY || !store()->write(m_valueKey, text)) {
        return fail(QStringLiteral("Failed to set registry value Key: '%1',Section: '%2',Key: '%3' to value: '%4'")
                        .arg(QString::number(m_classKey), m_sectionKey, m_valueKey, text));
    }
    return true;
}

bool cRegistry::DeleteValue()
{
    if (m_classKey != HKEY_CURRENT_USER_KEY || !store()->remove(m_valueKey)) {
        return fail(QStringLiteral("Failed to delete registry value Key: '%1',Section: '%2',Key: '%3'")
                        .arg(QString::number(m_classKey), m_sectionKey, m_valueKey));
    }
    return true;
}

} // namespace jotlet
