#include "platform/MemoryRegistry.h"

namespace {

bool sameNames(const QStringList &a, const QStringList &b, qsizetype count)
{
    if (a.size() < count || b.size() < count)
        return false;
    for (qsizetype i = 0; i < count; ++i) {
        if (a[i].compare(b[i], Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

} // namespace

MemoryRegistry::Entry *MemoryRegistry::find(const QStringList &key, const QString &name)
{
    for (Entry &e : m_entries) {
        if (e.key.size() == key.size() && sameNames(e.key, key, key.size()) &&
            e.name.compare(name, Qt::CaseInsensitive) == 0)
            return &e;
    }
    return nullptr;
}

QString MemoryRegistry::value(const QString &keyPath, const QString &name)
{
    const Entry *e = find(RegistryKeyNames(keyPath), name);
    return e ? e->value : QString();
}

bool MemoryRegistry::setValue(const QString &keyPath, const QString &name, const QString &value)
{
    QStringList key = RegistryKeyNames(keyPath);
    if (m_readOnly || key.isEmpty())
        return false;
    if (Entry *e = find(key, name)) {
        e->value = value;
        return true;
    }
    // Keys that exist keep their first spelling, as in the real registry.
    for (const Entry &e : m_entries) {
        for (qsizetype i = 0; i < key.size() && i < e.key.size(); ++i) {
            if (e.key[i].compare(key[i], Qt::CaseInsensitive) != 0)
                break;
            key[i] = e.key[i];
        }
    }
    m_entries.append({key, name, value});
    return true;
}

QStringList MemoryRegistry::subKeys(const QString &keyPath)
{
    const QStringList key = RegistryKeyNames(keyPath);
    QStringList result;
    if (key.isEmpty())
        return result;
    for (const Entry &e : m_entries) {
        if (e.key.size() <= key.size() || !sameNames(e.key, key, key.size()))
            continue;
        const QString &sub = e.key[key.size()];
        if (!result.contains(sub, Qt::CaseInsensitive))
            result << sub;
    }
    return result;
}
