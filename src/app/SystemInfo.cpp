#include "app/SystemInfo.h"

#include "platform/Registry.h"
#include "platform/SpecialFolders.h"
#include "util/Paths.h"

#include <QFile>
#include <QOperatingSystemVersion>

SystemInfo SystemInfo::Compute(SpecialFolders &folders, Registry &registry)
{
    SystemInfo info;
    info.documents = folders.documents();
    info.applicationData = folders.applicationData();
    info.programFiles =
        registry.value(QString::fromLatin1(ProgramFilesKey), QStringLiteral("ProgramFilesDir"));
    // Off Windows nobody writes that registry value; the shell's folder
    // stands in so that checks below it look in a real place.
    if (info.programFiles.isEmpty())
        info.programFiles = folders.programFiles();
    info.addressBookFile = registry.value(QString::fromLatin1(AddressBookKey));
    return info;
}

bool IsVistaOrLater()
{
#ifdef Q_OS_WIN
    return QOperatingSystemVersion::current().majorVersion() > 5;
#else
    return true;
#endif
}

bool WindowsLiveMailInstalled(const QString &programFilesFolder)
{
    if (programFilesFolder.isEmpty())
        return false;
    return QFile::exists(EnsureTrailingBackslash(programFilesFolder) +
                         QStringLiteral("Windows Live/Mail/wlmail.exe"));
}
