#include "ProgramFolder.h"
#include "letters/Greeting.h"

#include <QFile>
#include <QtTest>

class GreetingTest : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data()
    {
        QTest::addColumn<QStringList>("rules");
        QTest::addColumn<QString>("anrede");
        QTest::addColumn<QString>("expected");
        const QString herr = QStringLiteral("Herr|Sehr geehrter Herr");
        const QString herren = QStringLiteral("Herren|Sehr geehrte Herren");
        const QString frau = QStringLiteral("Frau|Sehr geehrte Frau");

        QTest::newRow("last match wins: Herren after Herr") << QStringList{herr, herren} << "Herren"
                                                            << "Sehr geehrte Herren";
        QTest::newRow("last match wins: Herr after Herren") << QStringList{herren, herr} << "Herren"
                                                            << "Sehr geehrter Herr";
        QTest::newRow("prefix: Frau Dr.") << QStringList{herr, frau} << "Frau Dr."
                                          << "Sehr geehrte Frau";
        QTest::newRow("letter case counts: frau") << QStringList{herr, frau} << "frau"
                                                  << "frau";
        QTest::newRow("no trimming of the value: leading blank") << QStringList{herr} << " Herr"
                                                                 << " Herr";
        QTest::newRow("no rule matches") << QStringList{herr, frau} << "Firma"
                                         << "Firma";
        QTest::newRow("empty value stays empty") << QStringList{herr, frau} << ""
                                                 << "";
        QTest::newRow("empty row never matches") << QStringList{herr, QStringLiteral("|")} << "Herr"
                                                 << "Sehr geehrter Herr";
        QTest::newRow("empty row, empty value") << QStringList{QStringLiteral("|")} << ""
                                                << "";
        QTest::newRow("key without greeting empties the value")
            << QStringList{QStringLiteral("Herr|")} << "Herr Dr. Meier"
            << "";
        QTest::newRow("blanks around the bar are trimmed")
            << QStringList{QStringLiteral("Herr | Sehr geehrter Herr ")} << "Herr"
            << "Sehr geehrter Herr";
        QTest::newRow("greeting alone is a key")
            << QStringList{QStringLiteral("|Sehr geehrte Damen und Herren")}
            << "Sehr geehrte Damen und Herren, liebe"
            << "";
        QTest::newRow("every line is read, not only eight")
            << QStringList(8, QStringLiteral("|")) + QStringList{frau} << "Frau"
            << "Sehr geehrte Frau";
    }

    void lookup()
    {
        QFETCH(QStringList, rules);
        QFETCH(QString, anrede);
        QFETCH(QString, expected);
        ProgramFolder program(false);
        program.writeLines(QStringLiteral("Grussformel.txt"), rules);
        const std::optional<QString> greeting = LookupGreeting(program.path(), anrede);
        QVERIFY(greeting.has_value());
        QCOMPARE(*greeting, expected);
    }

    void fileReadAtEveryCall()
    {
        ProgramFolder program(false);
        program.writeLines(QStringLiteral("Grussformel.txt"), {QStringLiteral("Herr|Hallo")});
        QCOMPARE(LookupGreeting(program.path(), QStringLiteral("Herr")), QStringLiteral("Hallo"));
        program.writeLines(QStringLiteral("Grussformel.txt"), {QStringLiteral("Herr|Servus")});
        QCOMPARE(LookupGreeting(program.path(), QStringLiteral("Herr")), QStringLiteral("Servus"));
        QVERIFY(QFile::remove(program.filePath(QStringLiteral("Grussformel.txt"))));
        QVERIFY(!LookupGreeting(program.path(), QStringLiteral("Herr")).has_value());
    }
};

QTEST_GUILESS_MAIN(GreetingTest)
#include "tst_greeting.moc"
