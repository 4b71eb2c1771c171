#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A throw-away program folder: a temporary directory holding a copy of the
// installation data, so every test starts from the shipped state.
class ProgramFolder
{
public:
    // withInstallData = false gives an empty folder with an empty Data/ below it.
    explicit ProgramFolder(bool withInstallData = true);

    bool isValid() const { return m_dir.isValid(); }
    QString path() const;     // ends with '/'
    QString dataPath() const; // ends with '/'
    QString filePath(const QString &relative) const;

    // Writes lines as Windows-1252 with CR LF, creating folders as needed.
    void writeLines(const QString &relative, const QStringList &lines) const;
    void writeBytes(const QString &relative, const QByteArray &bytes) const;
    QByteArray readBytes(const QString &relative) const;

    // Adds a database "name" to the catalogue under the display name, with a
    // descriptor and copies of the stock database's ".pro", ".cb" and ".fil".
    void addDatabase(const QString &display, const QString &name) const;

private:
    QTemporaryDir m_dir;
};
