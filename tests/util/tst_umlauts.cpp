#include "util/Cp1252.h"
#include "util/Umlauts.h"

#include <QTest>

namespace {

// Text as it appears when these Windows-1252 bytes are read.
QString cp(const char *bytes)
{
    return FromCp1252(QByteArray(bytes));
}

} // namespace

class TestUmlauts : public QObject
{
    Q_OBJECT

private slots:
    void repairUmlauts_data();
    void repairUmlauts();
    void tableNameFromTitle_data();
    void tableNameFromTitle();
};

void TestUmlauts::repairUmlauts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    // One row per replacement, each inside a word so neighbours must survive.
    const struct
    {
        const char *bytes;
        const char *replacement;
    } rules[] = {
        {"\xC3\x9C", "Ü"}, {"\xC3\xBC", "ü"}, {"\xC3\x84", "Ä"},    {"\xC3\x22", "Ä"},
        {"\xC3\xA4", "ä"}, {"\xC3\xFB", "Ö"}, {"\xC3\x96", "Ö"},    {"\xC3\xB6", "ö"},
        {"\xC3\x9F", "ß"}, {"\x80", "Euro"},  {"\xE2\x82", "Euro"}, {"\xE9\xBC", "ü"},
        {"\xE9\xB6", "ö"}, {"\xE9\xA4", "ä"}, {"\xE9\x9C", "Ü"},    {"\xE9\x96", "Ö"},
        {"\xE9\x84", "Ä"}, {"\xE9\x9F", "ß"}, {"\xA1\xE9", "è"},    {"\xE9\xA9", "á"},
        {"\xE9\xA8", "à"}, {"\xE9\xB3", "ó"}, {"\xE9\xB2", "ò"},    {"\xE9\xB4", "ô"},
    };
    int row = 1;
    for (const auto &rule : rules) {
        QTest::addRow("row %d", row++)
            << cp((QByteArray("x") + rule.bytes + "y" + rule.bytes).constData())
            << u'x' + QString::fromUtf8(rule.replacement) + u'y' +
                   QString::fromUtf8(rule.replacement);
    }

    QTest::newRow("UTF-8 read as 1252") << cp("Gr\xC3\xBC\xC3\x9F"
                                              "e")
                                        << "Grüße";
    QTest::newRow("euro sign") << "5 €"
                               << "5 Euro";
    QTest::newRow("UTF-8 euro keeps its last byte") << cp("\xE2\x82\xAC") << "Euro¬";
    // The E9 rules run before A1 E9, so "¡é¼" loses its E9 to the ü.
    QTest::newRow("order") << cp("\xA1\xE9\xBC") << "¡ü";
    QTest::newRow("correct text unchanged") << "Straße 5, Köln – „Ä“"
                                            << "Straße 5, Köln – „Ä“";
    QTest::newRow("outside Windows-1252") << "Łódź"
                                          << "?ód?";
    QTest::newRow("empty") << ""
                           << "";
}

void TestUmlauts::repairUmlauts()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(RepairUmlauts(text), expected);
}

void TestUmlauts::tableNameFromTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("expected");

    QTest::newRow("example") << "Haus & Hof (Süd)"
                             << "haus_a_hof_xsuedx";
    QTest::newRow("hyphen and dot") << "Müller-Lüdenscheid 2.0"
                                    << "mueller_luedenscheid_2_0";
    QTest::newRow("umlauts spelled out") << "ÄÖÜäöüß"
                                         << "aeoeueaeoeuess";
    QTest::newRow("to underscore") << "A'b\"c!d$e%f=g§h,i´j`k?l"
                                   << "a_b_c_d_e_f_g_h_i_j_k_l";
    QTest::newRow("accents to underscore") << "éáúóêâûô"
                                           << "________";
    QTest::newRow("to x") << "C:\\Daten/Test*<>"
                          << "cxxdatenxtestxxx";
    QTest::newRow("other characters pass") << "Señor Niño à la Crème #1+@;"
                                           << "señor_niño_à_la_crème_#1+@;";
    QTest::newRow("euro spelled out") << "Preis 5€"
                                      << "preis_5euro";
    QTest::newRow("mis-encoded umlaut repaired") << cp("Gr\xC3\xBCn") << "gruen";
    QTest::newRow("outside Windows-1252") << "Łódź"
                                          << "__d_";
    QTest::newRow("empty") << ""
                           << "";
}

void TestUmlauts::tableNameFromTitle()
{
    QFETCH(QString, title);
    QFETCH(QString, expected);
    QCOMPARE(TableNameFromTitle(title), expected);
}

QTEST_APPLESS_MAIN(TestUmlauts)
#include "tst_umlauts.moc"
