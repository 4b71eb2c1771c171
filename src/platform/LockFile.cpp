#include "platform/LockFile.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

const QString LockFile::fileName = QStringLiteral("Paradox.lck");
const QStringList LockFile::storeLockNames = {
    QStringLiteral("Pdoxusrs.net"), QStringLiteral("Paradox.lck"), QStringLiteral("Pdoxusrs.lck")};

namespace {

// All entries of folder named name in any letter case; the exact name first.
QStringList matchingFiles(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    QStringList result;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System |
                                              QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (entry == name)
            result.prepend(dir.filePath(entry));
        else
            result.append(dir.filePath(entry));
    }
    return result;
}

// Tries to take the lock of fd; true when another open of the file holds it.
// A file system without locks holds nothing, so its files are never in use.
bool heldByOther(int fd)
{
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    return rc != 0 && errno == EWOULDBLOCK;
}

// True when path still names the file open as fd; a holder that deleted
// the file between our open and our lock leaves us with an orphan.
bool stillNamed(int fd, const QByteArray &path)
{
    struct stat opened
    {
    };
    struct stat named
    {
    };
    return ::fstat(fd, &opened) == 0 && ::stat(path.constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

bool LockFile::acquire(const QString &dataFolder)
{
    const QStringList existing = matchingFiles(dataFolder, fileName);
    const QString path =
        existing.isEmpty() ? QDir(dataFolder).filePath(fileName) : existing.first();
    if (m_fd >= 0) {
        if (path == m_filePath)
            return true;
        release();
    }
    const QByteArray encoded = QFile::encodeName(path);
    // A few rounds against someone deleting the file between open and lock.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::open(encoded.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0)
            return false;
        if (heldByOther(fd)) {
            ::close(fd);
            return false;
        }
        if (stillNamed(fd, encoded)) {
            m_fd = fd;
            m_filePath = path;
            return true;
        }
        ::close(fd);
    }
    return false;
}

void LockFile::release()
{
    if (m_fd < 0)
        return;
    const QByteArray encoded = QFile::encodeName(m_filePath);
    // Deleted while still locked, so nobody takes the lock of a file that is
    // about to go.
    if (stillNamed(m_fd, encoded))
        ::unlink(encoded.constData());
    ::close(m_fd);
    m_fd = -1;
    m_filePath.clear();
}

LockState LockFile::probe(const QString &filePath)
{
    const QByteArray encoded = QFile::encodeName(filePath);
    const int fd = ::open(encoded.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? LockState::Absent : LockState::Stale;
    const LockState state = heldByOther(fd) ? LockState::HeldByOther : LockState::Stale;
    ::close(fd); // drops the lock taken for the test
    return state;
}

bool LockFile::removeStale(const QString &dataFolder)
{
    for (const QString &name : storeLockNames) {
        for (const QString &path : matchingFiles(dataFolder, name)) {
            const QByteArray encoded = QFile::encodeName(path);
            const int fd = ::open(encoded.constData(), O_RDONLY | O_CLOEXEC);
            if (fd < 0) {
                if (errno != ENOENT)
                    ::unlink(encoded.constData());
                continue;
            }
            // Deleted while we hold the lock, so a starting instance cannot
            // take it in between.
            if (!heldByOther(fd) && stillNamed(fd, encoded))
                ::unlink(encoded.constData());
            ::close(fd);
        }
    }
    for (const QString &name : storeLockNames) {
        if (!matchingFiles(dataFolder, name).isEmpty())
            return false;
    }
    return true;
}
