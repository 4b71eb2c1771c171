#include "TempTable.h"
#include "catalogue/Table.h"
#include "catalogue/TableError.h"
#include "platform/ScriptedUserInterface.h"
#include "search/RecordSearch.h"
#include "util/TextCase.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

using Record = TempTable::Record;
using SearchTable = TempTable;

const QString kName = QStringLiteral("Name");
const QString kOrt = QStringLiteral("Ort");
const QString kVorname = QStringLiteral("Vorname");

QList<Record> people()
{
    return {
        {{kName, QStringLiteral("Meyer")},
         {kVorname, QStringLiteral("Hans Peter")},
         {kOrt, QStringLiteral("Berlin")}},
        {{kName, QStringLiteral("Müller")}, {kOrt, QStringLiteral("Hamburg")}},
        {{kName, QStringLiteral("MüLLER")}, {kOrt, QStringLiteral("Köln")}},
        {{kName, QStringLiteral("MÜLLER")}, {kOrt, QStringLiteral("Bremen")}},
        {{kName, QStringLiteral("müller")}, {kOrt, QStringLiteral("Bonn")}},
        {{kName, QStringLiteral("Mayr")}, {kOrt, QStringLiteral("München")}},
        {{kName, QStringLiteral("Schmidt")}, {kOrt, QStringLiteral("Berlin")}},
        {{kName, QStringLiteral("Schulz")}, {kOrt, QStringLiteral("Potsdam")}},
    };
}

// "ID" of a hit, "weiter" for no further hit, "keins" for none at all.
QString describe(const RecordSearch::Result &r)
{
    switch (r.outcome) {
    case RecordSearch::Outcome::Hit:
        return r.id;
    case RecordSearch::Outcome::NoFurtherHit:
        return QStringLiteral("weiter");
    case RecordSearch::Outcome::NoHit:
        return QStringLiteral("keins");
    }
    return {};
}

QString currentId(Table &t)
{
    return t.fieldByName(QStringLiteral("ID")).asString();
}

} // namespace

class RecordSearchTest : public QObject
{
    Q_OBJECT

private slots:
    void levenshteinPercent_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("percent");
        QTest::newRow("both empty") << ""
                                    << "" << 0;
        QTest::newRow("word empty") << "A"
                                    << "" << 100;
        QTest::newRow("search empty") << ""
                                      << "ABC" << 100;
        QTest::newRow("equal") << "MEYER"
                               << "MEYER" << 0;
        QTest::newRow("Meier/Meyer: 1 of 5") << "MEIER"
                                             << "MEYER" << 20;
        QTest::newRow("Mair/Mayr: 1 of 4") << "MAIR"
                                           << "MAYR" << 25;
        QTest::newRow("Hans Peter/Hans: 6 of 4") << "HANS PETER"
                                                 << "HANS" << 150;
        QTest::newRow("Hans Peter/Peter: 5 of 5") << "HANS PETER"
                                                  << "PETER" << 100;
        QTest::newRow("kitten/sitting: 3 of 7") << "KITTEN"
                                                << "SITTING" << 42;
        QTest::newRow("insertion only: 6 of 8") << "AB"
                                                << "ABCDEFGH" << 75;
        QTest::newRow("deletion only: 2 of 3") << "ABCDE"
                                               << "ACE" << 66;
        QTest::newRow("transposition costs 2") << "ABCD"
                                               << "ABDC" << 50;
        QTest::newRow("umlaut is one character") << "MÜLLER"
                                                 << "MULLER" << 16;
        QTest::newRow("umlauts against vowels") << "ÄÖÜ"
                                                << "AOU" << 100;
        QTest::newRow("case counts") << "a"
                                     << "A" << 100;
        QTest::newRow("long word: 3 of 13") << "DONAUDAMPFXYZ"
                                            << "DONAUDAMPFSCH" << 23;
    }
    void levenshteinPercent()
    {
        QFETCH(QString, search);
        QFETCH(QString, word);
        QFETCH(int, percent);
        QCOMPARE(LevenshteinPercent(search, word), percent);
    }

    // The distance a word of each length tolerates: 4 x D < length.
    void fuzzyRuleByWordLength_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("largestDistance");
        for (int length = 1; length <= 16; ++length)
            QTest::addRow("length %d", length) << length << (length - 1) / 4;
    }
    void fuzzyRuleByWordLength()
    {
        QFETCH(int, length);
        QFETCH(int, largestDistance);
        // Umlauts in the word: each counts as one character.
        const QString word = QString(length, u'ä');
        FuzzyMatcher matcher;
        for (int distance = 0; distance <= largestDistance + 1; ++distance) {
            QString search = word;
            for (int i = 0; i < distance; ++i)
                search[i] = u'x';
            matcher.setSearchText(search);
            QCOMPARE(matcher.matches(word), distance <= largestDistance);
            QCOMPARE(LevenshteinPercent(search, word) < 25, distance <= largestDistance);
        }
    }

    void fuzzyMatcherUpperCasesOnlyAsciiLetters_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("matches");
        QTest::newRow("Meier finds Meyer") << "MEIER"
                                           << "Meyer" << true;
        QTest::newRow("Mair misses Mayr") << "Mair"
                                          << "Mayr" << false;
        QTest::newRow("lower search, upper word") << "schmidt"
                                                  << "SCHMIDT" << true;
        QTest::newRow("ü and Ü differ") << "mül"
                                        << "MÜL" << false;
        QTest::newRow("ü and Ü cost one of six") << "müller"
                                                 << "MÜLLER" << true;
        QTest::newRow("Mueller/Müller: 2 of 6") << "Mueller"
                                                << "Müller" << false;
        QTest::newRow("Müler/Müller: 1 of 6") << "Müler"
                                              << "müller" << true;
        QTest::newRow("search much shorter") << "Be"
                                             << "Berlin" << false;
        QTest::newRow("empty against empty") << ""
                                             << "" << true;
        QTest::newRow("empty against word") << ""
                                            << "a" << false;
        QTest::newRow("search against empty") << "a"
                                              << "" << false;
    }
    void fuzzyMatcherUpperCasesOnlyAsciiLetters()
    {
        QFETCH(QString, search);
        QFETCH(QString, word);
        QFETCH(bool, matches);
        FuzzyMatcher matcher(search);
        QCOMPARE(matcher.matches(word), matches);
    }

    // The walk's matcher takes short cuts; it must agree with the plain rule.
    void fuzzyMatcherAgreesWithLevenshteinPercent()
    {
        const QString alphabet = QStringLiteral("abAäÄ ");
        QRandomGenerator random(4711);
        const auto randomText = [&] {
            QString s;
            const int n = random.bounded(0, 14);
            for (int i = 0; i < n; ++i)
                s += alphabet.at(random.bounded(int(alphabet.size())));
            return s;
        };
        FuzzyMatcher matcher;
        for (int i = 0; i < 20000; ++i) {
            const QString search = randomText();
            const QString word = randomText();
            matcher.setSearchText(search);
            const bool expected = LevenshteinPercent(AsciiUpper(search), AsciiUpper(word)) < 25;
            if (matcher.matches(word) != expected)
                QFAIL(qPrintable(QStringLiteral("'%1' against '%2'").arg(search, word)));
        }
    }

    void splitBySeparator_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("pieces");
        QTest::newRow("Hans Peter") << "Hans Peter"
                                    << " " << QStringList{"Hans", "Peter"};
        QTest::newRow("no blank") << "Meyer"
                                  << " " << QStringList{"Meyer"};
        QTest::newRow("two blanks") << "Hans  Peter"
                                    << " " << QStringList{"Hans", "", "Peter"};
        QTest::newRow("blanks at both ends") << " a "
                                             << " " << QStringList{"", "a", ""};
        QTest::newRow("empty text") << ""
                                    << " " << QStringList{""};
        QTest::newRow("only the separator") << " "
                                            << " " << QStringList{"", ""};
        QTest::newRow("longer separator") << "a||b|c"
                                          << "||" << QStringList{"a", "b|c"};
        QTest::newRow("empty separator") << "a b"
                                         << "" << QStringList{"a b"};
    }
    void splitBySeparator()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(QStringList, pieces);
        QCOMPARE(SplitBySeparator(text, separator), pieces);
    }

    // Repeated searches from a reset: hits in table order, then the message
    // at the end, again on every further search.
    void searchSequence_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fuzzy");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QStringList>("outcomes");
        const auto row = [](const char *name, const QString &text, bool fuzzy, bool caseSensitive,
                            bool backwards, const QStringList &outcomes) {
            QTest::newRow(name) << text << fuzzy << caseSensitive << backwards << outcomes;
        };
        row("Müller finds MüLLER and müller, not MÜLLER", "Müller", false, false, false,
            {"2", "3", "5", "weiter", "weiter"});
        row("backwards", "Müller", false, false, true, {"5", "3", "2", "weiter", "weiter"});
        row("case box: exact letters", "Müller", false, true, false, {"2", "weiter"});
        row("MÜLLER finds only MÜLLER", "MÜLLER", false, false, false, {"4", "weiter"});
        row("search text trimmed", "  berlin ", false, false, false, {"1", "7", "weiter"});
        row("hit on the last record, continued", "Potsdam", false, false, false,
            {"8", "weiter", "weiter"});
        row("hit on the first record, continued backwards", "Meyer", false, false, true,
            {"1", "weiter", "weiter"});
        row("nothing from the start", "Xaver", false, false, false, {"keins", "keins"});
        row("empty search text finds nothing", "", false, false, false, {"keins"});
        row("exact finds a field with a blank", "Hans Peter", false, false, false, {"1", "weiter"});
        row("fuzzy: Meier finds Meyer", "MEIER", true, false, false, {"1", "weiter"});
        row("fuzzy: Mair does not find Mayr", "Mair", true, false, false, {"keins"});
        row("fuzzy compares words only", "Hans Peter", true, false, false, {"keins"});
        row("fuzzy: one typo, umlaut kept", "müler", true, false, false, {"2", "3", "5", "weiter"});
        row("fuzzy backwards at the first record", "Meier", true, false, true,
            {"1", "weiter", "weiter"});
        row("fuzzy continued at the last record", "Schulze", true, false, false,
            {"8", "weiter", "weiter"});
    }
    void searchSequence()
    {
        QFETCH(QString, text);
        QFETCH(bool, fuzzy);
        QFETCH(bool, caseSensitive);
        QFETCH(bool, backwards);
        QFETCH(QStringList, outcomes);
        SearchTable st(people());
        ScriptedUserInterface ui;
        RecordSearch search(ui);
        search.setSearchText(text);
        search.setCaseSensitive(caseSensitive);
        search.Reset(st.table, backwards);
        QStringList seen;
        for (qsizetype i = 0; i < outcomes.size(); ++i) {
            const RecordSearch::Result r = fuzzy ? search.SearchFuzzy(st.table, backwards)
                                                 : search.SearchExact(st.table, backwards);
            seen << describe(r);
            // A hit leaves the table on the record found.
            if (r.outcome == RecordSearch::Outcome::Hit)
                QCOMPARE(currentId(st.table), r.id);
        }
        QCOMPARE(seen, outcomes);
        QCOMPARE(ui.waitDepth(), 0);
        QVERIFY(!st.table.controlsDisabled());
        QVERIFY(ui.entries().isEmpty());
    }

    void hitReportsIdNameAndTheWholeField()
    {
        SearchTable st(people());
        ScriptedUserInterface ui;
        RecordSearch search(ui);
        search.setSearchText(QStringLiteral("peter"));
        search.Reset(st.table, false);
        const RecordSearch::Result r = search.SearchExact(st.table, false);
        QCOMPARE(r.outcome, RecordSearch::Outcome::Hit);
        QCOMPARE(r.id, QStringLiteral("1"));
        QCOMPARE(r.name, QStringLiteral("Meyer"));
        QCOMPARE(r.fieldText, QStringLiteral("Hans Peter"));
        QCOMPARE(r.field, st.table.fieldIndex(kVorname));
        QVERIFY(search.searchContinues());
    }

    // "a" occurs in "Falsch" and "Wahr": a set mark matches through its text.
    void markTextIsSearchedToo()
    {
        SearchTable st({{{kName, QStringLiteral("Zorn")}},
                        {{kName, QStringLiteral("Bott")}, {QStringLiteral("Selected"), "False"}},
                        {{kName, QStringLiteral("Holt")}, {QStringLiteral("Selected"), "True"}}});
        ScriptedUserInterface ui;
        RecordSearch search(ui);
        search.setSearchText(QStringLiteral("a"));
        search.Reset(st.table, false);
        const RecordSearch::Result first = search.SearchExact(st.table, false);
        QCOMPARE(first.id, QStringLiteral("2"));
        QCOMPARE(first.fieldText, QStringLiteral("Falsch"));
        QCOMPARE(search.SearchExact(st.table, false).fieldText, QStringLiteral("Wahr"));
    }

    // An empty fuzzy search text matches an empty piece: an empty field,
    // two blanks in a row or a blank at either end.
    void fuzzyEmptyTextFindsEmptyPieces()
    {
        const QList<FieldDef> fields{{QStringLiteral("ID"), FieldType::AutoInc, 0, false},
                                     {kName, FieldType::String, 40, false},
                                     {kOrt, FieldType::String, 40, false}};
        const QList<IndexDef> indexes{{QStringLiteral("ID"), {QStringLiteral("ID")}, true}};
        SearchTable st({{{kName, "Anna Berg"}, {kOrt, "Ulm"}},
                        {{kName, "Carl  Dorn"}, {kOrt, "Ulm"}},
                        {{kName, "Emil"}, {kOrt, "Bad "}},
                        {{kName, "Fritz"}, {kOrt, "Jena"}},
                        {{kName, "Gerd"}}},
                       fields, indexes);
        ScriptedUserInterface ui;
        RecordSearch search(ui);
        search.setSearchText(QString());
        search.Reset(st.table, false);
        QStringList seen;
        for (int i = 0; i < 4; ++i)
            seen << describe(search.SearchFuzzy(st.table, false));
        QCOMPARE(seen, (QStringList{"2", "3", "5", "weiter"}));
    }

    // Moving to the other end after a hit keeps the position: the next
    // backward search starts at the second-to-last record.
    void reverseStartKeepsContinuing()
    {
        SearchTable st(people());
        ScriptedUserInterface ui;
        RecordSearch search(ui);
        search.setSearchText(QStringLiteral("Berlin"));
        search.Reset(st.table, false);
        QCOMPARE(describe(search.SearchExact(st.table, false)), QStringLiteral("1"));
        RecordSearch::MoveToStart(st.table, true);
        QVERIFY(search.searchContinues());
        QCOMPARE(currentId(st.table), QStringLiteral("8"));
        QCOMPARE(describe(search.SearchExact(st.table, true)), QStringLiteral("7"));

        // Record 8 itself is skipped when it is the hit.
        search.setSearchText(QStringLiteral("Potsdam"));
        search.Reset(st.table, false);
        QCOMPARE(describe(search.SearchExact(st.table, false)), QStringLiteral("8"));
        RecordSearch::MoveToStart(st.table, true);
        QCOMPARE(describe(search.SearchExact(st.table, true)), QStringLiteral("weiter"));
        QCOMPARE(currentId(st.table), QStringLiteral("1"));
    }

    // A fresh fuzzy search runs on from the current record; the record it
    // stands on counts even when the store's end flag is still set from
    // moving there.
    void freshFuzzySearchStartsAtTheCurrentRecord()
    {
        SearchTable st(people());
        ScriptedUserInterface ui;
        RecordSearch search(ui);
        search.setSearchText(QStringLiteral("Schulz"));
        st.table.last();
        QVERIFY(st.table.eof());
        QCOMPARE(describe(search.SearchFuzzy(st.table, false)), QStringLiteral("8"));

        search.setSearchText(QStringLiteral("Müller"));
        search.setSearchContinues(false);
        st.table.moveTo(3); // ID 4, "MÜLLER": one letter off
        QCOMPARE(describe(search.SearchFuzzy(st.table, false)), QStringLiteral("4"));
        // The exact search always starts from the first record.
        search.setSearchContinues(false);
        st.table.moveTo(3);
        QCOMPARE(describe(search.SearchExact(st.table, false)), QStringLiteral("2"));
    }

    void emptyTableFindsNothing_data()
    {
        QTest::addColumn<bool>("fuzzy");
        QTest::addColumn<bool>("backwards");
        QTest::newRow("exact") << false << false;
        QTest::newRow("exact backwards") << false << true;
        QTest::newRow("fuzzy") << true << false;
        QTest::newRow("fuzzy backwards") << true << true;
    }
    void emptyTableFindsNothing()
    {
        QFETCH(bool, fuzzy);
        QFETCH(bool, backwards);
        SearchTable st({});
        ScriptedUserInterface ui;
        RecordSearch search(ui);
        search.setSearchText(fuzzy ? QString() : QStringLiteral("x"));
        search.Reset(st.table, backwards);
        const auto r = fuzzy ? search.SearchFuzzy(st.table, backwards)
                             : search.SearchExact(st.table, backwards);
        QCOMPARE(r.outcome, RecordSearch::Outcome::NoHit);
    }

    // A table without Name cannot show a hit: the store's error comes out,
    // and neither the wait cursor nor the suspended grid stays behind.
    void storeErrorRestoresCursorAndControls()
    {
        const QList<FieldDef> fields{{QStringLiteral("ID"), FieldType::AutoInc, 0, false},
                                     {kOrt, FieldType::String, 40, false}};
        const QList<IndexDef> indexes{{QStringLiteral("ID"), {QStringLiteral("ID")}, true}};
        SearchTable st({{{kOrt, "Ulm"}}}, fields, indexes);
        ScriptedUserInterface ui;
        RecordSearch search(ui);
        search.setSearchText(QStringLiteral("ulm"));
        search.Reset(st.table, false);
        QVERIFY_THROWS_EXCEPTION(TableError, search.SearchExact(st.table, false));
        QCOMPARE(ui.waitDepth(), 0);
        QVERIFY(!st.table.controlsDisabled());
    }
};

QTEST_GUILESS_MAIN(RecordSearchTest)
#include "tst_recordsearch.moc"
