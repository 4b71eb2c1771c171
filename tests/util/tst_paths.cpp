#include "util/Paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPaths : public QObject
{
    Q_OBJECT

private slots:
    void folderPart_data();
    void folderPart();
    void ensureTrailingBackslash_data();
    void ensureTrailingBackslash();
    void findFileNoCase_data();
    void findFileNoCase();
};

void TestPaths::folderPart_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    // EnsureTrailingBackslash(FolderPart(path)): how the program folder is built.
    QTest::addColumn<QString>("programFolder");

    QTest::newRow("no delimiter") << "Programm.exe"
                                  << ""
                                  << "";
    QTest::newRow("delimiter first") << "\\x"
                                     << "\\"
                                     << "\\";
    QTest::newRow("drive root") << "C:\\x"
                                << "C:\\"
                                << "C:\\";
    QTest::newRow("nested") << "C:\\Programme\\X\\Programm.exe"
                            << "C:\\Programme\\X"
                            << "C:\\Programme\\X\\";
    QTest::newRow("drive relative") << "C:x"
                                    << "C:"
                                    << "C:\\";
    QTest::newRow("trailing backslash") << "C:\\Data\\"
                                        << "C:\\Data"
                                        << "C:\\Data\\";
    QTest::newRow("colon after folder") << "a\\b:c"
                                        << "a\\b:"
                                        << "a\\b:\\";
    QTest::newRow("char 0") << QStringLiteral("ab") + QChar(0) + u'c'
                            << QStringLiteral("ab") + QChar(0)
                            << QStringLiteral("ab") + QChar(0) + u'\\';
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("posix") << "/opt/Lorvane/Lorvane"
                           << "/opt/Lorvane"
                           << "/opt/Lorvane/";
    QTest::newRow("posix root") << "/Lorvane"
                                << "/"
                                << "/";
    QTest::newRow("slash after drive") << "C:/x"
                                       << "C:/"
                                       << "C:/";
    QTest::newRow("mixed") << "C:\\a/b"
                           << "C:\\a"
                           << "C:\\a\\";
}

void TestPaths::folderPart()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(QString, programFolder);
    QCOMPARE(FolderPart(path), folder);
    QCOMPARE(EnsureTrailingBackslash(FolderPart(path)), programFolder);
}

void TestPaths::ensureTrailingBackslash_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("short stays") << "ab"
                                 << "ab";
    QTest::newRow("short backslash stays") << "\\x"
                                           << "\\x";
    QTest::newRow("drive") << "C:"
                           << "C:\\";
    QTest::newRow("already ends") << "C:\\Data\\"
                                  << "C:\\Data\\";
    QTest::newRow("appended") << "C:\\Data"
                              << "C:\\Data\\";
    QTest::newRow("three chars") << "abc"
                                 << "abc\\";
    QTest::newRow("posix") << "/home/x"
                           << "/home/x/";
    QTest::newRow("posix ends") << "/home/x/"
                                << "/home/x/";
    QTest::newRow("posix root") << "/"
                                << "/";
    QTest::newRow("posix short") << "/a"
                                 << "/a/";
    QTest::newRow("posix relative") << "a/b"
                                    << "a/b/";
    QTest::newRow("mixed ends in slash") << "C:\\Data/"
                                         << "C:\\Data/";
    QTest::newRow("mixed gets backslash") << "C:\\a/b"
                                          << "C:\\a/b\\";
}

void TestPaths::ensureTrailingBackslash()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(EnsureTrailingBackslash(path), expected);
}

void TestPaths::findFileNoCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected"); // entry name below the folder

    QTest::newRow("exact") << "Buttons.ini"
                           << "Buttons.ini";
    QTest::newRow("lower") << "buttons.ini"
                           << "Buttons.ini";
    QTest::newRow("upper") << "BUTTONS.INI"
                           << "Buttons.ini";
    QTest::newRow("exact wins over other case") << "adressen.db"
                                                << "adressen.db";
    QTest::newRow("exact wins, other spelling") << "Adressen.DB"
                                                << "Adressen.DB";
    QTest::newRow("umlaut") << "MÜLLER.PRO"
                            << "Müller.pro";
    QTest::newRow("folder entry") << "images"
                                  << "Images";
    QTest::newRow("missing") << "Neu.ini"
                             << "Neu.ini";
}

void TestPaths::findFileNoCase()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const char *file : {"Buttons.ini", "Adressen.DB", "adressen.db", "Müller.pro"}) {
        QFile f(dir.filePath(QString::fromUtf8(file)));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Images")));

    const QString folder = dir.path();
    QCOMPARE(FindFileNoCase(folder, name), folder + u'/' + expected);
    QCOMPARE(FindFileNoCase(folder + u'/', name), folder + u'/' + expected);
}

QTEST_APPLESS_MAIN(TestPaths)
#include "tst_paths.moc"
