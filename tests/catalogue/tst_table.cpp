#include "AddressTable.h"
#include "catalogue/LocalSql.h"
#include "catalogue/Table.h"
#include "catalogue/TableError.h"
#include "catalogue/TableLock.h"
#include "platform/LockFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <iostream>

namespace {

QString names(Table &t)
{
    QStringList out;
    for (int i = 0; i < t.recordCount(); ++i)
        out << t.textAt(i, t.fieldIndex(QStringLiteral("Name")));
    return out.join(QLatin1Char(','));
}

struct Person
{
    const char *name, *ort, *mail;
    bool selected;
};

const Person kPeople[] = {
    {"Meier", "Berlin", "meier@example.de", true}, {"Müller", "BERLINER STR.", "", false},
    {"Öztürk", "München", "oez@example.de", true}, {"O'Brien", "Köln", "", false},
    {"Schmidt", "Bremen", "s@example.de", false},  {"ähnlich", "Österreich", "", true},
};

} // namespace

class TableTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name = QStringLiteral("Adressen.DB")) const
    {
        return m_dir.filePath(name);
    }

    // A fresh address table holding kPeople in this order (IDs 1..6).
    void makePeople(Table &t)
    {
        Table::create(path(), addressFields(), addressIndexes());
        t.setTableName(path());
        t.open();
        for (const Person &p : kPeople)
            addRecord(
                t, {{QStringLiteral("Name"), QString::fromUtf8(p.name)},
                    {QStringLiteral("Ort"), QString::fromUtf8(p.ort)},
                    {QStringLiteral("Mail"), QString::fromUtf8(p.mail)},
                    {QStringLiteral("Selected"), p.selected ? QStringLiteral("True") : QString()}});
    }

private slots:
    void refusedDefinitionsLeaveNoFile_data()
    {
        QTest::addColumn<QList<FieldDef>>("fields");
        QTest::addColumn<QList<IndexDef>>("indexes");
        const FieldDef id{QStringLiteral("ID"), FieldType::AutoInc, 0, false};
        const FieldDef name{QStringLiteral("Name"), FieldType::String, 40, false};
        const IndexDef primary{QStringLiteral("ID"), {QStringLiteral("ID")}, true};
        QTest::newRow("duplicate field, other case")
            << QList<FieldDef>{id, name, {QStringLiteral("NAME"), FieldType::String, 10, false}}
            << QList<IndexDef>{primary};
        QTest::newRow("secondary index without primary")
            << QList<FieldDef>{id, name}
            << QList<IndexDef>{{QStringLiteral("Name"), {QStringLiteral("Name")}, false}};
        QTest::newRow("size 0") << QList<FieldDef>{id,
                                                   {QStringLiteral("X"), FieldType::String, 0,
                                                    false}}
                                << QList<IndexDef>{primary};
        QTest::newRow("size 256") << QList<FieldDef>{id,
                                                     {QStringLiteral("X"), FieldType::String, 256,
                                                      false}}
                                  << QList<IndexDef>{primary};
        QTest::newRow("index on a missing field")
            << QList<FieldDef>{id, name}
            << QList<IndexDef>{primary, {QStringLiteral("Ort"), {QStringLiteral("Ort")}, false}};
        QTest::newRow("two counters")
            << QList<FieldDef>{id, {QStringLiteral("Nr"), FieldType::AutoInc, 0, false}}
            << QList<IndexDef>{primary};
        QTest::newRow("no fields") << QList<FieldDef>{} << QList<IndexDef>{};
    }

    void refusedDefinitionsLeaveNoFile()
    {
        QFETCH(QList<FieldDef>, fields);
        QFETCH(QList<IndexDef>, indexes);
        const QString p = path(QStringLiteral("Refused.DB"));
        QVERIFY_THROWS_EXCEPTION(TableError, Table::create(p, fields, indexes));
        QVERIFY(!QFile::exists(p));
        QVERIFY(!QFile::exists(p + QStringLiteral(".new")));
    }

    void createReplacesAnExistingFile()
    {
        Table t;
        makePeople(t);
        t.close();
        Table::create(path(), addressFields(), addressIndexes());
        t.open();
        QCOMPARE(t.recordCount(), 0);
    }

    void filesThatAreNoTableGiveAClearError_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("foreignSqlite");
        QTest::newRow("text") << QByteArray("Name|Ort\r\nMeier|Berlin\r\n") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("truncated") << QByteArray("SQLite format 3\0\x10\0\x01\x01", 22) << false;
        QTest::newRow("another program's SQLite file") << QByteArray() << true;
    }

    void filesThatAreNoTableGiveAClearError()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, foreignSqlite);
        const QString p = path(QStringLiteral("Broken.DB"));
        QFile::remove(p);
        if (foreignSqlite) {
            SqliteConnection db;
            db.open(p, true);
            db.exec(QStringLiteral("CREATE TABLE kunden(a TEXT); INSERT INTO kunden VALUES('x')"));
        } else {
            QFile f(p);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        Table t;
        t.setTableName(p);
        try {
            t.open();
            QFAIL("opened a file that is no table");
        } catch (const TableError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("keine Tabelle")),
                     qPrintable(e.message()));
        }
        QVERIFY(!t.isOpen());
    }

    void cursorFlagsAtBothEnds()
    {
        Table t;
        makePeople(t);
        const int id = t.fieldIndex(QStringLiteral("ID"));
        t.first();
        QVERIFY(t.bof());
        QVERIFY(!t.eof());
        t.prior(); // fails: stays on the first record
        QVERIFY(t.bof());
        QCOMPARE(t.valueAt(t.position(), id).toInt(), 1);
        t.next();
        QVERIFY(!t.bof());
        QCOMPARE(t.moveBy(4), 4);
        QVERIFY(!t.eof()); // stands on the last record, has not tried past it
        t.next();          // fails: stays on the last record
        QVERIFY(t.eof());
        QCOMPARE(t.fieldByName(QStringLiteral("ID")).asInteger(), 6);
        t.prior();
        QVERIFY(!t.eof());
        t.first();
        QCOMPARE(t.moveBy(100), 5); // a move past the end sets the flag too
        QVERIFY(t.eof());
        QCOMPARE(t.moveBy(-100), -5);
        QVERIFY(t.bof());

        Table::create(path(QStringLiteral("Leer.DB")), addressFields(), addressIndexes());
        Table empty;
        empty.setTableName(path(QStringLiteral("Leer.DB")));
        empty.open();
        QVERIFY(empty.bof() && empty.eof());
        empty.next();
        QVERIFY(empty.bof() && empty.eof());
        QCOMPARE(empty.fieldByName(QStringLiteral("Name")).asString(), QString());
    }

    void deleteInAWalkVisitsEveryRecordOnce()
    {
        Table t;
        makePeople(t);
        // Delete the marked records by walking: the cursor stands on the
        // following record after each delete.
        t.first();
        while (!t.eof()) {
            if (t.fieldByName(QStringLiteral("Selected")).asBoolean())
                t.deleteRecord();
            else
                t.next();
        }
        QCOMPARE(names(t), QStringLiteral("Müller,O'Brien,Schmidt"));

        // Deleting the last record leaves the cursor on the new last one.
        t.last();
        t.deleteRecord();
        QCOMPARE(t.fieldByName(QStringLiteral("Name")).asString(), QStringLiteral("O'Brien"));
        QVERIFY(t.eof());
        t.first();
        t.deleteRecord();
        t.deleteRecord();
        QVERIFY(t.isEmpty() && t.eof() && t.bof());
        QVERIFY_THROWS_EXCEPTION(TableError, t.deleteRecord());

        // Under a filter: delete all that pass, the others stay.
        t.close();
        makePeople(t);
        t.setFilter(QStringLiteral("Selected='True'"));
        t.setFiltered(true);
        while (t.recordCount() > 0)
            t.deleteRecord();
        t.setFiltered(false);
        QCOMPARE(names(t), QStringLiteral("Müller,O'Brien,Schmidt"));
    }

    void bookmarksSurvivePostsAndInserts()
    {
        Table t;
        makePeople(t);
        t.setIndexName(QStringLiteral("Name"));
        t.moveTo(2);
        const Bookmark b = t.bookmark();
        const QString name = t.fieldByName(QStringLiteral("Name")).asString();
        t.first();
        t.edit();
        t.fieldByName(QStringLiteral("Name"))
            .setAsString(QStringLiteral("Zander")); // moves to the end
        t.post();
        addRecord(t, {{QStringLiteral("Name"), QStringLiteral("Aaron")}}); // lands first
        QVERIFY(t.gotoBookmark(b));
        QCOMPARE(t.fieldByName(QStringLiteral("Name")).asString(), name);
        t.deleteRecord();
        QVERIFY(!t.bookmarkValid(b));
        QVERIFY(!t.gotoBookmark(b));
    }

    void secondaryIndexOrdersLikeAReader()
    {
        Table t;
        makePeople(t);
        t.setIndexName(QStringLiteral("Name"));
        QCOMPARE(names(t), QStringLiteral("ähnlich,Meier,Müller,O'Brien,Öztürk,Schmidt"));
        addRecord(t, {{QStringLiteral("Name"), QStringLiteral("Mayer")}});
        QCOMPARE(t.fieldByName(QStringLiteral("Name")).asString(), QStringLiteral("Mayer"));
        QCOMPARE(t.position(), 1);
        t.setIndexName(QString());
        QCOMPARE(names(t), QStringLiteral("Meier,Müller,Öztürk,O'Brien,Schmidt,ähnlich,Mayer"));
        QVERIFY_THROWS_EXCEPTION(TableError, t.setIndexName(QStringLiteral("Gibtsnicht")));
    }

    void countersAreNeverReused()
    {
        Table t;
        makePeople(t);
        t.last();
        t.deleteRecord();
        QCOMPARE(addRecord(t, {{QStringLiteral("Name"), QStringLiteral("Neu")}}), 7);
        t.close();
        t.open();
        t.last();
        t.deleteRecord();
        QCOMPARE(addRecord(t, {{QStringLiteral("Name"), QStringLiteral("Neuer")}}), 8);
    }

    void textForms_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("text");
        QTest::newRow("true") << int(FieldType::Boolean) << 0 << "true"
                              << "Wahr";
        QTest::newRow("Falsch") << int(FieldType::Boolean) << 0 << "Falsch"
                                << "Falsch";
        QTest::newRow("empty boolean") << int(FieldType::Boolean) << 0 << ""
                                       << "";
        QTest::newRow("cut to size") << int(FieldType::String) << 5 << "Müllerstraße"
                                     << "Mülle";
        QTest::newRow("integer") << int(FieldType::Integer) << 0 << " 42"
                                 << "42";
        QTest::newRow("date") << int(FieldType::Date) << 0 << "2026-03-01"
                              << QLocale().toString(QDate(2026, 3, 1), QLocale::ShortFormat);
        QTest::newRow("money") << int(FieldType::Currency) << 0 << "12.5"
                               << QLocale().toString(12.5, 'f', 2);
    }

    void textForms()
    {
        QFETCH(int, type);
        QFETCH(int, size);
        QFETCH(QString, input);
        QFETCH(QString, text);
        const QString p = path(QStringLiteral("Typen.DB"));
        Table::create(p,
                      {{QStringLiteral("ID"), FieldType::AutoInc, 0, false},
                       {QStringLiteral("Wert"), FieldType(type), size, false}},
                      {});
        Table t;
        t.setTableName(p);
        t.open();
        t.append();
        t.fieldByName(QStringLiteral("wert")).setAsString(input);
        t.post();
        t.close();
        t.open(); // read back from the file, not the buffer
        QCOMPARE(t.fieldByName(QStringLiteral("Wert")).asString(), text);
        QCOMPARE(t.fieldByName(QStringLiteral("Wert")).isNull(), input.isEmpty());
    }

    void badValuesAndUnknownFieldsAreRefused()
    {
        Table t;
        makePeople(t);
        QVERIFY_THROWS_EXCEPTION(TableError, t.fieldByName(QStringLiteral("Strasse")));
        QVERIFY(!t.findField(QStringLiteral("Strasse")).isValid());
        QCOMPARE(FieldIndexOf(QStringLiteral("name"), &t), t.fieldIndex(QStringLiteral("Name")));
        QCOMPARE(FieldIndexOf(QStringLiteral("Name"), nullptr), -1);
        // Writing needs edit state; a bad boolean is refused with the field named.
        QVERIFY_THROWS_EXCEPTION(
            TableError, t.fieldByName(QStringLiteral("Name")).setAsString(QStringLiteral("x")));
        t.edit();
        try {
            t.fieldByName(QStringLiteral("Selected")).setAsString(QStringLiteral("vielleicht"));
            QFAIL("accepted a bad boolean");
        } catch (const TableError &e) {
            QVERIFY(e.message().contains(QStringLiteral("Selected")));
        }
        t.cancel();
    }

    void requiredFieldRefusesThePost()
    {
        const QString p = path(QStringLiteral("Pflicht.DB"));
        Table::create(p,
                      {{QStringLiteral("ID"), FieldType::AutoInc, 0, false},
                       {QStringLiteral("Name"), FieldType::String, 20, true}},
                      {{QStringLiteral("ID"), {QStringLiteral("ID")}, true}});
        Table t;
        t.setTableName(p);
        t.open();
        addRecord(t, {{QStringLiteral("Name"), QStringLiteral("Erster")}});
        t.append();
        try {
            t.post();
            QFAIL("posted an empty required field");
        } catch (const TableError &e) {
            QCOMPARE(e.message(), QStringLiteral("Feld „Name“ muss einen Wert haben."));
        }
        QCOMPARE(t.state(), Table::State::Insert);
        t.cancel();
        t.close();
        t.open();
        QCOMPARE(t.recordCount(), 1);
    }

    void filters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("prefix, either case") << "Ort = 'BERLIN*'"
                                             << "Meier,Müller";
        QTest::newRow("exact ignores case") << "Ort = 'berlin'"
                                            << "Meier";
        QTest::newRow("umlauts in either case") << "Ort = 'ÖSTERREICH'"
                                                << "ähnlich";
        QTest::newRow("umlaut prefix") << "Name = 'MÜ*'"
                                       << "Müller";
        QTest::newRow("empty") << "Mail = NULL"
                               << "Müller,O'Brien,ähnlich";
        QTest::newRow("not empty") << "Mail <> NULL"
                                   << "Meier,Öztürk,Schmidt";
        QTest::newRow("mark") << "Selected='True'"
                              << "Meier,Öztürk,ähnlich";
        QTest::newRow("unmarked includes never set") << "Selected = 'False'"
                                                     << "Müller,O'Brien,Schmidt";
        QTest::newRow("and/or/parentheses") << "(Ort = 'B*' OR Ort = 'K*') AND Mail <> NULL"
                                            << "Meier,Schmidt";
        QTest::newRow("quote in value") << "Name = 'O''Brien'"
                                        << "O'Brien";
        QTest::newRow("percent is no wildcard") << "Name = '%'"
                                                << "";
        QTest::newRow("not equal keeps empty fields") << "Mail <> 'meier@example.de'"
                                                      << "Müller,Öztürk,O'Brien,Schmidt,ähnlich";
        QTest::newRow("number") << "ID > 4"
                                << "Schmidt,ähnlich";
        QTest::newRow("empty text lets all through")
            << ""
            << "Meier,Müller,Öztürk,O'Brien,Schmidt,ähnlich";
    }

    void filters()
    {
        QFETCH(QString, filter);
        QFETCH(QString, expected);
        Table t;
        makePeople(t);
        t.setFilter(filter);
        t.setFiltered(true);
        QCOMPARE(names(t), expected);
        QCOMPARE(t.recordCount(), expected.isEmpty() ? 0 : int(expected.count(u',')) + 1);
        t.setFiltered(false);
        QCOMPARE(t.recordCount(), 6);
    }

    void badFilterKeepsThePreviousOne_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("position");
        QTest::newRow("unclosed quote") << "Ort = 'BERLIN"
                                        << "Position 7";
        QTest::newRow("unknown field") << "Stadt = 'x'"
                                       << "Position 1";
        QTest::newRow("missing operator") << "Ort 'x'"
                                          << "Position 5";
        QTest::newRow("dangling AND") << "Ort = 'x' AND"
                                      << "Position 14";
        QTest::newRow("stray parenthesis") << "Ort = 'x')"
                                           << "Position 10";
    }

    void badFilterKeepsThePreviousOne()
    {
        QFETCH(QString, filter);
        QFETCH(QString, position);
        Table t;
        makePeople(t);
        t.setFilter(QStringLiteral("Mail <> NULL"));
        t.setFiltered(true);
        try {
            t.setFilter(filter);
            QFAIL("accepted a bad filter");
        } catch (const TableError &e) {
            QVERIFY2(e.message().contains(position), qPrintable(e.message()));
        }
        QCOMPARE(t.filter(), QStringLiteral("Mail <> NULL"));
        QCOMPARE(t.recordCount(), 3);
    }

    void postedRecordLeavingTheFilterDisappears()
    {
        Table t;
        makePeople(t);
        t.setFilter(QStringLiteral("Selected = 'True'"));
        t.setFiltered(true);
        t.first();
        t.edit();
        t.fieldByName(QStringLiteral("Selected")).setAsBoolean(false);
        t.post();
        QCOMPARE(names(t), QStringLiteral("Öztürk,ähnlich"));
        QCOMPARE(t.fieldByName(QStringLiteral("Name")).asString(), QStringLiteral("Öztürk"));
    }

    void localSqlUpdate_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<int>("changed");
        QTest::addColumn<QString>("marked");
        QTest::newRow("all") << "UPDATE 'Adressen.DB' SET Selected='true'" << 6
                             << "Meier,Müller,Öztürk,O'Brien,Schmidt,ähnlich";
        QTest::newRow("all off") << "UPDATE 'Adressen.DB' SET Selected='false'" << 6 << "";
        QTest::newRow("rewritten prefix filter")
            << "UPDATE 'Adressen.DB' SET Selected='true' WHERE Ort LIKE 'BERLIN%'" << 2
            << "Meier,Müller";
        QTest::newRow("rewritten equality")
            << "UPDATE 'adressen.db' SET Selected='true' WHERE Ort LIKE 'köln'" << 1 << "O'Brien";
        QTest::newRow("is null") << "UPDATE 'Adressen.DB' SET Selected='true' WHERE Mail IS NULL"
                                 << 3 << "Müller,O'Brien,ähnlich";
        QTest::newRow("is not null and")
            << "UPDATE 'Adressen.DB' SET Selected='true' WHERE Mail IS NOT NULL AND Ort LIKE 'B%'"
            << 2 << "Meier,Schmidt";
        QTest::newRow("equality, not rewritten")
            << "UPDATE 'Adressen.DB' SET Selected='true' WHERE Name='meier' OR (Name = 'SCHMIDT')"
            << 2 << "Meier,Schmidt";
    }

    void localSqlUpdate()
    {
        QFETCH(QString, statement);
        QFETCH(int, changed);
        QFETCH(QString, marked);
        Table t;
        makePeople(t);
        ExecuteLocalSql(m_dir.path(), QStringLiteral("UPDATE 'Adressen.DB' SET Selected='false'"));
        QCOMPARE(ExecuteLocalSql(m_dir.path(), statement), changed);
        t.first(); // re-reads what the statement changed
        t.setFilter(QStringLiteral("Selected = 'True'"));
        t.setFiltered(true);
        QCOMPARE(names(t), marked);
    }

    void localSqlErrors_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::newRow("unknown field in SET") << "UPDATE 'Adressen.DB' SET Markiert='true'";
        QTest::newRow("unknown field in WHERE")
            << "UPDATE 'Adressen.DB' SET Selected='true' WHERE Stadt LIKE 'B%'";
        QTest::newRow("unclosed quote")
            << "UPDATE 'Adressen.DB' SET Selected='true' WHERE Ort LIKE 'B%";
        QTest::newRow("missing table") << "UPDATE 'Fehlt.DB' SET Selected='true'";
        QTest::newRow("not an update") << "DELETE FROM 'Adressen.DB'";
        QTest::newRow("injection stays a value")
            << "UPDATE 'Adressen.DB' SET Selected='true' WHERE Name LIKE 'x'' OR 1=1 --'";
    }

    void localSqlErrors()
    {
        QFETCH(QString, statement);
        Table t;
        makePeople(t);
        ExecuteLocalSql(m_dir.path(), QStringLiteral("UPDATE 'Adressen.DB' SET Selected='false'"));
        try {
            const int n = ExecuteLocalSql(m_dir.path(), statement);
            QCOMPARE(n, 0); // only the injection row parses, and it must match nothing
        } catch (const TableError &e) {
            QVERIFY(!e.message().isEmpty());
        }
        t.first();
        t.setFilter(QStringLiteral("Selected = 'True'"));
        t.setFiltered(true);
        QCOMPARE(t.recordCount(), 0);
    }

    void postsSurviveAKilledProcess()
    {
        const QString p = path(QStringLiteral("Kill.DB"));
        Table::create(p, addressFields(), addressIndexes());
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LORVANE_CHILD"), QStringLiteral("append:") + p);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
        int acknowledged = 0;
        while (acknowledged < 200 && child.waitForReadyRead(10000))
            while (child.canReadLine())
                acknowledged = child.readLine().trimmed().toInt();
        ::kill(pid_t(child.processId()), SIGKILL);
        child.waitForFinished();
        QVERIFY(acknowledged >= 200);
        Table t;
        t.setTableName(p);
        t.open();
        QVERIFY(t.recordCount() >= acknowledged);
        t.last();
        QCOMPARE(t.fieldByName(QStringLiteral("Name")).asString(),
                 QStringLiteral("Person %1").arg(t.recordCount()));
    }

    void lockIsSeenFromASecondProcess()
    {
        const QString p = path(QStringLiteral("Lock.DB"));
        Table::create(p, addressFields(), addressIndexes());
        const QString lck = m_dir.filePath(QStringLiteral("Paradox.lck"));
        {
            TableLock lock(m_dir.path());
            Table a, b;
            for (Table *t : {&a, &b}) {
                t->setLock(&lock);
                t->setTableName(p);
                t->open();
            }
            QVERIFY(QFile::exists(lck));
            a.close();
            QVERIFY(QFile::exists(lck)); // b still open
            b.close();
            QVERIFY(!QFile::exists(lck));
        }
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LORVANE_CHILD"), QStringLiteral("hold:") + p);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForReadyRead(10000));
        QCOMPARE(LockFile::probe(lck), LockState::HeldByOther);
        QVERIFY(!LockFile::removeStale(m_dir.path()));
        child.kill();
        child.waitForFinished();
        QCOMPARE(LockFile::probe(lck), LockState::Stale);
        QVERIFY(LockFile::removeStale(m_dir.path()));
    }
};

// The child side of the cross-process tests.
static int runChild(const QString &job)
{
    const QString p = job.section(QLatin1Char(':'), 1);
    Table t;
    TableLock lock(QFileInfo(p).absolutePath());
    if (job.startsWith(QLatin1String("hold:"))) {
        t.setLock(&lock);
        t.setTableName(p);
        t.open();
        std::cout << "open" << std::endl;
        QThread::sleep(60);
        return 0;
    }
    t.setTableName(p);
    t.open();
    for (int i = 1; i < 100000; ++i) {
        addRecord(t, {{QStringLiteral("Name"), QStringLiteral("Person %1").arg(i)}});
        std::cout << i << std::endl;
    }
    return 0;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString job = qEnvironmentVariable("LORVANE_CHILD");
    if (!job.isEmpty())
        return runChild(job);
    TableTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_table.moc"
