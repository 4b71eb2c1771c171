#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace {

// An executable file is a program unless its name says it is a document (a
// ".doc" on a disk that marks every file executable is still a document).
bool isProgram(const QFileInfo &info)
{
    if (!info.isFile() || !info.isExecutable())
        return false;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    return type.isDefault() || type.inherits(QStringLiteral("application/x-executable")) ||
           type.inherits(QStringLiteral("application/x-sharedlib"));
}

bool startProgram(const QString &program, const QString &parameters)
{
    return QProcess::startDetached(program, QProcess::splitCommand(parameters));
}

} // namespace

bool DesktopShell::open(const QString &target, const QString &parameters)
{
    QString t = target.trimmed();
    if (t.startsWith(QLatin1Char('"'))) {
        t.remove(0, 1);
        if (t.endsWith(QLatin1Char('"')))
            t.chop(1);
        t = t.trimmed();
    }
    if (t.isEmpty())
        return false;

    // Two letters at least, so that a drive letter ("C:") is no scheme.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(t).hasMatch()) {
        const QUrl url(t);
        if (!url.isValid())
            return false;
        if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
            return false;
        return QDesktopServices::openUrl(url);
    }
    if (t.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QDesktopServices::openUrl(QUrl::fromUserInput(t));

    if (t == QLatin1String("~") || t.startsWith(QLatin1String("~/")))
        t.replace(0, 1, QDir::homePath());
    const QFileInfo info(t);
    if (info.exists()) {
        if (isProgram(info))
            return startProgram(info.absoluteFilePath(), parameters);
        return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
    }
    if (!t.contains(QLatin1Char('/'))) {
        const QString program = QStandardPaths::findExecutable(t);
        if (!program.isEmpty())
            return startProgram(program, parameters);
    }
    return false;
}
