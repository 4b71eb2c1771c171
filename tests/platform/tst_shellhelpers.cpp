#include "platform/MemoryRegistry.h"
#include "platform/ScriptedShell.h"
#include "util/ShellHelpers.h"

#include <QTest>

namespace {

// Calls as "target|parameters".
QStringList callTexts(const ScriptedShell &shell)
{
    QStringList result;
    for (const ScriptedShell::Call &call : shell.calls())
        result << call.target + QLatin1Char('|') + call.parameters;
    return result;
}

void prepare(ScriptedShell &shell, MemoryRegistry &registry, bool registered,
             const QString &command, const QList<bool> &results)
{
    if (registered)
        QVERIFY(registry.setValue(QString::fromLatin1(BrowserCommandKey), {}, command));
    for (bool result : results)
        shell.queueResult(result);
    shell.setDefaultResult(false);
}

const QString firefox =
    QStringLiteral("\"C:\\Programme\\Mozilla Firefox\\firefox.exe\" -osint -url \"%1\"");

} // namespace

class TestShellHelpers : public QObject
{
    Q_OBJECT

private slots:
    void openInBrowser_data();
    void openInBrowser();
    void openLocalPage_data();
    void openLocalPage();
};

void TestShellHelpers::openInBrowser_data()
{
    QTest::addColumn<bool>("registered");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QList<bool>>("results");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("opened");

    const QString url = QStringLiteral("https://www.example.de/");
    const QString browser = QStringLiteral("C:\\Programme\\Mozilla Firefox\\firefox.exe");
    QTest::newRow("quoted browser")
        << true << firefox << QList<bool>{true} << QStringList{browser + "|" + url} << true;
    QTest::newRow("unquoted: whole value")
        << true << QStringLiteral("/usr/bin/firefox %u") << QList<bool>{true}
        << QStringList{"/usr/bin/firefox %u|" + url} << true;
    QTest::newRow("single quote: whole value")
        << true << QStringLiteral("\"/usr/bin/firefox %u") << QList<bool>{true}
        << QStringList{"\"/usr/bin/firefox %u|" + url} << true;
    QTest::newRow("text around the quotes")
        << true << QStringLiteral("start \"/opt/web/browser\" \"%1\"") << QList<bool>{true}
        << QStringList{"/opt/web/browser|" + url} << true;
    QTest::newRow("browser fails: the address itself")
        << true << firefox << QList<bool>{false, true}
        << QStringList{browser + "|" + url, url + "|"} << true;
    QTest::newRow("both fail") << true << firefox << QList<bool>{false, false}
                               << QStringList{browser + "|" + url, url + "|"} << false;
    QTest::newRow("missing key") << false << QString() << QList<bool>{true}
                                 << QStringList{url + "|"} << true;
    QTest::newRow("empty quotes") << true << QStringLiteral("\"\" %1") << QList<bool>{true}
                                  << QStringList{url + "|"} << true;
}

void TestShellHelpers::openInBrowser()
{
    QFETCH(bool, registered);
    QFETCH(QString, command);
    QFETCH(QList<bool>, results);
    QFETCH(QStringList, calls);
    QFETCH(bool, opened);

    ScriptedShell shell;
    MemoryRegistry registry;
    prepare(shell, registry, registered, command, results);
    QCOMPARE(OpenInBrowser(shell, registry, QStringLiteral("https://www.example.de/")), opened);
    QCOMPARE(callTexts(shell), calls);
}

void TestShellHelpers::openLocalPage_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("registered");
    QTest::addColumn<QList<bool>>("results");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("opened");

    const QString page = QStringLiteral("/opt/Lorvane/helpSB/Hilfe Seite.html");
    const QString browser = QStringLiteral("C:\\Programme\\Mozilla Firefox\\firefox.exe");
    const QString address = QStringLiteral("\"file:///opt/Lorvane/helpSB/Hilfe Seite.html");
    QTest::newRow("shell opens the page")
        << page << true << QList<bool>{true} << QStringList{page + "|"} << true;
    QTest::newRow("page fails: browser gets the file address")
        << page << true << QList<bool>{false, true}
        << QStringList{page + "|", browser + "|" + address} << true;
    QTest::newRow("browser fails too: the address itself")
        << page << true << QList<bool>{false, false, true}
        << QStringList{page + "|", browser + "|" + address, address + "|"} << true;
    QTest::newRow("nothing opens")
        << page << true << QList<bool>{false, false, false}
        << QStringList{page + "|", browser + "|" + address, address + "|"} << false;
    QTest::newRow("no browser registered") << page << false << QList<bool>{false, true}
                                           << QStringList{page + "|", address + "|"} << true;
    QTest::newRow("drive path") << QStringLiteral("C:\\Lorvane\\helpSB\\help.html") << true
                                << QList<bool>{false, true}
                                << QStringList{"C:\\Lorvane\\helpSB\\help.html|",
                                               browser +
                                                   "|\"file:///C:\\Lorvane\\helpSB\\help.html"}
                                << true;
}

void TestShellHelpers::openLocalPage()
{
    QFETCH(QString, path);
    QFETCH(bool, registered);
    QFETCH(QList<bool>, results);
    QFETCH(QStringList, calls);
    QFETCH(bool, opened);

    ScriptedShell shell;
    MemoryRegistry registry;
    prepare(shell, registry, registered, firefox, results);
    QCOMPARE(OpenLocalPage(shell, registry, path), opened);
    QCOMPARE(callTexts(shell), calls);
}

QTEST_GUILESS_MAIN(TestShellHelpers)
#include "tst_shellhelpers.moc"
