#pragma once

#include "platform/Registry.h"

#include <QList>

// Registry double: keys and values in memory, with the same rules for names
// as the real adapters.
class MemoryRegistry : public Registry
{
public:
    QString value(const QString &keyPath, const QString &name = {}) override;
    bool setValue(const QString &keyPath, const QString &name, const QString &value) override;
    QStringList subKeys(const QString &keyPath) override;

    // Makes setValue() fail, as a registry without write access does.
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    void clear() { m_entries.clear(); }

private:
    struct Entry
    {
        QStringList key; // names as first stored
        QString name;
        QString value;
    };
    Entry *find(const QStringList &key, const QString &name);

    QList<Entry> m_entries;
    bool m_readOnly = false;
};
