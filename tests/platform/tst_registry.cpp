#include "platform/IniRegistry.h"
#include "platform/MemoryRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString browserKey = QStringLiteral("HKEY_CLASSES_ROOT\\http\\shell\\open\\command");
const QString versionKey =
    QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion");
const QString mimeKey = QStringLiteral("HKEY_CLASSES_ROOT\\MIME\\Database\\Content Type");

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

class TestRegistry : public QObject
{
    Q_OBJECT

private slots:
    void valuesKeysAndNames_data();
    void valuesKeysAndNames();
    void iniFileUnwritable();
};

void TestRegistry::valuesKeysAndNames_data()
{
    QTest::addColumn<QString>("backend");
    QTest::newRow("ini file") << QStringLiteral("ini");
    QTest::newRow("memory double") << QStringLiteral("memory");
}

// The double must keep the rules of the real adapter; the INI file is read
// back by a fresh instance, so everything has gone through the file.
void TestRegistry::valuesKeysAndNames()
{
    QFETCH(QString, backend);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("config/Lorvane/registry.ini"));
    std::unique_ptr<Registry> writer;
    if (backend == QLatin1String("ini"))
        writer = std::make_unique<IniRegistry>(file);
    else
        writer = std::make_unique<MemoryRegistry>();

    const QString command = QStringLiteral("\"C:\\Programme\\Browser\\browser.exe\" -url \"%1\"");
    const QString tricky = QStringLiteral("@Wert, mit Komma; \"Anführung\" \\ und %20 äöüß");
    QVERIFY(writer->setValue(browserKey, {}, command));
    QVERIFY(writer->setValue(browserKey, QStringLiteral("@"), QStringLiteral("kein Standardwert")));
    QVERIFY(writer->setValue(versionKey, QStringLiteral("ProgramFilesDir"),
                             QStringLiteral("C:\\Programme")));
    QVERIFY(writer->setValue(versionKey, QStringLiteral("a/b\\c%41"), tricky));
    QVERIFY(writer->setValue(versionKey, QStringLiteral("Leer"), QString()));
    QVERIFY(writer->setValue(mimeKey + QStringLiteral("\\text/html"), QStringLiteral("Extension"),
                             QStringLiteral(".htm")));
    QVERIFY(writer->setValue(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Wab\\Wab4\\Wab File Name"), {},
        QStringLiteral("/home/anna/Adressen.wab")));
    // Other letter case: the same key and value, overwritten in place.
    QVERIFY(writer->setValue(versionKey.toUpper(), QStringLiteral("programfilesdir"),
                             QStringLiteral("D:\\Programme")));

    std::unique_ptr<Registry> reopened;
    if (backend == QLatin1String("ini")) {
        QVERIFY(QFile::exists(file));
        reopened = std::make_unique<IniRegistry>(file);
    }
    Registry &r = reopened ? *reopened : *writer;

    QCOMPARE(r.value(browserKey), command);
    QCOMPARE(r.value(browserKey.toLower()), command);
    QCOMPARE(r.value(QStringLiteral("HKEY_CLASSES_ROOT") +
                     QStringLiteral("\\\\http\\shell\\open\\command\\")),
             command);
    QCOMPARE(r.value(browserKey, QStringLiteral("@")), QStringLiteral("kein Standardwert"));
    QCOMPARE(r.value(versionKey, QStringLiteral("ProgramFilesDir")),
             QStringLiteral("D:\\Programme"));
    QCOMPARE(r.value(versionKey, QStringLiteral("A/B\\C%41")), tricky);
    QCOMPARE(r.value(versionKey, QStringLiteral("Leer")), QString());
    QCOMPARE(r.value(mimeKey + QStringLiteral("\\TEXT/HTML"), QStringLiteral("Extension")),
             QStringLiteral(".htm"));
    QCOMPARE(
        r.value(QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Wab\\Wab4\\Wab File Name")),
        QStringLiteral("/home/anna/Adressen.wab"));

    // Missing key, missing value name, a key's default that was never set.
    QCOMPARE(r.value(QStringLiteral("HKEY_CLASSES_ROOT\\https\\shell\\open\\command")), QString());
    QCOMPARE(r.value(versionKey, QStringLiteral("CommonFilesDir")), QString());
    QCOMPARE(r.value(versionKey), QString());
    QCOMPARE(r.value(QString()), QString());

    QCOMPARE(r.subKeys(mimeKey), QStringList{"text/html"});
    QCOMPARE(sorted(r.subKeys(QStringLiteral("hkey_classes_root"))), (QStringList{"MIME", "http"}));
    QCOMPARE(r.subKeys(versionKey), QStringList{});
    QCOMPARE(r.subKeys(versionKey + QStringLiteral("\\Uninstall")), QStringList{});
}

void TestRegistry::iniFileUnwritable()
{
    QTemporaryDir dir;
    // A file where the folder of registry.ini should be.
    const QString blocker = dir.filePath(QStringLiteral("Lorvane"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    IniRegistry registry(blocker + QStringLiteral("/registry.ini"));
    QVERIFY(!registry.setValue(browserKey, {}, QStringLiteral("browser")));
    QCOMPARE(registry.value(browserKey), QString());
}

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
