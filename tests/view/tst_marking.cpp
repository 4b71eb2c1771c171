#include "PeopleTable.h"
#include "catalogue/Table.h"
#include "catalogue/TableError.h"
#include "view/Marking.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// Counts what the table tells bound controls, to see that a walk keeps them quiet.
struct ControlSignals
{
    explicit ControlSignals(Table &t)
        : changed(&t, &Table::recordChanged), removed(&t, &Table::recordRemoved),
          scrolled(&t, &Table::afterScroll)
    {
    }
    QSignalSpy changed, removed, scrolled;
    int perRecord() const { return int(changed.size() + removed.size()); }
};

class MarkingTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString folder() const { return m_dir.path() + QLatin1Char('/'); }
    QString path() const { return folder() + QStringLiteral("Adressen.DB"); }

    void fresh(Table &t, const QList<Person> &list = people())
    {
        QFile::remove(path());
        makePeopleTable(t, path(), list);
    }

    // IDs 1..20 without 13 and 14, none marked.
    void gappedIds(Table &t)
    {
        QList<Person> list;
        for (int i = 0; i < 20; ++i)
            list << Person{"Person", "Ort", "Falsch"};
        fresh(t, list);
        for (qint64 id : {13, 14}) {
            QVERIFY(t.gotoBookmark(id));
            t.deleteRecord();
        }
        t.first();
    }

private slots:
    void statementFromFilter_data()
    {
        QTest::addColumn<QString>("filter"); // empty: not filtered
        QTest::addColumn<bool>("value");
        QTest::addColumn<QString>("statement");
        QTest::newRow("all") << "" << true << "UPDATE 'Adressen.DB' SET Selected='true'";
        QTest::newRow("unmark all") << "" << false << "UPDATE 'Adressen.DB' SET Selected='false'";
        QTest::newRow("prefix")
            << "Ort = 'BERLIN*'" << true
            << "UPDATE 'Adressen.DB' SET Selected='true' WHERE Ort LIKE 'BERLIN%'";
        QTest::newRow("empty and not empty")
            << "Name = NULL OR Mail <> NULL" << true
            << "UPDATE 'Adressen.DB' SET Selected='true' WHERE Name IS NULL OR Mail IS NOT NULL";
        QTest::newRow("other operators pass")
            << "Ort <> 'Berlin' AND PLZ > '5'" << false
            << "UPDATE 'Adressen.DB' SET Selected='false' WHERE Ort <> 'Berlin' AND PLZ > '5'";
        QTest::newRow("only with blanks around =")
            << "Ort='Berlin'" << true
            << "UPDATE 'Adressen.DB' SET Selected='true' WHERE Ort='Berlin'";
    }

    void statementFromFilter()
    {
        QFETCH(QString, filter);
        QFETCH(bool, value);
        Table t;
        fresh(t);
        if (!filter.isEmpty()) {
            t.setFilter(filter);
            t.setFiltered(true);
        }
        QTEST(
            BooleanFieldStatement(QStringLiteral("Adressen"), QStringLiteral("Selected"), value, t),
            "statement");
        // A filter text that is switched off does not narrow the statement.
        t.setFiltered(false);
        QCOMPARE(
            BooleanFieldStatement(QStringLiteral("Adressen"), QStringLiteral("Selected"), value, t),
            QStringLiteral("UPDATE 'Adressen.DB' SET Selected='%1'")
                .arg(value ? QStringLiteral("true") : QStringLiteral("false")));
    }

    void markAllFollowsFilter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("value");
        QTest::addColumn<QStringList>("marked");
        QTest::newRow("mark all") << "" << true
                                  << QStringList{"Meier",  "Müller", "MüLLER", "MÜLLER",
                                                 "Schulz", "Bauer",  "Zimmer", "Lange"};
        QTest::newRow("unmark all") << "" << false << QStringList{};
        // Outside Berlin the marks stay as they were: Lange keeps his, the others stay unmarked.
        QTest::newRow("mark Berlin")
            << "Ort = 'BERLIN*'" << true << QStringList{"Meier", "Schulz", "Zimmer", "Lange"};
        QTest::newRow("unmark Berlin") << "Ort = 'berlin'" << false << QStringList{"Lange"};
    }

    void markAllFollowsFilter()
    {
        QFETCH(QString, filter);
        QFETCH(bool, value);
        Table t;
        fresh(t);
        if (!filter.isEmpty()) {
            t.setFilter(filter);
            t.setFiltered(true);
        }
        t.last();
        QVERIFY(SetBooleanFieldBySql(t, folder(), QStringLiteral("Adressen"),
                                     QStringLiteral("Selected"), value));
        // The table is re-read and stands on its first record.
        QCOMPARE(t.position(), 0);
        QCOMPARE(t.fieldByName(QStringLiteral("Selected")).asBoolean(), value);
        QCOMPARE(t.isFiltered(), !filter.isEmpty());
        t.setFiltered(false);
        QTEST(markedNames(t), "marked");
    }

    void failingStatementIsSilent()
    {
        Table t;
        fresh(t);
        t.last();
        QVERIFY(!SetBooleanFieldBySql(t, folder(), QStringLiteral("Fehlt"),
                                      QStringLiteral("Selected"), true));
        QCOMPARE(markedNames(t), (QStringList{"Schulz", "Lange"}));
        QCOMPARE(t.position(), 0);
    }

    void markIdRange_data()
    {
        QTest::addColumn<qint64>("start");
        QTest::addColumn<qint64>("end");
        QTest::addColumn<QStringList>("markedIds");
        QTest::addColumn<QStringList>("status");
        const auto countdown = [](std::initializer_list<int> left) {
            QStringList out;
            for (int n : left)
                out << QStringLiteral("Noch zu markieren: %1 aus 18 Datensätzen").arg(n);
            return out;
        };
        // The countdown assumes consecutive IDs, so the gap leaves it above 0.
        QTest::newRow("over the gap")
            << qint64(10) << qint64(20)
            << QStringList{"10", "11", "12", "15", "16", "17", "18", "19", "20"}
            << countdown({10, 9, 8, 7, 6, 5, 4, 3, 2});
        QTest::newRow("one record") << qint64(5) << qint64(5) << QStringList{"5"} << countdown({0});
        QTest::newRow("inside the gap")
            << qint64(13) << qint64(14) << QStringList{} << QStringList{};
        QTest::newRow("reversed") << qint64(12) << qint64(3) << QStringList{} << QStringList{};
        QTest::newRow("below all IDs") << qint64(0) << qint64(0) << QStringList{} << QStringList{};
        QTest::newRow("beyond the end")
            << qint64(19) << qint64(2147483647) << QStringList{"19", "20"}
            << QStringList{"Noch zu markieren: 2147483628 aus 18 Datensätzen",
                           "Noch zu markieren: 2147483627 aus 18 Datensätzen"};
    }

    void markIdRange()
    {
        QFETCH(qint64, start);
        QFETCH(qint64, end);
        Table t;
        gappedIds(t);
        // Sorted, filtered and away from the start: the walk undoes all three.
        t.setIndexName(QStringLiteral("Name"));
        t.setFilter(QStringLiteral("Ort = 'Ort'"));
        t.setFiltered(true);
        t.last();
        ControlSignals quiet(t);
        QStringList status;
        const int marked = MarkIdRange(t, start, end, [&](const QString &s) { status << s; });
        QCOMPARE(quiet.perRecord(), 0);
        QTEST(status, "status");
        QCOMPARE(t.indexName(), QString());
        QCOMPARE(t.filter(), QString());
        QVERIFY(!t.isFiltered());
        QVERIFY(!t.controlsDisabled());
        QVERIFY(t.isOpen());
        QCOMPARE(t.position(), 0);
        QStringList ids;
        const int id = t.fieldIndex(QStringLiteral("ID"));
        const int mark = t.fieldIndex(QStringLiteral("Selected"));
        for (int i = 0; i < t.recordCount(); ++i)
            if (t.textAt(i, mark) == QLatin1String("Wahr"))
                ids << t.textAt(i, id);
        QTEST(ids, "markedIds");
        QCOMPARE(marked, ids.size());
    }

    void markByWording_data()
    {
        QTest::addColumn<QString>("wording");
        QTest::addColumn<QStringList>("marked");
        // Case is ignored for a to z only.
        QTest::newRow("umlaut lower case")
            << "müller" << QStringList{"Müller", "MüLLER", "Schulz", "Lange"};
        QTest::newRow("umlaut upper case") << "MÜLLER" << QStringList{"MÜLLER", "Schulz", "Lange"};
        QTest::newRow("town") << "berl" << QStringList{"Meier", "Schulz", "Zimmer", "Lange"};
        // The mark field reads "Falsch": every unmarked record holds "sch",
        // but an empty mark reads as nothing.
        QTest::newRow("through Falsch")
            << "sch"
            << QStringList{"Meier", "Müller", "MüLLER", "MÜLLER", "Schulz", "Zimmer", "Lange"};
        QTest::newRow("through Wahr") << "wahr" << QStringList{"Schulz", "Lange"};
        QTest::newRow("the ID field") << "3" << QStringList{"MüLLER", "Schulz", "Lange"};
        QTest::newRow("empty wording") << "" << QStringList{"Schulz", "Lange"};
        QTest::newRow("nowhere") << "xyz" << QStringList{"Schulz", "Lange"};
    }

    void markByWording()
    {
        QFETCH(QString, wording);
        Table t;
        fresh(t);
        ControlSignals quiet(t);
        MarkMatchingRecords(t, wording);
        QCOMPARE(quiet.perRecord(), 0);
        QVERIFY(!t.controlsDisabled());
        QTEST(markedNames(t), "marked");
    }

    void markByWordingStartsAtCurrentRecord()
    {
        Table t;
        fresh(t);
        QVERIFY(t.gotoBookmark(3)); // MüLLER
        MarkMatchingRecords(t, QStringLiteral("MÜLLER"));
        QCOMPARE(markedNames(t), (QStringList{"MÜLLER", "Schulz", "Lange"}));
        QVERIFY(t.eof());
        // A second run from the end examines only the last record.
        t.last();
        const int lastName = t.fieldIndex(QStringLiteral("Name"));
        QCOMPARE(t.textAt(t.position(), lastName), QStringLiteral("Lange"));
        MarkMatchingRecords(t, QStringLiteral("berlin"));
        QCOMPARE(markedNames(t), (QStringList{"MÜLLER", "Schulz", "Lange"}));
    }

    void markByWordingUnderMarkFilter()
    {
        // Each mark takes the record out of the filter; no neighbour is skipped.
        Table t;
        fresh(t);
        t.setFilter(QStringLiteral("Selected = 'False'"));
        t.setFiltered(true);
        const int before = t.recordCount();
        // Three neighbours in a row hold the wording.
        MarkMatchingRecords(t, QStringLiteral("ller"));
        QCOMPARE(t.recordCount(), before - 3);
        t.setFiltered(false);
        QCOMPARE(markedNames(t), (QStringList{"Müller", "MüLLER", "MÜLLER", "Schulz", "Lange"}));
    }

    void deleteMarkedOutsideFilter()
    {
        Table t;
        fresh(t);
        t.setIndexName(QStringLiteral("Name"));
        t.setFilter(QStringLiteral("Ort = 'Hamburg'"));
        t.setFiltered(true);
        QCOMPARE(t.recordCount(), 1);
        // Müller in the filter; Schulz and Lange outside it, Lange the last in order.
        t.edit();
        t.fieldByName(QStringLiteral("Selected")).setAsBoolean(true);
        t.post();
        ControlSignals quiet(t);
        QStringList status;
        const int deleted = DeleteMarkedRecords(t, [&](const QString &s) { status << s; });
        QCOMPARE(quiet.perRecord(), 0);
        QCOMPARE(deleted, 3);
        QCOMPARE(status, (QStringList{"Delete: 1", "Delete: 2", "Delete: 3"}));
        QVERIFY(!t.isFiltered());
        QCOMPARE(t.filter(), QStringLiteral("Ort = 'Hamburg'"));
        QVERIFY(!t.controlsDisabled());
        QCOMPARE(t.position(), 0);
        QCOMPARE(t.indexName(), QStringLiteral("Name"));
        QStringList left = column(t, QStringLiteral("Name"));
        left.sort();
        QCOMPARE(left, (QStringList{"Bauer", "Meier", "MÜLLER", "MüLLER", "Zimmer"}));
    }

    void walksResumeControlsAfterAnError_data()
    {
        QTest::addColumn<QString>("walk");
        QTest::newRow("ID range") << "range";
        QTest::newRow("wording") << "wording";
    }

    void walksResumeControlsAfterAnError()
    {
        QFETCH(QString, walk);
        {
            Table t;
            fresh(t, {{"Erster", "Berlin", "Falsch"}, {"", "Berlin", "Falsch"}});
        }
        makeRequired(path(), QStringLiteral("Name"));
        Table t;
        t.setTableName(path());
        t.open();
        try {
            if (walk == QLatin1String("range"))
                MarkIdRange(t, 1, 2);
            else
                MarkMatchingRecords(t, QStringLiteral("berlin"));
            QFAIL("the post of the record without a name went through");
        } catch (const TableError &e) {
            QVERIFY(e.message().contains(QStringLiteral("Name")));
        }
        QVERIFY(!t.controlsDisabled());
        QCOMPARE(t.state(), Table::State::Browse);
        QCOMPARE(markedNames(t), QStringList{"Erster"});
    }
};

QTEST_GUILESS_MAIN(MarkingTest)
#include "tst_marking.moc"
