#include "util/TextCase.h"
#include "util/Words.h"

#include <QTest>

class TestWords : public QObject
{
    Q_OBJECT

private slots:
    void words_data();
    void words();
    void inDelimiterSet_data();
    void inDelimiterSet();
    void trimControl_data();
    void trimControl();
    void fieldAtDefaultsToPipe();
    void padToWidth_data();
    void padToWidth();
    void asciiCase_data();
    void asciiCase();
};

void TestWords::words_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("delimiters");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("start"); // 0: word n does not exist
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("total");

    QTest::newRow("third field") << "Name| ftString|60"
                                 << "|" << 3 << "60" << 16 << "60" << 3;
    QTest::newRow("untrimmed word") << "Name| ftString|60"
                                    << "|" << 2 << " ftString" << 6 << "ftString" << 3;
    QTest::newRow("empty field does not count") << "Name||60"
                                                << "|" << 2 << "60" << 7 << "60" << 2;
    QTest::newRow("beyond the last word") << "a|b"
                                          << "|" << 4 << "" << 0 << "" << 2;
    QTest::newRow("only delimiters") << "||"
                                     << "|" << 1 << "" << 0 << "" << 0;
    QTest::newRow("empty line") << ""
                                << "|" << 1 << "" << 0 << "" << 0;
    QTest::newRow("run of semicolons") << "a;b;;c"
                                       << ";" << 3 << "c" << 6 << "c" << 3;
    QTest::newRow("trailing delimiter") << "a||b|"
                                        << "|" << 2 << "b" << 4 << "b" << 2;
    QTest::newRow("leading delimiters") << "||x||y"
                                        << "|" << 2 << "y" << 6 << "y" << 2;
    QTest::newRow("blank word") << " | x"
                                << "|" << 1 << " " << 1 << "" << 2;
    QTest::newRow("blank before word") << " | x"
                                       << "|" << 2 << " x" << 3 << "x" << 2;
    QTest::newRow("several delimiters") << "Herr=1;Frau=2"
                                        << "=;" << 3 << "Frau" << 8 << "Frau" << 4;
    QTest::newRow("other delimiter kept") << "Herr=1;Frau=2"
                                          << ";" << 2 << "Frau=2" << 8 << "Frau=2" << 2;
    QTest::newRow("empty set: one word") << "a|b"
                                         << "" << 1 << "a|b" << 1 << "a|b" << 1;
    QTest::newRow("word zero") << "a|b"
                               << "|" << 0 << "" << 0 << "" << 2;
    QTest::newRow("negative word") << "a|b"
                                   << "|" << -1 << "" << 0 << "" << 2;
    QTest::newRow("umlauts") << "Müller|Straße"
                             << "|" << 2 << "Straße" << 8 << "Straße" << 2;
    QTest::newRow("control chars trimmed") << "x|\t y\r"
                                           << "|" << 2 << "\t y\r" << 3 << "y" << 2;
}

void TestWords::words()
{
    QFETCH(QString, line);
    QFETCH(QString, delimiters);
    QFETCH(int, n);
    QFETCH(QString, word);
    QFETCH(int, start);
    QFETCH(QString, field);
    QFETCH(int, total);

    QCOMPARE(WordAt(n, line, delimiters), word);
    int position = -7;
    QCOMPARE(WordStart(n, line, delimiters, &position), start > 0);
    if (start > 0)
        QCOMPARE(position, start);
    QCOMPARE(FieldAt(line, n, delimiters), field);
    QCOMPARE(WordTotal(line, delimiters), total);
}

void TestWords::inDelimiterSet_data()
{
    QTest::addColumn<QString>("delimiters");
    QTest::addColumn<QChar>("c");
    QTest::addColumn<bool>("expected");

    QTest::newRow("in set") << "|;" << QChar(u';') << true;
    QTest::newRow("not in set") << "|;" << QChar(u',') << false;
    QTest::newRow("empty set") << "" << QChar(u'|') << false;
    QTest::newRow("case matters") << "a" << QChar(u'A') << false;
    QTest::newRow("umlaut") << "ä" << QChar(u'ä') << true;
}

void TestWords::inDelimiterSet()
{
    QFETCH(QString, delimiters);
    QFETCH(QChar, c);
    QFETCH(bool, expected);
    QCOMPARE(InDelimiterSet(delimiters, c), expected);
}

void TestWords::trimControl_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("blanks") << "  a b  "
                            << "a b";
    QTest::newRow("controls") << QString(QChar(0)) + "\x01\t\r\nx\x1f "
                              << "x";
    QTest::newRow("only controls") << "\t\r\n "
                                   << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("DEL is kept") << "\x7fx\x7f"
                                 << "\x7fx\x7f";
    QTest::newRow("no-break space is kept") << "\u00A0x\u00A0"
                                            << "\u00A0x\u00A0";
}

void TestWords::trimControl()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(TrimControl(text), expected);
}

void TestWords::fieldAtDefaultsToPipe()
{
    QCOMPARE(FieldAt("Anrede | ftString ;x|20", 2), QStringLiteral("ftString ;x"));
}

void TestWords::padToWidth_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("fill");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");

    QTest::newRow("longer is never cut") << "abcdef" << QChar(u'*') << 3 << "abcdef";
    QTest::newRow("filled on the right") << "ab" << QChar(u' ') << 5 << "ab   ";
    QTest::newRow("exact width") << "abc" << QChar(u'0') << 3 << "abc";
    QTest::newRow("empty") << "" << QChar(u'.') << 2 << "..";
    QTest::newRow("umlaut counts once") << "ä" << QChar(u'x') << 3 << "äxx";
    QTest::newRow("negative width") << "a" << QChar(u'x') << -1 << "a";
}

void TestWords::padToWidth()
{
    QFETCH(QString, text);
    QFETCH(QChar, fill);
    QFETCH(int, width);
    QFETCH(QString, expected);
    QCOMPARE(PadToWidth(text, fill, width), expected);
}

void TestWords::asciiCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");

    QTest::newRow("umlauts stay") << "Müller Straße ÄÖÜ äöü"
                                  << "MüLLER STRAßE ÄÖÜ äöü"
                                  << "müller straße ÄÖÜ äöü";
    QTest::newRow("range edges") << "@AZ[`az{"
                                 << "@AZ[`AZ{"
                                 << "@az[`az{";
    QTest::newRow("accents stay") << "éÉñÑ"
                                  << "éÉñÑ"
                                  << "éÉñÑ";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void TestWords::asciiCase()
{
    QFETCH(QString, text);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    const QString original = text;
    QCOMPARE(AsciiUpper(text), upper);
    QCOMPARE(AsciiLower(text), lower);
    QCOMPARE(text, original);
}

QTEST_APPLESS_MAIN(TestWords)
#include "tst_words.moc"
