#include "TestTable.h"
#include "catalogue/Table.h"
#include "catalogue/TableError.h"
#include "search/FilterExpression.h"

#include <QtTest>

namespace {

const QString kName = QStringLiteral("Name");
const QString kOrt = QStringLiteral("Ort");

// Names and places; IDs 1..6 in this order.
class PlacesTable : public TempTable
{
public:
    PlacesTable()
        : TempTable({{{kName, "Arndt"}, {kOrt, "Berlin"}},
                     {{kName, "Brandt"}, {kOrt, "Berliner Str."}},
                     {{kName, "Claus"}, {kOrt, "Bernau"}},
                     {{kName, "O'Brien"}, {kOrt, "Dublin"}},
                     {{kName, "Dietz"}},
                     {{kName, "Ebert"}, {kOrt, "berlin"}}})
    {
    }
    QStringList names() { return column(kName); }
};

// A composed expression for one condition, as the filter window builds it.
QString condition(const QString &field, int comparison, const QString &value)
{
    FilterExpression e;
    e.setPart(FilterExpression::Field1, field);
    e.setPart(FilterExpression::Operator1, FilterExpression::OperatorText(comparison));
    e.setPart(FilterExpression::Value1, FilterExpression::ValuePart(value));
    return e.expression();
}

} // namespace

class FilterExpressionTest : public QObject
{
    Q_OBJECT

private slots:
    void valuePart_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("part");
        QTest::newRow("empty is NULL") << ""
                                       << "NULL";
        QTest::newRow("prefix, a-z upper-cased") << "berlin"
                                                 << "'BERLIN*'";
        QTest::newRow("umlauts stay") << "müller"
                                      << "'MüLLER*'";
        QTest::newRow("blanks kept") << " a b"
                                     << "' A B*'";
        QTest::newRow("apostrophe doubled") << "O'Brien"
                                            << "'O''BRIEN*'";
        QTest::newRow("37 characters: whole")
            << QString(37, u'x') << u'\'' + QString(37, u'X') + QStringLiteral("*'");
        QTest::newRow("38 characters: closing quote lost")
            << QString(38, u'x') << u'\'' + QString(38, u'X') + u'*';
        QTest::newRow("cut between doubled apostrophes")
            << QString(38, u'x') + u'\'' << u'\'' + QString(38, u'X');
        QTest::newRow("cut after doubled apostrophes")
            << QString(36, u'x') + u'\'' << u'\'' + QString(36, u'X') + QStringLiteral("''*");
    }
    void valuePart()
    {
        QFETCH(QString, value);
        QFETCH(QString, part);
        QCOMPARE(FilterExpression::ValuePart(value), part);
        QVERIFY(part.size() <= FilterExpression::PartLength);
    }

    void expressionJoinsThePartsWithBlanks()
    {
        FilterExpression e;
        QCOMPARE(e.expression(), QString());
        e.setPart(FilterExpression::Field1, kOrt);
        e.setPart(FilterExpression::Operator1, QStringLiteral("="));
        e.setPart(FilterExpression::Value1, QStringLiteral("'BERLIN*'"));
        QCOMPARE(e.expression(), QStringLiteral("Ort = 'BERLIN*'"));
        e.setPart(FilterExpression::Connector, QStringLiteral("AND"));
        e.setPart(FilterExpression::Field2, kName);
        e.setPart(FilterExpression::Operator2, QStringLiteral("<>"));
        e.setPart(FilterExpression::Value2, QStringLiteral("NULL"));
        QCOMPARE(e.expression(), QStringLiteral("Ort = 'BERLIN*' AND Name <> NULL"));
        e.setPart(FilterExpression::Field2, QString(45, u'F'));
        QCOMPARE(e.part(FilterExpression::Field2), QString(40, u'F'));
    }

    void choicesWrapAround()
    {
        QStringList operators;
        int comparison = 1;
        for (int i = 0; i < 5; ++i) {
            operators << FilterExpression::OperatorText(comparison);
            comparison = FilterExpression::NextComparison(comparison);
        }
        QCOMPARE(operators, (QStringList{"=", "<>", "<", ">", "="}));
        QStringList connectors;
        int connector = 1;
        for (int i = 0; i < 4; ++i) {
            connectors << FilterExpression::ConnectorCaption(connector) + u'/' +
                              FilterExpression::ConnectorPart(connector);
            connector = FilterExpression::NextConnector(connector);
        }
        QCOMPARE(connectors, (QStringList{"keine zweite Bedingung/", "und/AND", "oder/OR",
                                          "keine zweite Bedingung/"}));
    }

    // The composed conditions against the store's filter.
    void composedConditionFilters_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("comparison");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("empty value: empty field") << kOrt << 1 << "" << QStringList{"Dietz"};
        QTest::newRow("empty value with <>: filled field")
            << kOrt << 2 << "" << QStringList{"Arndt", "Brandt", "Claus", "O'Brien", "Ebert"};
        QTest::newRow("berlin: prefix, any case")
            << kOrt << 1 << "berlin" << QStringList{"Arndt", "Brandt", "Ebert"};
        QTest::newRow("apostrophe in the value") << kName << 1 << "o'b" << QStringList{"O'Brien"};
        QTest::newRow("no apostrophe smuggles a condition")
            << kName << 1 << "x' OR Name <> '" << QStringList{};
    }
    void composedConditionFilters()
    {
        QFETCH(QString, field);
        QFETCH(int, comparison);
        QFETCH(QString, value);
        QFETCH(QStringList, names);
        PlacesTable p;
        ApplyFilter(p.table, condition(field, comparison, value));
        QVERIFY(p.table.isFiltered());
        QCOMPARE(p.names(), names);
    }

    // A value cut before its closing quote does not parse: the store says
    // so and the filter in force stays.
    void cutValueIsRejectedAndTheFilterStays()
    {
        PlacesTable p;
        ApplyFilter(p.table, condition(kOrt, 1, QStringLiteral("berlin")));
        const QString before = p.table.filter();
        const QString cut = condition(kName, 1, QString(38, u'a'));
        QVERIFY(!cut.endsWith(u'\''));
        QVERIFY_THROWS_EXCEPTION(TableError, ApplyFilter(p.table, cut));
        QCOMPARE(p.table.filter(), before);
        QVERIFY(p.table.isFiltered());
        QCOMPARE(p.names(), (QStringList{"Arndt", "Brandt", "Ebert"}));
        // The same when no filter was on.
        RemoveFilter(p.table);
        QVERIFY_THROWS_EXCEPTION(
            TableError, ApplyFilter(p.table, condition(kName, 1, QString(38, u'x') + u'\'')));
        QVERIFY(!p.table.isFiltered());
        QCOMPARE(p.table.recordCount(), 6);
    }

    void removeFilterShowsAllAndForgetsTheText()
    {
        PlacesTable p;
        ApplyFilter(p.table, QStringLiteral("Ort = NULL"));
        QCOMPARE(p.table.recordCount(), 1);
        RemoveFilter(p.table);
        QVERIFY(!p.table.isFiltered());
        QCOMPARE(p.table.filter(), QString());
        QCOMPARE(p.table.recordCount(), 6);
    }

    void filterButtonHint()
    {
        QCOMPARE(FilterButtonHint(true), QStringLiteral("Gewählten Filter ausschalten (F9)"));
        QCOMPARE(FilterButtonHint(false), QStringLiteral("Gewählten Filter einschalten (F9)"));
    }

    void presetExpressionIsApplied()
    {
        PlacesTable p;
        const QStringList presets{"BEZEICHNUNG|FILTERAUSDRUCK", "Alle| ",
                                  "Berliner|Ort = 'BERLIN*'"};
        ApplyPreset(p.table, presets, 1);
        QVERIFY(p.table.isFiltered());
        QCOMPARE(p.table.recordCount(), 3);
        QVERIFY_THROWS_EXCEPTION(
            TableError, ApplyPreset(p.table, {"BEZEICHNUNG|FILTERAUSDRUCK", "Kaputt|Ort = 'B"}, 0));
        QCOMPARE(p.table.filter(), QStringLiteral("Ort = 'BERLIN*'"));
    }
};

QTEST_GUILESS_MAIN(FilterExpressionTest)
#include "tst_filterexpression.moc"
