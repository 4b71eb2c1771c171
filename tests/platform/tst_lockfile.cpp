#include "platform/LockFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

// Run with this variable set, the test executable becomes a second instance
// that holds the lock of the folder named by it until its stdin closes.
const char holderVariable[] = "LORVANE_TEST_HOLD_LOCK";

int holdLock(const QString &dataFolder)
{
    LockFile lock;
    if (!lock.acquire(dataFolder)) {
        std::puts("busy");
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class TestLockFile : public QObject
{
    Q_OBJECT

private slots:
    void acquireHoldsAgainstEveryOtherOpen();
    void acquireTakesOverStaleFileOfAnyCase();
    void lockOfAnotherProcess();
    void removeStale_data();
    void removeStale();
};

void TestLockFile::acquireHoldsAgainstEveryOtherOpen()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Paradox.lck"));
    LockFile lock;
    QVERIFY(lock.acquire(dir.path()));
    QVERIFY(lock.isHeld());
    QCOMPARE(lock.filePath(), path);
    QVERIFY(QFile::exists(path));

    // The lock belongs to the open file, so the same process sees it too,
    // and the probe's own open and close must not drop it.
    QCOMPARE(LockFile::probe(path), LockState::HeldByOther);
    QCOMPARE(LockFile::probe(path), LockState::HeldByOther);
    LockFile second;
    QVERIFY(!second.acquire(dir.path()));
    QVERIFY(!second.isHeld());
    QVERIFY(!LockFile::removeStale(dir.path()));
    QVERIFY(QFile::exists(path));

    lock.release();
    QVERIFY(!lock.isHeld());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(LockFile::probe(path), LockState::Absent);
    QVERIFY(second.acquire(dir.path()));
}

void TestLockFile::acquireTakesOverStaleFileOfAnyCase()
{
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("PARADOX.LCK")));
    {
        LockFile lock;
        QVERIFY(lock.acquire(dir.path() + QLatin1Char('/')));
        QCOMPARE(QDir(lock.filePath()).dirName(), QStringLiteral("PARADOX.LCK"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"PARADOX.LCK"});
    } // released by the destructor
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

void TestLockFile::lockOfAnotherProcess()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Paradox.lck"));
    QProcess holder;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(holderVariable), dir.path());
    holder.setProcessEnvironment(env);
    holder.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(holder.waitForStarted());
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("held"));

    QCOMPARE(LockFile::probe(path), LockState::HeldByOther);
    LockFile lock;
    QVERIFY(!lock.acquire(dir.path()));
    // The stale neighbour goes, the held file stays and counts.
    touch(dir.filePath(QStringLiteral("Pdoxusrs.net")));
    QVERIFY(!LockFile::removeStale(dir.path()));
    QVERIFY(QFile::exists(path));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Pdoxusrs.net"))));

    // A crashed instance leaves its file behind, but no lock.
    holder.kill();
    QVERIFY(holder.waitForFinished());
    QVERIFY(QFile::exists(path));
    QCOMPARE(LockFile::probe(path), LockState::Stale);
    QVERIFY(LockFile::removeStale(dir.path()));
    QVERIFY(!QFile::exists(path));
}

void TestLockFile::removeStale_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("remaining");

    QTest::newRow("none") << QStringList{} << QStringList{};
    QTest::newRow("all three") << QStringList{"Pdoxusrs.net", "Paradox.lck", "Pdoxusrs.lck"}
                               << QStringList{};
    QTest::newRow("other letter case")
        << QStringList{"PDOXUSRS.NET", "paradox.lck", "pdoxUsrs.LCK"} << QStringList{};
    QTest::newRow("both spellings") << QStringList{"Paradox.lck", "PARADOX.LCK"} << QStringList{};
    QTest::newRow("tables stay") << QStringList{"Database.DB", "Paradox.lck.bak", "Pdoxusrs.net",
                                                "Database.ini"}
                                 << QStringList{"Database.DB", "Database.ini", "Paradox.lck.bak"};
}

void TestLockFile::removeStale()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, remaining);
    QTemporaryDir dir;
    for (const QString &name : files)
        touch(dir.filePath(name));
    QVERIFY(LockFile::removeStale(dir.path()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), remaining);
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(holderVariable))
        return holdLock(qEnvironmentVariable(holderVariable));
    QCoreApplication app(argc, argv);
    TestLockFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_lockfile.moc"
