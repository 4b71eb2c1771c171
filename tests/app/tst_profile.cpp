#include "ProgramFolder.h"
#include "app/AppFolders.h"
#include "app/ProductProfile.h"
#include "app/SystemInfo.h"
#include "platform/ScriptedPlatform.h"

#include <QDir>
#include <QtTest>

class ProfileTest : public QObject
{
    Q_OBJECT

private slots:
    void editionFromFileName_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("edition");
        QTest::newRow("plain name") << "Lorvane"
                                    << "SB";
        QTest::newRow("link with underscore") << "Lorvane_DB"
                                              << "DB";
        QTest::newRow("full path") << "/opt/lorvane/Lorvane_DB"
                                   << "DB";
        QTest::newRow("underscore only in folder") << "/opt/my_programs/Lorvane"
                                                   << "SB";
        QTest::newRow("windows folder") << "C:\\Prog_ramme\\Lorvane.exe"
                                        << "SB";
        QTest::newRow("windows name") << "C:\\Programme\\Lorvane_DB.exe"
                                      << "DB";
        QTest::newRow("underscore in extension") << "./Lorvane.e_x"
                                                 << "DB";
        QTest::newRow("lower case") << "lorvane_db"
                                    << "DB";
        QTest::newRow("trailing underscore") << "Lorvane_"
                                             << "DB";
        QTest::newRow("empty") << ""
                               << "SB";
    }

    void editionFromFileName()
    {
        QFETCH(QString, executable);
        QFETCH(QString, edition);
        QCOMPARE(EditionOf(executable), edition);
    }

    void profileOfEachEdition_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("about");
        QTest::addColumn<QString>("wizard");
        QTest::newRow("database") << "Lorvane_DB"
                                  << "Lorvane Datenbank"
                                  << "v_head.jpg"
                                  << "v_about.jpg"
                                  << "v_wizard.jpg";
        QTest::newRow("form letters") << "Lorvane"
                                      << "Lorvane Serienbrief"
                                      << "v_head1.jpg"
                                      << "v_about1.jpg"
                                      << "v_wizard1.jpg";
    }

    void profileOfEachEdition()
    {
        QFETCH(QString, executable);
        ProgramFolder folder;
        folder.writeLines(QStringLiteral("ver.ini"),
                          {QStringLiteral(" 2.4.1 "), QStringLiteral("x")});
        const ProductProfile p = ProductProfile::Compute(executable, folder.path());
        QTEST(p.title, "title");
        QTEST(p.headerPicture, "header");
        QTEST(p.aboutPicture, "about");
        QTEST(p.wizardPicture, "wizard");
        QCOMPARE(p.version, QStringLiteral("2.4.1"));
        QCOMPARE(p.helpPage, QStringLiteral("help.html"));
        // Every picture of the profile is installed.
        for (const QString &picture : {p.headerPicture, p.aboutPicture, p.wizardPicture})
            QVERIFY2(QFile::exists(folder.filePath(QStringLiteral("recomSB/") + picture)),
                     qPrintable(picture));
        QVERIFY(p.productPage.startsWith(QStringLiteral("https://")));
    }

    void missingVersionFileGivesNoVersion()
    {
        ProgramFolder folder(false);
        QCOMPARE(ProductProfile::Compute(QStringLiteral("Lorvane"), folder.path()).version,
                 QString());
    }

    void foldersEndInSeparator()
    {
        ScriptedPlatform scripted;
        const SystemInfo system = SystemInfo::Compute(scripted.folders(), scripted.registry());
        const AppFolders f = AppFolders::Compute(QStringLiteral("/opt/lorvane"), system);
        QCOMPARE(f.programFolder, QStringLiteral("/opt/lorvane/"));
        QCOMPARE(f.dataFolder, QStringLiteral("/opt/lorvane/Data/"));
        QCOMPARE(f.imagesFolder, QStringLiteral("/opt/lorvane/Images/"));
        QCOMPARE(f.pictureFolder, QStringLiteral("/opt/lorvane/recomSB/"));
        QCOMPARE(f.helpFolder, QStringLiteral("/opt/lorvane/helpSB/"));
        QCOMPARE(f.userDataFolder,
                 scripted.folders().applicationData() + QStringLiteral("/VARNHOLT/Lorvane/"));
        QCOMPARE(f.lettersFolder,
                 scripted.folders().documents() + QStringLiteral("/Lorvane Serienbrief/"));
        QCOMPARE(ProgramFolderOf(QStringLiteral("/opt/lorvane")), QStringLiteral("/opt/lorvane/"));

        // Without a documents folder there is no letters folder, rather than
        // one relative to wherever the program happens to run.
        SystemInfo none;
        QCOMPARE(AppFolders::Compute(QStringLiteral("/opt/lorvane/"), none).lettersFolder,
                 QString());
    }

    void systemInformationFromRegistry()
    {
        ScriptedPlatform scripted;
        SystemInfo info = SystemInfo::Compute(scripted.folders(), scripted.registry());
        QCOMPARE(info.addressBookFile, QString());
        QCOMPARE(info.programFiles, scripted.folders().programFiles());

        scripted.registry().setValue(QString::fromLatin1(ProgramFilesKey),
                                     QStringLiteral("ProgramFilesDir"),
                                     QStringLiteral("C:\\Programme"));
        scripted.registry().setValue(QString::fromLatin1(AddressBookKey), QString(),
                                     QStringLiteral("C:\\Users\\x\\Adressen.wab"));
        info = SystemInfo::Compute(scripted.folders(), scripted.registry());
        QCOMPARE(info.programFiles, QStringLiteral("C:\\Programme"));
        QCOMPARE(info.addressBookFile, QStringLiteral("C:\\Users\\x\\Adressen.wab"));
        QCOMPARE(info.documents, scripted.folders().documents());
        QCOMPARE(info.applicationData, scripted.folders().applicationData());
    }

    void windowsLiveMailBelowProgramFiles()
    {
        ScriptedPlatform scripted;
        const QString programs = scripted.folders().programFiles();
        QVERIFY(!WindowsLiveMailInstalled(programs));
        QVERIFY(!WindowsLiveMailInstalled(QString()));
        QDir().mkpath(programs + QStringLiteral("/Windows Live/Mail"));
        QFile exe(programs + QStringLiteral("/Windows Live/Mail/wlmail.exe"));
        QVERIFY(exe.open(QIODevice::WriteOnly));
        exe.close();
        QVERIFY(WindowsLiveMailInstalled(programs));
    }
};

QTEST_GUILESS_MAIN(ProfileTest)
#include "tst_profile.moc"
