#include "TestWorkspace.h"
#include "catalogue/Table.h"
#include "platform/ScriptedShell.h"
#include "platform/ScriptedUserInterface.h"
#include "search/FilterExpression.h"
#include "search/FilterForm.h"
#include "search/SearchCommands.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kName = QStringLiteral("Name");
const QString kOrt = QStringLiteral("Ort");

// Field definition lines naming the first count address fields.
QStringList definitionLines(int count = 17)
{
    QStringList lines{QStringLiteral("FELDNAME        | FELDTYP    | PFLICHT")};
    const QList<FieldDef> fields = addressFields();
    for (int i = 0; i < count && i < fields.size(); ++i)
        lines << fields.at(i).name.leftJustified(16) + QStringLiteral("| ftString   | False");
    return lines;
}

QList<TestTable::Record> places()
{
    const QString partner = QStringLiteral("Ansprechpartner");
    return {
        {{kName, "Arndt"}, {kOrt, "Berlin"}, {QStringLiteral("Land"), "Deutschland"}},
        {{kName, "Brandt"}, {kOrt, "Berliner Str."}, {partner, "Xaver"}},
        {{kName, "Claus"}, {kOrt, "Bernau"}, {QStringLiteral("Land"), "Österreich"}},
        {{kName, "Dietz"}},
        {{kName, "Ebert"}, {kOrt, "berlin"}, {partner, "Yvonne"}},
    };
}

// The filter window over a table of places, with the main window's side
// recorded: record counts, button hints, modal showings.
class Fixture
{
public:
    Fixture() : data{ws.openWith(places(), addressFields(), addressIndexes(), lines)}
    {
        ws.workspace.setModalRunner([this](QDialog &d) {
            ++modalShowings;
            d.show();
            d.hide();
            return int(QDialog::Rejected);
        });
        QObject::connect(&ws.workspace, &Workspace::recordCountShown,
                         [this](int n) { counts << n; });
        QObject::connect(&commands, &SearchCommands::filterSwitched,
                         [this](bool on) { hints << FilterButtonHint(on); });
    }

    template <typename T> T *w(const char *name) const
    {
        T *widget = form.findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QString expression() const { return w<QLineEdit>("ExpressionEdit")->text(); }
    void click(const char *button) { QTest::mouseClick(w<QPushButton>(button), Qt::LeftButton); }
    void choose(const char *box, const QString &field)
    {
        QComboBox *combo = w<QComboBox>(box);
        const int index = combo->findText(field);
        QVERIFY(index >= 0);
        combo->setCurrentIndex(index);
    }
    void type(const char *edit, const QString &text)
    {
        w<QLineEdit>(edit)->clear();
        QTest::keyClicks(w<QLineEdit>(edit), text);
    }
    QStringList names() { return TestTable::column(data.table, kName); }
    // Another field definition file for the open database.
    void setLines(const QStringList &definitions)
    {
        ws.folder.writeLines(QStringLiteral("Data/Database.pro"), definitions);
        ws.database.LoadCompanionLists(QStringLiteral("Database"));
    }

    TestWorkspace ws;
    ScriptedUserInterface &ui = ws.scripted.ui();
    ScriptedShell &shell = ws.scripted.shell();
    QStringList lines = definitionLines();
    struct
    {
        Table &table;
    } data;
    SearchCommands commands{ws.workspace};
    TFilterForm &form = *commands.FilterForm();
    QString helpPage = ws.workspace.helpPagePath();
    QList<int> counts;
    QStringList hints;
    int modalShowings = 0;
};

// The preset box's command over six places, the counts it shows recorded.
struct PresetFixture
{
    TestWorkspace ws;
    SearchCommands commands{ws.workspace};
    QList<int> shown;

    PresetFixture()
    {
        QObject::connect(&ws.workspace, &Workspace::recordCountShown,
                         [this](int n) { shown << n; });
    }
    Table &open()
    {
        return ws.openWith({{{kName, "Arndt"}, {kOrt, "Berlin"}},
                            {{kName, "Brandt"}, {kOrt, "Berliner Str."}},
                            {{kName, "Claus"}, {kOrt, "Bernau"}},
                            {{kName, "O'Brien"}, {kOrt, "Dublin"}},
                            {{kName, "Dietz"}},
                            {{kName, "Ebert"}, {kOrt, "berlin"}}});
    }
};

} // namespace

class FilterFormTest : public QObject
{
    Q_OBJECT

private slots:
    // The boxes list the fields of the open database and start on the 14th
    // and the 10th; condition 2 waits for a connector.
    void activationFillsTheFieldBoxes()
    {
        Fixture f;
        f.form.show();
        auto *field1 = f.w<QComboBox>("Field1ComboBox");
        auto *field2 = f.w<QComboBox>("Field2ComboBox");
        QCOMPARE(field1->count(), 17);
        QCOMPARE(field1->itemText(0), QStringLiteral("ID"));
        QCOMPARE(field1->currentText(), QStringLiteral("Land"));
        QCOMPARE(field2->currentText(), QStringLiteral("Ansprechpartner"));
        QVERIFY(!field1->isEditable() && !field2->isEditable());
        QCOMPARE(f.expression(), QStringLiteral("Land = NULL"));
        QVERIFY(!field2->isEnabled());
        QVERIFY(!f.w<QPushButton>("Operate2Btn")->isEnabled());
        QVERIFY(!f.w<QLineEdit>("Exp2Edit")->isEnabled());
        QCOMPARE(f.w<QPushButton>("ConectorBtn")->text(), QStringLiteral("keine zweite Bedingung"));
        QVERIFY(f.w<QPushButton>("OnBitBtn")->isDefault());
    }

    // Without the default entry a box takes the first field.
    void missingEntryTakesTheFirstField_data()
    {
        QTest::addColumn<int>("firstFields");
        QTest::addColumn<int>("remembered");
        QTest::addColumn<int>("laterFields");
        QTest::addColumn<QString>("expression");
        QTest::newRow("short definition at the first showing") << 5 << -1 << 5 << "ID = NULL";
        QTest::newRow("remembered entry beyond another database's list")
            << 17 << 16 << 8 << "ID = NULL";
        QTest::newRow("remembered entry still there") << 17 << 6 << 8 << "Betreff = NULL";
    }
    void missingEntryTakesTheFirstField()
    {
        QFETCH(int, firstFields);
        QFETCH(int, remembered);
        QFETCH(int, laterFields);
        QFETCH(QString, expression);
        Fixture f;
        f.setLines(definitionLines(firstFields));
        f.form.show();
        if (remembered >= 0)
            f.w<QComboBox>("Field1ComboBox")->setCurrentIndex(remembered);
        f.form.hide();
        f.setLines(definitionLines(laterFields));
        f.form.show();
        QCOMPARE(f.w<QComboBox>("Field1ComboBox")->count(), laterFields);
        QCOMPARE(f.expression(), expression);
    }

    // Conditions composed in the window, applied by "Filter an".
    void composedFilter_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("operatorClicks");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("empty value: empty field") << kOrt << 0 << ""
                                                  << "Ort = NULL" << QStringList{"Dietz"};
        QTest::newRow("<> with empty value: filled field")
            << kOrt << 1 << ""
            << "Ort <> NULL" << QStringList{"Arndt", "Brandt", "Claus", "Ebert"};
        QTest::newRow("berlin finds Berlin and Berliner Str.")
            << kOrt << 0 << "berlin"
            << "Ort = 'BERLIN*'" << QStringList{"Arndt", "Brandt", "Ebert"};
        QTest::newRow("four clicks give = again") << kOrt << 4 << "bernau"
                                                  << "Ort = 'BERNAU*'" << QStringList{"Claus"};
    }
    void composedFilter()
    {
        QFETCH(QString, field);
        QFETCH(int, operatorClicks);
        QFETCH(QString, value);
        QFETCH(QString, expression);
        QFETCH(QStringList, names);
        Fixture f;
        f.form.show();
        f.choose("Field1ComboBox", field);
        for (int i = 0; i < operatorClicks; ++i)
            f.click("Operate1Btn");
        f.type("Exp1Edit", value);
        QCOMPARE(f.expression(), expression);
        f.click("OnBitBtn");
        QVERIFY(f.data.table.isFiltered());
        QCOMPARE(f.names(), names);
        QCOMPARE(f.counts, QList<int>{int(names.size())});
        QCOMPARE(f.hints, QStringList{"Gewählten Filter ausschalten (F9)"});
        QCOMPARE(f.ui.waitDepth(), 0);
        QVERIFY(f.form.isVisible());

        f.click("OffBitBtn");
        QVERIFY(!f.data.table.isFiltered());
        QCOMPARE(f.data.table.filter(), QString());
        QCOMPARE(f.counts, (QList<int>{int(names.size()), 5}));
        QCOMPARE(f.hints.last(), QStringLiteral("Gewählten Filter einschalten (F9)"));
        QVERIFY(f.ui.entries().isEmpty());
    }

    void operatorAndConnectorButtonsWrap()
    {
        Fixture f;
        f.form.show();
        QStringList captions;
        for (int i = 0; i < 4; ++i) {
            f.click("Operate1Btn");
            captions << f.w<QPushButton>("Operate1Btn")->text();
        }
        QCOMPARE(captions, (QStringList{"<>", "<", ">", "="}));

        f.click("ConectorBtn");
        QCOMPARE(f.w<QPushButton>("ConectorBtn")->text(), QStringLiteral("und"));
        QVERIFY(f.w<QComboBox>("Field2ComboBox")->isEnabled());
        QCOMPARE(f.expression(), QStringLiteral("Land = NULL AND Ansprechpartner = NULL"));
        f.click("Operate2Btn");
        f.type("Exp2Edit", QStringLiteral("x"));
        QCOMPARE(f.expression(), QStringLiteral("Land = NULL AND Ansprechpartner <> 'X*'"));
        f.click("OnBitBtn");
        QCOMPARE(f.names(), (QStringList{"Dietz", "Ebert"}));
        f.click("ConectorBtn");
        QCOMPARE(f.w<QPushButton>("ConectorBtn")->text(), QStringLiteral("oder"));
        QCOMPARE(f.expression(), QStringLiteral("Land = NULL OR Ansprechpartner <> 'X*'"));
        f.click("OnBitBtn");
        QCOMPARE(f.data.table.recordCount(), 5);

        f.click("ConectorBtn");
        QCOMPARE(f.w<QPushButton>("ConectorBtn")->text(), QStringLiteral("keine zweite Bedingung"));
        QVERIFY(!f.w<QComboBox>("Field2ComboBox")->isEnabled());
        QVERIFY(!f.w<QLineEdit>("Exp2Edit")->isEnabled());
        QCOMPARE(f.expression(), QStringLiteral("Land = NULL"));
        for (int part = FilterExpression::Connector; part <= FilterExpression::Value2; ++part)
            QCOMPARE(f.form.parts().part(part), QString());
        // Condition 2 keeps its controls for the next time.
        f.click("ConectorBtn");
        QCOMPARE(f.expression(), QStringLiteral("Land = NULL AND Ansprechpartner <> 'X*'"));
    }

    // The expert's text is applied as it stands until a condition control
    // composes over it.
    void handEditedExpressionIsApplied()
    {
        Fixture f;
        f.form.show();
        auto *edit = f.w<QLineEdit>("ExpressionEdit");
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("Name = 'claus' OR Ort = NULL"));
        QTest::keyClick(edit, Qt::Key_Return); // the default button
        QCOMPARE(f.names(), (QStringList{"Claus", "Dietz"}));
        QCOMPARE(f.data.table.filter(), QStringLiteral("Name = 'claus' OR Ort = NULL"));
        f.type("Exp1Edit", QStringLiteral("d"));
        QCOMPARE(f.expression(), QStringLiteral("Land = 'D*'"));
    }

    // A value of 38 characters loses its closing quote: the store's message
    // is shown, the filter in force stays, and nothing else happens.
    void rejectedExpressionKeepsTheFilter()
    {
        Fixture f;
        f.form.show();
        f.choose("Field1ComboBox", kOrt);
        f.type("Exp1Edit", QStringLiteral("berlin"));
        f.click("OnBitBtn");
        QCOMPARE(f.names(), (QStringList{"Arndt", "Brandt", "Ebert"}));

        f.type("Exp1Edit", QString(38, u'b'));
        QVERIFY(!f.expression().endsWith(u'\''));
        f.click("OnBitBtn");
        const QStringList errors = f.ui.texts(ScriptedUserInterface::Kind::Error);
        QCOMPARE(errors.size(), 1);
        QVERIFY(!errors.first().isEmpty());
        QCOMPARE(f.ui.entries().last().waitDepth, 0);
        QCOMPARE(f.ui.waitDepth(), 0);
        QCOMPARE(f.data.table.filter(), QStringLiteral("Ort = 'BERLIN*'"));
        QCOMPARE(f.names(), (QStringList{"Arndt", "Brandt", "Ebert"}));
        QCOMPARE(f.counts, QList<int>{3});
        QCOMPARE(f.hints.size(), 1);
        QVERIFY(f.form.isVisible());
    }

    // A preset applies its filter without touching the window or the hint.
    void presetLeavesTheWindowAlone()
    {
        Fixture f;
        f.form.show();
        f.choose("Field1ComboBox", kOrt);
        f.type("Exp1Edit", QStringLiteral("bern"));
        f.click("ConectorBtn");
        auto *edit = f.w<QLineEdit>("ExpressionEdit");
        edit->setText(QStringLiteral("Name = NULL"));
        const QStringList partsBefore = [&] {
            QStringList p;
            for (int i = 1; i <= 7; ++i)
                p << f.form.parts().part(i);
            return p;
        }();

        const QStringList presets{"BEZEICHNUNG|FILTERAUSDRUCK", "Alle| ", "Mit Land|Land <> NULL"};
        f.ws.folder.writeLines(QStringLiteral("Data/Database.fil"), presets);
        f.ws.database.LoadCompanionLists(QStringLiteral("Database"));
        QVERIFY(f.commands.ComboBox1Change(1));
        QCOMPARE(f.names(), (QStringList{"Arndt", "Claus"}));
        QCOMPARE(f.counts, QList<int>{2});
        QVERIFY(f.hints.isEmpty());
        QCOMPARE(edit->text(), QStringLiteral("Name = NULL"));
        QCOMPARE(f.w<QComboBox>("Field1ComboBox")->currentText(), kOrt);
        QCOMPARE(f.w<QLineEdit>("Exp1Edit")->text(), QStringLiteral("bern"));
        QCOMPARE(f.form.connector(), 2);
        QStringList partsAfter;
        for (int i = 1; i <= 7; ++i)
            partsAfter << f.form.parts().part(i);
        QCOMPARE(partsAfter, partsBefore);
    }

    void helpButton()
    {
        Fixture f;
        f.form.show();
        f.click("HilfeBitBtn");
        f.shell.setDefaultResult(false);
        f.click("HilfeBitBtn");
        QCOMPARE(f.shell.calls().size(), 2);
        QCOMPARE(f.shell.calls().first().target, f.helpPage);
        QCOMPARE(f.ui.texts(ScriptedUserInterface::Kind::Plain),
                 QStringList{"Unable to start internet browser! Make sure you have it properly "
                             "set-up on your system!"});
    }

    void escapeAndCloseButtonClose()
    {
        Fixture f;
        f.form.show();
        QTest::keyClick(f.w<QLineEdit>("Exp1Edit"), Qt::Key_Escape);
        QVERIFY(!f.form.isVisible());
        f.form.show();
        f.click("CloseButton");
        QVERIFY(!f.form.isVisible());
    }

    // The preset box of the main window.
    void presetIsAppliedAndCounted_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("count");
        QTest::newRow("blank expression: all") << 0 << 6;
        QTest::newRow("second line") << 1 << 3;
        QTest::newRow("third line") << 2 << 1;
    }
    void presetIsAppliedAndCounted()
    {
        QFETCH(int, entry);
        QFETCH(int, count);
        PresetFixture p;
        p.ws.folder.writeLines(QStringLiteral("Data/Database.fil"),
                               {"BEZEICHNUNG|FILTERAUSDRUCK", "Alle| ", "Berliner|Ort = 'BERLIN*'",
                                "Ohne Ort|Ort = NULL"});
        Table &table = p.open();
        ScriptedUserInterface &ui = p.ws.scripted.ui();
        QVERIFY(p.commands.ComboBox1Change(entry));
        QVERIFY(table.isFiltered());
        QCOMPARE(table.recordCount(), count);
        QCOMPARE(p.shown, QList<int>{count});
        QVERIFY(ui.entries().isEmpty());
        QCOMPARE(ui.waitDepth(), 0);
    }

    void badPresetShowsTheStoreMessage()
    {
        PresetFixture p;
        p.ws.folder.writeLines(QStringLiteral("Data/Database.fil"),
                               {"BEZEICHNUNG|FILTERAUSDRUCK", "Kaputt|Ort = 'BERLIN"});
        Table &table = p.open();
        ScriptedUserInterface &ui = p.ws.scripted.ui();
        ApplyFilter(table, QStringLiteral("Ort = NULL"));
        QVERIFY(!p.commands.ComboBox1Change(0));
        QCOMPARE(ui.texts(ScriptedUserInterface::Kind::Error).size(), 1);
        QVERIFY(!ui.texts(ScriptedUserInterface::Kind::Error).first().isEmpty());
        QCOMPARE(ui.entries().first().waitDepth, 0);
        QCOMPARE(ui.waitDepth(), 0);
        QVERIFY(p.shown.isEmpty());
        QCOMPARE(table.filter(), QStringLiteral("Ort = NULL"));
        QCOMPARE(table.recordCount(), 1);
    }

    void presetWithoutDatabaseDoesNothing()
    {
        PresetFixture p;
        QVERIFY(!p.commands.ComboBox1Change(0));
        QVERIFY(p.ws.scripted.ui().entries().isEmpty());
    }

    void commandsShowTheWindowThenTheCount()
    {
        Fixture f;
        f.commands.UniversalFilterTBClick();
        f.commands.Filter1Click();
        QCOMPARE(f.modalShowings, 2);
        QCOMPARE(f.counts, (QList<int>{5, 5}));
        f.ws.database.CloseTables();
        f.commands.UniversalFilterTBClick();
        f.commands.Filter1Click();
        QCOMPARE(f.modalShowings, 2);
        QCOMPARE(f.ui.texts(ScriptedUserInterface::Kind::Information),
                 (QStringList{"Zuerst Datenbank öffnen!", "Zuerst Datenbank öffnen!"}));
    }
};

QTEST_MAIN(FilterFormTest)
#include "tst_filterform.moc"
