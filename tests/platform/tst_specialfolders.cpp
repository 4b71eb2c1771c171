#include "platform/ScriptedPlatform.h"
#include "platform/SystemSpecialFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

class TestSpecialFolders : public QObject
{
    Q_OBJECT

private slots:
    void temp_data();
    void temp();
    void noTrailingSeparator();
    void scriptedFoldersExist();
};

void TestSpecialFolders::temp_data()
{
    QTest::addColumn<bool>("set");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");

    const QString system = QDir::tempPath();
    QTest::newRow("set") << true << QStringLiteral("/var/tmp/lorvane")
                         << QStringLiteral("/var/tmp/lorvane");
    QTest::newRow("trailing separators")
        << true << QStringLiteral("/var/tmp/lorvane//") << QStringLiteral("/var/tmp/lorvane");
    QTest::newRow("empty") << true << QString() << system;
    QTest::newRow("unset") << false << QString() << system;
}

void TestSpecialFolders::temp()
{
    QFETCH(bool, set);
    QFETCH(QString, value);
    QFETCH(QString, expected);

    const QByteArray saved = qgetenv("TEMP");
    const bool wasSet = qEnvironmentVariableIsSet("TEMP");
    if (set)
        qputenv("TEMP", value.toLocal8Bit());
    else
        qunsetenv("TEMP");
    const QString result = SystemSpecialFolders().temp();
    if (wasSet)
        qputenv("TEMP", saved);
    else
        qunsetenv("TEMP");
    QCOMPARE(result, expected);
}

void TestSpecialFolders::noTrailingSeparator()
{
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", QByteArray("/tmp/lorvane-home/"));
    SystemSpecialFolders folders;
    const QStringList paths = {folders.documents(), folders.applicationData(), folders.home(),
                               folders.programFiles(), folders.temp()};
    qputenv("HOME", savedHome);
    QCOMPARE(paths[2], QStringLiteral("/tmp/lorvane-home"));
    for (const QString &path : paths) {
        QVERIFY2(!path.isEmpty(), qPrintable(path));
        QVERIFY2(path == QLatin1String("/") || !path.endsWith(QLatin1Char('/')), qPrintable(path));
    }
}

void TestSpecialFolders::scriptedFoldersExist()
{
    ScriptedPlatform fake;
    SpecialFolders &folders = fake.platform().folders;
    for (const QString &path : {folders.documents(), folders.applicationData(), folders.home(),
                                folders.programFiles(), folders.temp()}) {
        QVERIFY2(path.startsWith(fake.rootPath() + QLatin1Char('/')), qPrintable(path));
        QVERIFY2(QFileInfo(path).isDir() && QDir(path).isEmpty(), qPrintable(path));
    }
}

QTEST_GUILESS_MAIN(TestSpecialFolders)
#include "tst_specialfolders.moc"
