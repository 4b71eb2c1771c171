#pragma once

#include <QString>
#include <QStringList>

// String values stored by key path, as "HKEY_CLASSES_ROOT\http\shell\open\command".
// Key names and value names compare without regard to letter case.
class Registry
{
public:
    virtual ~Registry() = default;

    // The value name "" is the key's default value. Missing gives "".
    virtual QString value(const QString &keyPath, const QString &name = {}) = 0;
    // Creates the key where needed. False when the value could not be stored.
    virtual bool setValue(const QString &keyPath, const QString &name, const QString &value) = 0;
    // Names of the direct sub keys, in the spelling they were stored with.
    virtual QStringList subKeys(const QString &keyPath) = 0;
};

// The names of a key path: separated by backslashes, empty names dropped, so
// "HKEY_LOCAL_MACHINE" + "\Software" and "HKEY_LOCAL_MACHINE\\Software\" are
// the same key. A slash is part of a name (as in "text/html").
QStringList RegistryKeyNames(const QString &keyPath);
