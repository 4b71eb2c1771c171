#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

// Stands in for the desktop: receives what would go to xdg-open.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void openUrl(const QUrl &url) { urls << url; }
};

class TestDesktopShell : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void documentsAndAddresses_data();
    void documentsAndAddresses();
    void programsStartWithParameters_data();
    void programsStartWithParameters();

private:
    QString expand(QString text) const
    {
        return text.replace(QLatin1String("%DIR%"), m_dir->path());
    }

    const QStringList m_schemes{"http", "https", "mailto", "file"};
    UrlCatcher m_catcher;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestDesktopShell::init()
{
    for (const QString &scheme : m_schemes)
        QDesktopServices::setUrlHandler(scheme, &m_catcher, "openUrl");
    m_catcher.urls.clear();
    m_dir = std::make_unique<QTemporaryDir>();
    QFile page(m_dir->filePath(QStringLiteral("Hilfe Seite.html")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.close();
    // A document on a disk that marks every file executable.
    QFile letter(m_dir->filePath(QStringLiteral("Brief.doc")));
    QVERIFY(letter.open(QIODevice::WriteOnly));
    letter.write("#!/bin/sh\ntouch \"$(dirname \"$0\")/ausgefuehrt\"\n");
    letter.close();
    letter.setPermissions(letter.permissions() | QFile::ExeOwner | QFile::ExeUser);
}

void TestDesktopShell::cleanup()
{
    for (const QString &scheme : m_schemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

void TestDesktopShell::documentsAndAddresses_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("url"); // "" = nothing opened, open() fails

    QTest::newRow("web address") << "https://www.example.de/seite?x=1"
                                 << "https://www.example.de/seite?x=1";
    QTest::newRow("mail address") << "mailto:info@example.de?subject=Hallo"
                                  << "mailto:info@example.de?subject=Hallo";
    QTest::newRow("www without scheme") << "www.example.de"
                                        << "http://www.example.de";
    QTest::newRow("document") << "%DIR%/Hilfe Seite.html"
                              << "file://%DIR%/Hilfe Seite.html";
    QTest::newRow("quoted document") << "\"%DIR%/Hilfe Seite.html\""
                                     << "file://%DIR%/Hilfe Seite.html";
    QTest::newRow("file address with opening quote") << "\"file://%DIR%/Hilfe Seite.html"
                                                     << "file://%DIR%/Hilfe Seite.html";
    QTest::newRow("executable document") << "%DIR%/Brief.doc"
                                         << "file://%DIR%/Brief.doc";
    QTest::newRow("folder") << "%DIR%"
                            << "file://%DIR%";
    QTest::newRow("missing document") << "%DIR%/fehlt.html"
                                      << "";
    QTest::newRow("missing file address") << "file://%DIR%/fehlt.html"
                                          << "";
    QTest::newRow("drive path") << "C:\\Lorvane\\help.html"
                                << "";
    QTest::newRow("unknown program") << "kein-solches-programm-lorvane"
                                     << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestDesktopShell::documentsAndAddresses()
{
    QFETCH(QString, target);
    QFETCH(QString, url);
    DesktopShell shell;
    const bool opened = shell.open(expand(target), QStringLiteral("--ignoriert"));
    QCOMPARE(opened, !url.isEmpty());
    if (url.isEmpty()) {
        QVERIFY(m_catcher.urls.isEmpty());
    } else {
        QCOMPARE(m_catcher.urls.size(), 1);
        QCOMPARE(m_catcher.urls.first(), QUrl(expand(url)));
    }
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("ausgefuehrt"))));
}

void TestDesktopShell::programsStartWithParameters_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("path") << "/bin/sh";
    QTest::newRow("search path") << "sh";
    QTest::newRow("quoted path") << "\"/bin/sh\"";
}

void TestDesktopShell::programsStartWithParameters()
{
    QFETCH(QString, program);
    const QString out = m_dir->filePath(QStringLiteral("aus gabe.txt"));
    DesktopShell shell;
    // Triple quotes are a literal quote in a command line.
    QVERIFY(shell.open(program,
                       QStringLiteral("-c \"echo gestartet > \"\"\"$0\"\"\"\" \"%1\"").arg(out)));
    auto content = [&out] {
        QFile file(out);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QTRY_COMPARE(content(), QByteArray("gestartet\n"));
    QVERIFY(m_catcher.urls.isEmpty());
}

QTEST_MAIN(TestDesktopShell)
#include "tst_desktopshell.moc"
