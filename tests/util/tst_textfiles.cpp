#include "util/Cp1252.h"
#include "util/LineFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestTextFiles : public QObject
{
    Q_OBJECT

private slots:
    void cp1252_data();
    void cp1252();
    void decodeImportedText_data();
    void decodeImportedText();
    void readLineFile_data();
    void readLineFile();
    void writeLineFile();
    void missingFiles();
};

void TestTextFiles::cp1252_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("roundTrip");

    QTest::newRow("umlauts") << "Grüße Äpfel Öl ü"
                             << QByteArray("Gr\xFC\xDF"
                                           "e \xC4pfel \xD6l \xFC")
                             << true;
    QTest::newRow("euro sign") << "5 €" << QByteArray("5 \x80") << true;
    QTest::newRow("typographic") << "„Zitat“ – …" << QByteArray("\x84Zitat\x93 \x96 \x85") << true;
    QTest::newRow("undefined byte") << QString(QChar(0x81)) << QByteArray("\x81") << true;
    QTest::newRow("unmappable") << "Łx" << QByteArray("?x") << false;
    QTest::newRow("surrogate pair is one character") << "a😀b" << QByteArray("a?b") << false;
}

void TestTextFiles::cp1252()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, roundTrip);
    QCOMPARE(ToCp1252(text), bytes);
    if (roundTrip)
        QCOMPARE(FromCp1252(bytes), text);
}

void TestTextFiles::decodeImportedText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("UTF-8") << QByteArray("Gr\xC3\xBC\xC3\x9F"
                                         "e \xE2\x82\xAC")
                           << "Grüße €";
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBFK\xC3\xB6ln") << "Köln";
    QTest::newRow("Windows-1252") << QByteArray("Gr\xFC\xDF"
                                                "e \x80")
                                  << "Grüße €";
    QTest::newRow("ASCII") << QByteArray("Berlin") << "Berlin";
}

void TestTextFiles::decodeImportedText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeImportedText(bytes), text);
}

void TestTextFiles::readLineFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("LF") << QByteArray("a\nb") << QStringList{"a", "b"};
    QTest::newRow("mixed") << QByteArray("a\r\nb\rc\nd") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("empty lines kept")
        << QByteArray("a\r\n\r\nb\r\n\r\n") << QStringList{"a", "", "b", ""};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("Windows-1252") << QByteArray("Stra\xDF"
                                                "e|K\xF6ln|\x80\r\n")
                                  << QStringList{"Straße|Köln|€"};
}

void TestTextFiles::readLineFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("lines.txt"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();

    bool ok = false;
    QCOMPARE(ReadLineFile(path, &ok), lines);
    QVERIFY(ok);
}

void TestTextFiles::writeLineFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    QVERIFY(WriteLineFile(path, {"old", "content", "longer than the new one"}));

    const QStringList lines{"Name|Straße", "", "Łódź 5 €"};
    QString error;
    QVERIFY(WriteLineFile(path, lines, &error));
    QVERIFY(error.isEmpty());

    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("Name|Stra\xDF"
                                     "e\r\n\r\n?\xF3"
                                     "d? 5 \x80\r\n"));
    QCOMPARE(ReadLineFile(path), (QStringList{"Name|Straße", "", "?ód? 5 €"}));
}

void TestTextFiles::missingFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    bool ok = true;
    QVERIFY(ReadLineFile(dir.filePath(QStringLiteral("none.txt")), &ok).isEmpty());
    QVERIFY(!ok);

    QString error;
    QVERIFY(!WriteLineFile(dir.filePath(QStringLiteral("no/such/folder.txt")), {"x"}, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_APPLESS_MAIN(TestTextFiles)
#include "tst_textfiles.moc"
