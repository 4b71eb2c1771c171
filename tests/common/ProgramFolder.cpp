#include "ProgramFolder.h"

#include "util/LineFile.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString rel = QDir(from).relativeFilePath(src);
        const QString dst = to + '/' + rel;
        if (it.fileInfo().isDir())
            QDir().mkpath(dst);
        else {
            QDir().mkpath(QFileInfo(dst).path());
            QFile::copy(src, dst);
            QFile(dst).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                      QFile::WriteUser);
        }
    }
}

} // namespace

ProgramFolder::ProgramFolder(bool withInstallData)
{
    if (!m_dir.isValid())
        return;
    if (withInstallData)
        copyTree(QStringLiteral(LORVANE_INSTALL_DATA), m_dir.path());
    QDir().mkpath(dataPath());
}

QString ProgramFolder::path() const
{
    return m_dir.path() + '/';
}

QString ProgramFolder::dataPath() const
{
    return path() + QStringLiteral("Data/");
}

QString ProgramFolder::filePath(const QString &relative) const
{
    return path() + relative;
}

void ProgramFolder::writeLines(const QString &relative, const QStringList &lines) const
{
    const QString p = filePath(relative);
    QDir().mkpath(QFileInfo(p).path());
    WriteLineFile(p, lines);
}

void ProgramFolder::writeBytes(const QString &relative, const QByteArray &bytes) const
{
    const QString p = filePath(relative);
    QDir().mkpath(QFileInfo(p).path());
    QFile f(p);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QByteArray ProgramFolder::readBytes(const QString &relative) const
{
    QFile f(filePath(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ProgramFolder::addDatabase(const QString &display, const QString &name) const
{
    for (const char *ext : {".pro", ".cb", ".fil"})
        QFile::copy(dataPath() + QStringLiteral("Database") + QLatin1String(ext),
                    dataPath() + name + QLatin1String(ext));
    writeLines(QStringLiteral("Data/") + name + QStringLiteral(".ini"),
               {QStringLiteral("TABLE        TABELNAME"), QStringLiteral("Table1      |") + name});
    QStringList lines = ReadLineFile(filePath(QStringLiteral("Buttons.ini")));
    lines << display + QStringLiteral("| cddrive.bmp|") + name + QStringLiteral(".ini");
    writeLines(QStringLiteral("Buttons.ini"), lines);
}
