#include "MergeTable.h"
#include "ProgramFolder.h"
#include "letters/Greeting.h"
#include "letters/MergeDataFile.h"
#include "platform/ScriptedUserInterface.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using Kind = ScriptedUserInterface::Kind;

namespace {

const QString WordHoldsFile =
    QStringLiteral("Neue Serienbrief-Datenbank kann nicht erzeugt werden, da diese momentan "
                   "von Word verwendet wird. Bitte schließen Sie Word und starten den Vorgang "
                   "nochmal!");

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Unfiltered, on its first record, shown in the grid again.
void verifyTableBack(Table &t)
{
    QVERIFY(!t.isFiltered());
    QCOMPARE(t.position(), t.isEmpty() ? -1 : 0);
    QVERIFY(!t.controlsDisabled());
}

} // namespace

class MergeDataTest : public QObject
{
    Q_OBJECT

    ProgramFolder m_program;
    QTemporaryDir m_out;
    QString dataFile() const { return m_out.filePath(QStringLiteral("MyLetters/Serienbrief.txt")); }

private slots:
    void init()
    {
        m_program.writeLines(
            QStringLiteral("Grussformel.txt"),
            {QStringLiteral("Herr|Sehr geehrter Herr"), QStringLiteral("Frau|Sehr geehrte Frau")});
        QFile::remove(dataFile());
    }

    void writesMarkedRecords_data()
    {
        QTest::addColumn<QList<QStringList>>("records"); // marked ("1"/"0"), Anrede, Name, Vorname
        QTest::addColumn<QByteArray>("expected");
        const QByteArray header = "Anrede|Name|Vorname|\r\n";

        QTest::newRow("greeting, value, empty value")
            << QList<QStringList>{{"1", "Herr", "Muster", ""}}
            << header + "Sehr geehrter Herr|Muster| |\r\n";
        QTest::newRow("umlauts in Windows-1252")
            << QList<QStringList>{{"1", "Frau", QString::fromUtf8("Müßig"),
                                   QString::fromUtf8("Jürgen")}}
            << header + "Sehr geehrte Frau|M\xfc\xdfig|J\xfcrgen|\r\n";
        QTest::newRow("only marked records, in table order")
            << QList<QStringList>{{"0", "Herr", "Ohne", "Marke"},
                                  {"1", "", "Zett", ""},
                                  {"0", "Frau", "Auch", "Nicht"},
                                  {"1", "Dr.", "Alpha", "Anna"}}
            << header + " |Zett| |\r\nDr.|Alpha|Anna|\r\n";
        QTest::newRow("blanks kept, blank value empty")
            << QList<QStringList>{{"1", " Herr", "  Muster ", "   "}}
            << header + " Herr|  Muster | |\r\n";
        QTest::newRow("bar and line breaks keep the columns")
            << QList<QStringList>{{"1", "Herr", "Muster|Sohn", "Anna\r\nMaria\nLuise\rX"},
                                  {"1", "Frau", "|", "\r\n"}}
            << header + "Sehr geehrter Herr|Muster/Sohn|Anna Maria Luise X|\r\n"
                        "Sehr geehrte Frau|/| |\r\n";
        QTest::newRow("nothing marked: header alone")
            << QList<QStringList>{{"0", "Herr", "Muster", "Max"}} << header;
    }

    void writesMarkedRecords()
    {
        QFETCH(QList<QStringList>, records);
        QFETCH(QByteArray, expected);
        MergeTable t({QStringLiteral("Anrede"), QStringLiteral("Name"), QStringLiteral("Vorname")});
        for (const QStringList &r : records)
            t.add(r.first() == QLatin1String("1"), r.mid(1));
        // A filter of the user's is replaced and gone afterwards.
        t.table.setFilter(QStringLiteral("Name = 'Z*'"));
        t.table.setFiltered(true);

        ScriptedUserInterface ui;
        QVERIFY(WriteMergeDataFile(t.table, t.definitions, m_program.path(), dataFile(), ui));

        QCOMPARE(readAll(dataFile()), expected);
        QVERIFY2(ui.entries().isEmpty(), qPrintable(ui.texts().join('\n')));
        QCOMPARE(ui.waitDepth(), 0);
        verifyTableBack(t.table);
        QCOMPARE(t.table.recordCount(), records.size());
        QCOMPARE(t.table.filter(), QStringLiteral("Selected='True'"));
    }

    void fiveFieldsOrFewer()
    {
        MergeTable t({});
        t.add(true, QStringLiteral("a@example.de"));
        t.add(false, QStringLiteral("b@example.de"));
        t.add(true, QStringLiteral("c@example.de"));
        ScriptedUserInterface ui;
        QVERIFY(WriteMergeDataFile(t.table, t.definitions, m_program.path(), dataFile(), ui));
        // An empty header and one empty line per marked record.
        QCOMPARE(readAll(dataFile()), QByteArray("\r\n\r\n\r\n"));
        verifyTableBack(t.table);
    }

    void missingGreetingFileWritesNothing()
    {
        MergeTable t({QStringLiteral("Anrede"), QStringLiteral("Name")});
        t.add(true, {QStringLiteral("Herr"), QStringLiteral("Muster")});
        t.add(false, {QStringLiteral("Frau"), QStringLiteral("Beispiel")});
        t.table.last();
        QDir().mkpath(QFileInfo(dataFile()).path());
        QFile old(dataFile());
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("alt\r\n");
        old.close();
        const QString rules = m_program.filePath(QStringLiteral("Grussformel.txt"));
        QVERIFY(QFile::remove(rules));

        ScriptedUserInterface ui;
        QVERIFY(!WriteMergeDataFile(t.table, t.definitions, m_program.path(), dataFile(), ui));

        QCOMPARE(ui.texts(Kind::Error), QStringList{GreetingFileUnreadableMessage(rules)});
        QVERIFY(ui.texts(Kind::Error).first().contains(QStringLiteral("Grussformel.txt")));
        QCOMPARE(readAll(dataFile()), QByteArray("alt\r\n"));
        verifyTableBack(t.table);
        QCOMPARE(t.table.recordCount(), 2);
        QCOMPARE(ui.waitDepth(), 0);
    }

    void unwritableDataFile_data()
    {
        QTest::addColumn<QString>("blocker"); // what stands in the way, relative to the output
        QTest::newRow("file name taken by a folder")
            << QStringLiteral("MyLetters/Serienbrief.txt/");
        QTest::newRow("folder name taken by a file") << QStringLiteral("MyLetters");
    }

    void unwritableDataFile()
    {
        QFETCH(QString, blocker);
        QTemporaryDir out;
        const QString target = out.filePath(QStringLiteral("MyLetters/Serienbrief.txt"));
        if (blocker.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir().mkpath(out.filePath(blocker)));
        } else {
            QFile f(out.filePath(blocker));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        MergeTable t({QStringLiteral("Anrede"), QStringLiteral("Name")});
        t.add(false, {QStringLiteral("Frau"), QStringLiteral("Erste")});
        t.add(true, {QStringLiteral("Herr"), QStringLiteral("Zweiter")});
        t.table.last();

        ScriptedUserInterface ui;
        QVERIFY(!WriteMergeDataFile(t.table, t.definitions, m_program.path(), target, ui));

        QCOMPARE(ui.texts(), QStringList{WordHoldsFile});
        QCOMPARE(ui.entries().first().kind, Kind::Error);
        QVERIFY(!QFileInfo(target).isFile());
        verifyTableBack(t.table);
        QCOMPARE(t.table.recordCount(), 2);
        QCOMPARE(t.table.fieldByName(QStringLiteral("Name")).asString(), QStringLiteral("Erste"));
    }
};

QTEST_GUILESS_MAIN(MergeDataTest)
#include "tst_mergedata.moc"
