#include "AddressTable.h"
#include "ProgramFolder.h"
#include "catalogue/Companion.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/Table.h"
#include "catalogue/TableError.h"
#include "platform/ScriptedPlatform.h"
#include "util/LineFile.h"
#include "view/DatabaseView.h"
#include "view/TableModel.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QtTest>

namespace {

// A main window's worth of widgets around a MainDatabase on a fresh program folder.
struct Fixture
{
    ProgramFolder folder;
    ScriptedPlatform scripted;
    Platform platform = scripted.platform();
    QTableView grid;
    QLabel label, status;
    QComboBox presets;
    MainDatabase db{scripted.ui(), folder.path(), folder.dataPath()};
    DatabaseView view{db, {&grid, &label, &status, &presets}};

    Fixture() { db.ReadCatalogue(); }

    // Adds a database "name" with a copy of the stock files and a catalogue line.
    void addDatabase(const QString &display, const QString &name)
    {
        folder.addDatabase(display, name);
        db.ReadCatalogue();
    }

    void addPeople(int n)
    {
        for (int i = 1; i <= n; ++i)
            addRecord(*db.table(), {{QStringLiteral("Name"), QStringLiteral("Person %1").arg(i)}});
    }
};

} // namespace

class MainDatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void openingTheStockDatabase()
    {
        Fixture f;
        QAbstractItemModelTester tester(f.view.model());
        QVERIFY(!QFile::exists(f.folder.dataPath() + QStringLiteral("Database.DB")));
        f.db.OpenDatabase(QStringLiteral("Database.ini"));
        QVERIFY(f.scripted.ui().entries().isEmpty());
        QVERIFY(QFile::exists(f.folder.dataPath() + QStringLiteral("Database.DB")));
        QVERIFY(QFile::exists(f.folder.dataPath() + QStringLiteral("Database.log")));
        QCOMPARE(f.label.text(), QStringLiteral("Geöffnete Datenbank: Adressen (Standard)"));
        QCOMPARE(f.status.text(), QStringLiteral("0 Datensätze"));
        QCOMPARE(f.db.table()->fieldCount(), 17);
        // The preset box shows its first entry, and no filter is applied.
        QCOMPARE(f.presets.currentIndex(), 0);
        QCOMPARE(f.presets.currentText(), QStringLiteral("Alle"));
        QVERIFY(!f.db.table()->isFiltered());
        // Display names as titles.
        QCOMPARE(f.view.model()->title(f.db.table()->fieldIndex(QStringLiteral("Str"))),
                 QStringLiteral("Straße"));

        f.addPeople(3);
        QCOMPARE(f.status.text(), QStringLiteral("3 Datensätze"));
        f.db.OpenDatabase(QStringLiteral("Database.ini"));
        QCOMPARE(f.db.table()->position(), 2); // on the last record
        QCOMPARE(f.view.model()->rowCount(), 3);
    }

    void everyStockPresetIsAValidFilter()
    {
        Fixture f;
        f.db.OpenDatabase(QStringLiteral("Database.ini"));
        Table *t = f.db.table();
        const QStringList &lines = f.db.presetLines();
        QVERIFY(lines.size() > 3);
        for (int i = 0; i + 1 < lines.size(); ++i) {
            try {
                t->setFilter(PresetExpression(lines, i));
            } catch (const TableError &e) {
                QFAIL(qPrintable(lines.at(i + 1) + QStringLiteral(": ") + e.message()));
            }
        }
    }

    void aDeletedTableFileIsCreatedAgain()
    {
        Fixture f;
        f.db.OpenDatabase(QStringLiteral("Database.ini"));
        f.addPeople(2);
        f.db.CloseTables();
        QVERIFY(QFile::remove(f.folder.dataPath() + QStringLiteral("Database.DB")));
        f.db.OpenDatabase(QStringLiteral("Database.ini"));
        QVERIFY(f.db.table()->isOpen());
        QCOMPARE(f.status.text(), QStringLiteral("0 Datensätze"));
    }

    void aDescriptorWithTwoTablesCreatesBoth()
    {
        Fixture f;
        f.addDatabase(QStringLiteral("Zwei"), QStringLiteral("Zwei"));
        QFile::copy(f.folder.dataPath() + QStringLiteral("Database.pro"),
                    f.folder.dataPath() + QStringLiteral("Zweite.pro"));
        f.folder.writeLines(QStringLiteral("Data/Zwei.ini"),
                            {QStringLiteral("TABLE        TABELNAME"),
                             QStringLiteral("Table1      |Zwei"),
                             QStringLiteral("Table2      |Zweite")});
        f.db.OpenDatabase(QStringLiteral("Zwei.ini"));
        QVERIFY(QFile::exists(f.folder.dataPath() + QStringLiteral("Zwei.DB")));
        QVERIFY(QFile::exists(f.folder.dataPath() + QStringLiteral("Zweite.DB")));
        QCOMPARE(f.db.tableName(), QStringLiteral("Zwei"));
        QCOMPARE(f.db.table()->objectName(), QStringLiteral("Table1"));
    }

    void displayNameLookup_data()
    {
        QTest::addColumn<QString>("descriptor");
        QTest::addColumn<QString>("label");
        QTest::newRow("own line") << "Kunden.ini"
                                  << "Kunden 2026";
        QTest::newRow("last containing line wins") << "Adressen.ini"
                                                   << "Meine Adressen";
        QTest::newRow("in no line: stock name") << "Fremd.ini"
                                                << "Adressen (Standard)";
    }

    void displayNameLookup()
    {
        QFETCH(QString, descriptor);
        QFETCH(QString, label);
        Fixture f;
        f.addDatabase(QStringLiteral("Kunden 2026"), QStringLiteral("Kunden"));
        f.addDatabase(QStringLiteral("Adressen"), QStringLiteral("Adressen"));
        f.addDatabase(QStringLiteral("Meine Adressen"), QStringLiteral("MeineAdressen"));
        f.addDatabase(QStringLiteral("Fremd"), QStringLiteral("Fremd"));
        // The catalogue line of "Fremd" is gone; its files stay.
        QStringList lines = f.db.catalogueLines();
        lines.removeLast();
        f.folder.writeLines(QStringLiteral("Buttons.ini"), lines);
        f.db.ReadCatalogue();
        f.db.OpenDatabase(descriptor);
        QCOMPARE(f.label.text(), QStringLiteral("Geöffnete Datenbank: ") + label);
    }

    void aMissingDescriptorKeepsTheOpenDatabase()
    {
        Fixture f;
        f.db.OpenDatabase(QStringLiteral("Database.ini"));
        f.db.OpenDatabase(QStringLiteral("Gibtsnicht.ini"));
        QCOMPARE(f.scripted.ui().texts().size(), 1);
        QVERIFY(f.db.table() && f.db.table()->isOpen());
        QCOMPARE(f.db.descriptorName(), QStringLiteral("Database.ini"));
    }

    void deletingDatabases()
    {
        Fixture f;
        auto &ui = f.scripted.ui();
        f.addDatabase(QStringLiteral("Adressen"), QStringLiteral("Adressen"));
        f.addDatabase(QStringLiteral("Meine Adressen"), QStringLiteral("MeineAdressen"));
        f.db.OpenDatabase(QStringLiteral("MeineAdressen.ini"));
        const QStringList catalogueBefore = f.db.catalogueLines();

        // The stock database is refused and opened.
        f.db.DeleteDatabase(QStringLiteral("database.ini"));
        QVERIFY(ui.texts().first().startsWith(
            QStringLiteral("Diese Datanbank ist die Grundstockdatenbank")));
        QCOMPARE(f.db.descriptorName(), QStringLiteral("Database.ini"));
        f.db.OpenDatabase(QStringLiteral("Adressen.ini"));
        const QStringList filesBefore = QDir(f.folder.dataPath()).entryList(QDir::Files);

        // No at the first or the second question changes nothing.
        for (bool firstAnswer : {false, true}) {
            ui.clear();
            ui.queueConfirm(firstAnswer);
            if (firstAnswer)
                ui.queueConfirm(false);
            f.db.DeleteDatabase(QStringLiteral("Adressen.ini"));
            QCOMPARE(ui.texts().size(), firstAnswer ? 2 : 1);
            QCOMPARE(QDir(f.folder.dataPath()).entryList(QDir::Files), filesBefore);
            QCOMPARE(f.db.catalogueLines(), catalogueBefore);
            QVERIFY(f.db.table()->isOpen());
            QCOMPARE(f.db.tableName(), QStringLiteral("Adressen"));
        }

        // Yes twice: exactly its own files and line go; MeineAdressen stays.
        ui.queueConfirm(true);
        ui.queueConfirm(true);
        f.db.DeleteDatabase(QStringLiteral("Adressen.ini"));
        const QStringList files = QDir(f.folder.dataPath()).entryList(QDir::Files);
        QVERIFY(!files.contains(QStringLiteral("Adressen.DB")));
        QVERIFY(!files.contains(QStringLiteral("Adressen.ini")));
        QVERIFY(files.contains(QStringLiteral("MeineAdressen.DB")));
        QVERIFY(files.contains(QStringLiteral("MeineAdressen.ini")));
        QVERIFY(files.contains(QStringLiteral("MeineAdressen.pro")));
        QCOMPARE(f.db.catalogueLines().size(), 3);
        QVERIFY(f.db.catalogueLines().last().contains(QStringLiteral("MeineAdressen.ini")));
        QCOMPARE(ReadLineFile(f.folder.filePath(QStringLiteral("LastopenDB.inc"))),
                 QStringList{QStringLiteral("Database.ini")});
        QCOMPARE(f.db.descriptorName(), QStringLiteral("Database.ini"));
    }

    void layoutIsKeptPerDatabase()
    {
        Fixture f;
        f.addDatabase(QStringLiteral("Kunden"), QStringLiteral("Kunden"));
        f.db.OpenDatabase(QStringLiteral("Kunden.ini"));
        QHeaderView *h = f.grid.horizontalHeader();
        const int name = f.db.table()->fieldIndex(QStringLiteral("Name"));
        const int ort = f.db.table()->fieldIndex(QStringLiteral("Ort"));
        h->moveSection(h->visualIndex(ort), 0);
        h->resizeSection(name, 222);
        h->setSectionHidden(f.db.table()->fieldIndex(QStringLiteral("Fax")), true);
        f.view.model()->setTitle(name, QStringLiteral("Nachname"));

        f.db.OpenDatabase(QStringLiteral("Database.ini")); // leaving saves the layout
        QCOMPARE(h->visualIndex(ort), ort);                // stock database: default order
        QCOMPARE(f.view.model()->title(name), QStringLiteral("Name"));
        f.db.OpenDatabase(QStringLiteral("Kunden.ini"));
        QCOMPARE(h->visualIndex(ort), 0);
        QCOMPARE(h->sectionSize(name), 222);
        QVERIFY(h->isSectionHidden(f.db.table()->fieldIndex(QStringLiteral("Fax"))));
        QCOMPARE(f.view.model()->title(name), QStringLiteral("Nachname")); // kept, not renamed
        QCOMPARE(f.view.model()->title(f.db.table()->fieldIndex(QStringLiteral("Str"))),
                 QStringLiteral("Straße"));
    }
};

QTEST_MAIN(MainDatabaseTest)
#include "tst_maindatabase.moc"
