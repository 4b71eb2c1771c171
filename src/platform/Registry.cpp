#include "platform/Registry.h"

QStringList RegistryKeyNames(const QString &keyPath)
{
    return keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}
