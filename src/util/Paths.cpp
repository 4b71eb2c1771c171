#include "Paths.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool isSeparator(QChar c)
{
    return c == u'\\' || c == u'/';
}

bool isPathDelimiter(QChar c)
{
    return isSeparator(c) || c == u':' || c == QChar(0);
}

} // namespace

QString FolderPart(const QString &path)
{
    qsizetype i = path.size() - 1;
    while (i >= 0 && !isPathDelimiter(path.at(i)))
        --i;
    if (i < 0)
        return QString();
    if (i == 0)
        return path.left(1);
    if (isSeparator(path.at(i)) && path.at(i - 1) != u':')
        return path.left(i);
    return path.left(i + 1);
}

QString EnsureTrailingBackslash(const QString &path)
{
    if (path.isEmpty())
        return path;
    if (path.contains(u'/') && !path.contains(u'\\'))
        return path.endsWith(u'/') ? path : path + u'/';
    if (path.size() == 2 && path.at(1) == u':')
        return path + u'\\';
    if (path.size() < 3 || isSeparator(path.back()))
        return path;
    return path + u'\\';
}

QString FindFileNoCase(const QString &folder, const QString &name)
{
    QString base = folder;
    if (!base.isEmpty() && !isSeparator(base.back()))
        base += u'/';
    const QString exact = base + name;
    if (name.isEmpty() || QFileInfo::exists(exact))
        return exact;

    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QStringList entries = dir.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return base + entry;
    }
    return exact;
}
