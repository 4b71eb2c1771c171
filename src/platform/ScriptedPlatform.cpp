#include "platform/ScriptedPlatform.h"

#include <QDir>

ScriptedPlatform::ScriptedPlatform()
{
    const QString root = m_root.path();
    auto make = [&root](const QString &name) {
        const QString path = root + QLatin1Char('/') + name;
        QDir().mkpath(path);
        return path;
    };
    m_folders.setDocuments(make(QStringLiteral("Documents")));
    m_folders.setApplicationData(make(QStringLiteral("AppData")));
    m_folders.setHome(make(QStringLiteral("Home")));
    m_folders.setTemp(make(QStringLiteral("Temp")));
    m_folders.setProgramFiles(make(QStringLiteral("Programme")));
}
