#include "ProgramFolder.h"
#include "catalogue/Companion.h"
#include "catalogue/FieldDefinitions.h"
#include "catalogue/Table.h"
#include "platform/ScriptedPlatform.h"
#include "platform/ScriptedUserInterface.h"
#include "util/LineFile.h"

#include <QFile>
#include <QtTest>

class DefinitionsTest : public QObject
{
    Q_OBJECT

private slots:
    void columnsOfADefinitionLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("required");
        QTest::addColumn<QString>("index");
        QTest::addColumn<bool>("primary");
        QTest::addColumn<bool>("sortable");
        QTest::addColumn<QString>("shown");
        QTest::newRow("full line")
            << "Spalte1| ftString   | False      |60     | Spalte1 | Spalte1    |                  "
               "   | TRUE        | Gewinnspielfrage"
            << "Spalte1" << false << "Spalte1" << false << true << "Gewinnspielfrage";
        // Column 7 left out entirely: sortable and display name move left.
        QTest::newRow("missing column shifts")
            << "Spalte2|ftString|False|60|Spalte2|Spalte2||TRUE|Anzeige"
            << "Spalte2" << false << "Spalte2" << true << false << "Spalte2";
        QTest::newRow("required lower case") << "A|ftString|true|5| | | |false| "
                                             << "A" << true << "" << false << false << "A";
        QTest::newRow("required with blanks") << "A|ftString| TRUE |5| | | | | "
                                              << "A" << true << "" << false << false << "A";
        QTest::newRow("required mixed case") << "A|ftString|True|5| | | | | "
                                             << "A" << true << "" << false << false << "A";
        QTest::newRow("Yes is not required") << "A|ftString|Yes|5| | | | | "
                                             << "A" << false << "" << false << false << "A";
        QTest::newRow("primary") << "ID|ftAutoInc|False|0|ID|ID|ixPrimary|FALSE|Nummer"
                                 << "ID" << false << "ID" << true << false << "Nummer";
    }

    void columnsOfADefinitionLine()
    {
        QFETCH(QString, line);
        const FieldDefinitionLine d = FieldDefinitionLine::parse(line);
        QTEST(d.name, "name");
        QTEST(d.required(), "required");
        QTEST(d.indexName, "index");
        QTEST(d.primary(), "primary");
        QTEST(d.sortable(), "sortable");
        QTEST(d.shownName(), "shown");
    }

    void definitionAndLog()
    {
        const QStringList lines = {
            QStringLiteral("FELDNAME|TYP|PFLICHT|GROESSE|INDEX|FELDER|PRIMAER|SORT|ANZEIGENAME"),
            QStringLiteral("ID|ftAutoInc|False|0|ID|ID|ixPrimary|FALSE| "),
            QStringLiteral("Bild|ftPicture|false|200| | | | | "),
            QStringLiteral("Gehalt|ftFoo|TRUE|8| | | | | "),
            QStringLiteral("Spalte1|ftString|true|60|Spalte1|Spalte1| |TRUE|Frage"),
        };
        TableDefinition def;
        QString error;
        QVERIFY(BuildTableDefinition(lines, &def, &error));
        QCOMPARE(def.fields.size(), 3); // the unknown type makes no field
        QCOMPARE(def.fields.at(1).type, FieldType::String);
        QCOMPARE(def.fields.at(1).size, 2);
        QVERIFY(def.fields.at(2).required);
        QCOMPARE(def.indexes.size(), 2);
        QCOMPARE(def.log, QStringList({
                              QStringLiteral("FieldDefs.Add(ID,ftAutoInc,0,FALSE);"),
                              QStringLiteral("FieldDefs.Add(Bild,ftPicture,200,FALSE);"),
                              QStringLiteral("FieldDefs.Add(Gehalt,ftFoo,8,TRUE);"),
                              QStringLiteral("FieldDefs.Add(Spalte1,ftString,60,TRUE);"),
                              QStringLiteral("IndexDefs.Add(ID,ID,[ixPrimary,ixUnique]);"),
                              QStringLiteral("IndexDefs.Add(Spalte1,Spalte1,[]);"),
                          }));

        QVERIFY(!BuildTableDefinition(
            {lines.first(), QStringLiteral("A|ftString|False|sechzig| | | | | ")}, &def, &error));
        QVERIFY(error.contains(QStringLiteral("sechzig")));
    }

    void creationFromTheDefinitionFile()
    {
        ProgramFolder folder(false);
        ScriptedPlatform platform;
        auto &ui = platform.ui();
        const QString header =
            QStringLiteral("FELDNAME|TYP|PFLICHT|GROESSE|INDEX|FELDER|PRIMAER|SORT|ANZEIGENAME");

        // Created with its indexes.
        folder.writeLines(QStringLiteral("Data/Kunden.pro"),
                          {header, QStringLiteral("ID|ftAutoInc|False|0|ID|ID|ixPrimary|FALSE| "),
                           QStringLiteral("Name|ftString|False|40|Name|Name| |TRUE| ")});
        QVERIFY(CreateTableFromDefinition(folder.dataPath(), QStringLiteral("Kunden"), ui));
        Table t;
        t.setTableName(folder.dataPath() + QStringLiteral("Kunden.DB"));
        t.open();
        t.setIndexName(QStringLiteral("Name"));
        QCOMPARE(t.fieldCount(), 2);
        QVERIFY(ui.entries().isEmpty());

        // Refused: a secondary index without a primary one. The log is still written.
        folder.writeLines(QStringLiteral("Data/Kaputt.pro"),
                          {header, QStringLiteral("Name|ftString|False|40|Name|Name| |TRUE| ")});
        QVERIFY(!CreateTableFromDefinition(folder.dataPath(), QStringLiteral("Kaputt"), ui));
        QCOMPARE(ui.texts(), QStringList{QStringLiteral("Database not created!")});
        QVERIFY(!QFile::exists(folder.dataPath() + QStringLiteral("Kaputt.DB")));
        QCOMPARE(ReadLineFile(folder.dataPath() + QStringLiteral("Kaputt.log")),
                 QStringList({QStringLiteral("FieldDefs.Add(Name,ftString,40,FALSE);"),
                              QStringLiteral("IndexDefs.Add(Name,Name,[]);")}));

        // Missing definition file and a size that is no number: the file is named.
        ui.clear();
        QVERIFY(!CreateTableFromDefinition(folder.dataPath(), QStringLiteral("Fehlt"), ui));
        folder.writeLines(QStringLiteral("Data/Groesse.pro"),
                          {header, QStringLiteral("Name|ftString|False|viel| | | | | ")});
        QVERIFY(!CreateTableFromDefinition(folder.dataPath(), QStringLiteral("Groesse"), ui));
        const QStringList texts = ui.texts();
        QCOMPARE(texts.size(), 2);
        QVERIFY(texts.at(0).contains(QStringLiteral("Fehlt.pro")));
        QVERIFY(texts.at(1).contains(QStringLiteral("Groesse.pro")));
        QVERIFY(!QFile::exists(folder.dataPath() + QStringLiteral("Groesse.DB")));
    }

    void presetsAndComboLists()
    {
        const QStringList presets = {QStringLiteral("CAPTION|FILTER"), QStringLiteral("Alle| "),
                                     QStringLiteral("Nur Berlin|Ort = 'Berlin'")};
        QCOMPARE(PresetCaptions(presets),
                 QStringList({QStringLiteral("Alle"), QStringLiteral("Nur Berlin")}));
        QCOMPARE(PresetExpression(presets, 0), QString());
        QCOMPARE(PresetExpression(presets, 1), QStringLiteral("Ort = 'Berlin'"));
        QCOMPARE(PresetExpression(presets, 2), QString());

        const QStringList combos = {QStringLiteral("FELD|WERTE"),
                                    QStringLiteral("Anrede|Herr;Frau;;Firma"),
                                    QStringLiteral("Land|D=Deutschland;A=Österreich"),
                                    QStringLiteral("Anrede2|Herr=1;=Frau=2"),
                                    QStringLiteral("Kategorie|Alt"),
                                    QStringLiteral("Kategorie|Kunde; Lieferant ")};
        QCOMPARE(
            ComboEntries(combos, QStringLiteral("Anrede")),
            QStringList({QStringLiteral("Herr"), QStringLiteral("Frau"), QStringLiteral("Firma")}));
        QCOMPARE(ComboEntries(combos, QStringLiteral("Land")),
                 QStringList({QStringLiteral("D"), QStringLiteral("A")}));
        QCOMPARE(ComboEntries(combos, QStringLiteral("Kategorie")),
                 QStringList({QStringLiteral("Kunde"), QStringLiteral("Lieferant")}));
        QCOMPARE(ComboEntries(combos, QStringLiteral("Anrede2")),
                 QStringList({QStringLiteral("Herr"), QStringLiteral("Frau")}));
        QVERIFY(!HasComboList(combos, QStringLiteral("Name")));
        QVERIFY(!HasComboList(combos, QStringLiteral("anrede"))); // names compare exactly
    }

    void layoutFileSizeRuleAndRoundTrip()
    {
        ProgramFolder folder(false);
        const QString path = folder.dataPath() + QStringLiteral("Test.grd");
        const QList<GridColumn> columns = {
            {QStringLiteral("Name"), QStringLiteral("Nachname"), 120, true},
            {QStringLiteral("ID"), QStringLiteral("ID"), 40, false},
            {QStringLiteral("Ort"), QStringLiteral("Wohnort"), 200, true}};
        QVERIFY(WriteGridLayout(path, columns));
        QList<GridColumn> read;
        QVERIFY(ReadGridLayout(path, &read));
        QCOMPARE(read, columns);

        // Even a single narrow column makes a file that counts.
        QVERIFY(WriteGridLayout(path, {{QStringLiteral("A"), QStringLiteral("A"), 1, true}}));
        QVERIFY(QFileInfo(path).size() > 100);

        QByteArray bytes = folder.readBytes(QStringLiteral("Data/Test.grd"));
        bytes = bytes.leftJustified(100, ' ', true);
        folder.writeBytes(QStringLiteral("Data/Test.grd"), bytes);
        QVERIFY(!ReadGridLayout(path, &read)); // 100 bytes: no layout
        folder.writeBytes(QStringLiteral("Data/Test.grd"), "garbage" + QByteArray(200, 'x'));
        QVERIFY(!ReadGridLayout(path, &read));
    }
};

QTEST_GUILESS_MAIN(DefinitionsTest)
#include "tst_definitions.moc"
