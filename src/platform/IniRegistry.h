#pragma once

#include "platform/Registry.h"

// The registry off Windows: an INI file holding the same key paths.
//
// Each name of a key path is one QSettings group level, the values lie in the
// key's group and the default value has the name "@". Before QSettings sees a
// name, '%', '/', '\' and '@' in it are written as %25, %2F, %5C and %40, so
// any key or value name survives the round trip. QSettings escapes the rest;
// the file then reads:
//
//   [HKEY_CLASSES_ROOT]
//   http\shell\open\command\%40=\"/usr/bin/firefox\" %1
//   MIME\Database\Content%20Type\text%252Fhtml\Extension=.htm
class IniRegistry : public Registry
{
public:
    // filePath "" means defaultPath().
    explicit IniRegistry(const QString &filePath = {});

    // "registry.ini" in the folder "Lorvane" of the user's configuration folder.
    static QString defaultPath();
    QString filePath() const { return m_filePath; }

    QString value(const QString &keyPath, const QString &name = {}) override;
    bool setValue(const QString &keyPath, const QString &name, const QString &value) override;
    QStringList subKeys(const QString &keyPath) override;

private:
    QString m_filePath;
};
