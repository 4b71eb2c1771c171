#include "platform/SystemSpecialFolders.h"

#include <QDir>
#include <QStandardPaths>

QString WithoutTrailingSeparator(const QString &path)
{
    if (path.isEmpty())
        return path;
    QString result = QDir::cleanPath(path);
    while (result.size() > 1 &&
           (result.endsWith(QLatin1Char('/')) || result.endsWith(QLatin1Char('\\'))))
        result.chop(1);
    return result;
}

QString SystemSpecialFolders::documents()
{
    return WithoutTrailingSeparator(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QString SystemSpecialFolders::applicationData()
{
    return WithoutTrailingSeparator(
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

QString SystemSpecialFolders::home()
{
    return WithoutTrailingSeparator(QStandardPaths::writableLocation(QStandardPaths::HomeLocation));
}

QString SystemSpecialFolders::programFiles()
{
    return QStringLiteral("/usr");
}

QString SystemSpecialFolders::temp()
{
    const QString fromEnvironment = qEnvironmentVariable("TEMP");
    return WithoutTrailingSeparator(fromEnvironment.isEmpty() ? QDir::tempPath() : fromEnvironment);
}
