#include "letters/SerialMail.h"

#include "platform/Registry.h"
#include "util/Paths.h"

QString FindSerialMailProgram(Registry &registry)
{
    const struct
    {
        const char *key;
        const char *program;
    } candidates[] = {{SerialMailKey, "SENDORA.EXE"}, {SerialMailClientKey, "SENDORA_CLIENT.EXE"}};
    for (const auto &candidate : candidates) {
        const QString folder =
            registry.value(QString::fromLatin1(candidate.key), QStringLiteral("InstallLocation"));
        if (!folder.isEmpty())
            return EnsureTrailingBackslash(folder) + QString::fromLatin1(candidate.program);
    }
    return {};
}
