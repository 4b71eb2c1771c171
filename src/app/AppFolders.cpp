#include "app/AppFolders.h"

#include "app/SystemInfo.h"
#include "util/Paths.h"

#include <QDir>

namespace {

// base + the sub folders, each closed by the separator; "" when base is "".
QString below(const QString &base, std::initializer_list<const char *> subFolders)
{
    if (base.isEmpty())
        return {};
    QString path = EnsureTrailingBackslash(base);
    for (const char *sub : subFolders)
        path += QString::fromUtf8(sub) + QDir::separator();
    return path;
}

} // namespace

QString ProgramFolderOf(const QString &applicationDir)
{
    return EnsureTrailingBackslash(QDir::toNativeSeparators(applicationDir));
}

AppFolders AppFolders::Compute(const QString &programFolder, const SystemInfo &system)
{
    AppFolders f;
    f.programFolder = EnsureTrailingBackslash(programFolder);
    f.dataFolder = below(f.programFolder, {"Data"});
    f.imagesFolder = below(f.programFolder, {"Images"});
    f.pictureFolder = below(f.programFolder, {"recomSB"});
    f.helpFolder = below(f.programFolder, {"helpSB"});
    f.userDataFolder = below(system.applicationData, {"VARNHOLT", "Lorvane"});
    f.lettersFolder = below(system.documents, {"Lorvane Serienbrief"});
    return f;
}
