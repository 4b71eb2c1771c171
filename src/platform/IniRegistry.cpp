#include "platform/IniRegistry.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString defaultValueName = QStringLiteral("@");

QString encodeName(const QString &name)
{
    QString result;
    result.reserve(name.size());
    for (QChar c : name) {
        switch (c.unicode()) {
        case '%':
            result += QLatin1String("%25");
            break;
        case '/':
            result += QLatin1String("%2F");
            break;
        case '\\':
            result += QLatin1String("%5C");
            break;
        case '@':
            result += QLatin1String("%40");
            break;
        default:
            result += c;
        }
    }
    return result;
}

QString decodeName(const QString &stored)
{
    QString result;
    result.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        if (stored[i] == QLatin1Char('%') && i + 2 < stored.size()) {
            bool ok = false;
            const int code = stored.mid(i + 1, 2).toInt(&ok, 16);
            if (ok) {
                result += QChar(code);
                i += 2;
                continue;
            }
        }
        result += stored[i];
    }
    return result;
}

QString storedName(const QString &name, bool isValueName)
{
    return isValueName && name.isEmpty() ? defaultValueName : encodeName(name);
}

// The stored entry whose name equals name ignoring case; an exact match
// wins. "" when there is none.
QString findStored(const QStringList &stored, const QString &name, bool isValueName)
{
    const QString wanted = storedName(name, isValueName);
    if (stored.contains(wanted))
        return wanted;
    if (wanted == defaultValueName)
        return {};
    for (const QString &entry : stored) {
        if (isValueName && entry == defaultValueName)
            continue;
        if (decodeName(entry).compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

// Enters the groups of the key. With create = false it returns false at the
// first key that does not exist.
bool enterKey(QSettings &settings, const QStringList &names, bool create)
{
    for (const QString &name : names) {
        QString stored = findStored(settings.childGroups(), name, false);
        if (stored.isEmpty()) {
            if (!create)
                return false;
            stored = encodeName(name);
        }
        settings.beginGroup(stored);
    }
    return true;
}

} // namespace

IniRegistry::IniRegistry(const QString &filePath)
    : m_filePath(filePath.isEmpty() ? defaultPath() : filePath)
{
}

QString IniRegistry::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String("/Lorvane/registry.ini");
}

QString IniRegistry::value(const QString &keyPath, const QString &name)
{
    const QStringList names = RegistryKeyNames(keyPath);
    if (names.isEmpty() || !QFileInfo::exists(m_filePath))
        return {};
    QSettings settings(m_filePath, QSettings::IniFormat);
    if (!enterKey(settings, names, false))
        return {};
    const QString stored = findStored(settings.childKeys(), name, true);
    if (stored.isEmpty())
        return {};
    const QVariant v = settings.value(stored);
    // A hand-written value with unquoted commas reads back as a list.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1String(", "));
    return v.toString();
}

bool IniRegistry::setValue(const QString &keyPath, const QString &name, const QString &value)
{
    const QStringList names = RegistryKeyNames(keyPath);
    if (names.isEmpty())
        return false;
    if (!QDir().mkpath(QFileInfo(m_filePath).absolutePath()))
        return false;
    QSettings settings(m_filePath, QSettings::IniFormat);
    enterKey(settings, names, true);
    QString stored = findStored(settings.childKeys(), name, true);
    if (stored.isEmpty())
        stored = storedName(name, true);
    settings.setValue(stored, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QStringList IniRegistry::subKeys(const QString &keyPath)
{
    const QStringList names = RegistryKeyNames(keyPath);
    if (names.isEmpty() || !QFileInfo::exists(m_filePath))
        return {};
    QSettings settings(m_filePath, QSettings::IniFormat);
    if (!enterKey(settings, names, false))
        return {};
    QStringList result;
    for (const QString &stored : settings.childGroups())
        result << decodeName(stored);
    return result;
}
