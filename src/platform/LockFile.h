#pragma once

#include <QString>
#include <QStringList>

enum class LockState {
    Absent,     // no such file
    Stale,      // the file exists and nobody holds its lock
    HeldByOther // another open of the file holds the lock
};

// The table store's lock file "Paradox.lck" in the Data folder, held with an
// OS file lock while tables are open.
//
// The lock is flock(2): it belongs to the open file, not to the process, so a
// probe or a second LockFile in the same process sees it held, and closing
// some other descriptor of the file does not drop it (both would be wrong
// with fcntl record locks). On NFS, Linux maps flock onto record locks; then
// only other processes see the lock.
class LockFile
{
public:
    static const QString fileName; // "Paradox.lck"

    LockFile() = default;
    ~LockFile() { release(); }
    LockFile(const LockFile &) = delete;
    LockFile &operator=(const LockFile &) = delete;

    // Opens or creates the lock file in dataFolder (an existing one is found
    // whatever its letter case) and takes its lock. False when someone else
    // holds it or the file cannot be created. Acquiring the folder already
    // held is a no-op; another folder releases the first one.
    bool acquire(const QString &dataFolder);
    // Deletes the file and drops the lock.
    void release();
    bool isHeld() const { return m_fd >= 0; }
    QString filePath() const { return m_filePath; }

    // A file that cannot even be opened for the test counts as stale: no
    // lock on it is visible, and deleting it is what start-up does with it.
    static LockState probe(const QString &filePath);

    // The start-up check: each of "Pdoxusrs.net", "Paradox.lck" and
    // "Pdoxusrs.lck" in dataFolder (in any letter case) that nobody holds is
    // deleted. True when none of them exists afterwards.
    static bool removeStale(const QString &dataFolder);
    static const QStringList storeLockNames;

private:
    int m_fd = -1;
    QString m_filePath;
};
