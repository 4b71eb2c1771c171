#include "util/Gradient.h"

#include <QTest>

class TestGradient : public QObject
{
    Q_OBJECT

private slots:
    void colorAt_data();
    void colorAt();
};

void TestGradient::colorAt_data()
{
    QTest::addColumn<QColor>("start");
    QTest::addColumn<QColor>("end");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("length");
    QTest::addColumn<QColor>("expected");

    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    QTest::newRow("top") << black << white << 0 << 256 << black;
    QTest::newRow("bottom") << black << white << 255 << 256 << white;
    QTest::newRow("middle") << black << white << 128 << 256 << QColor(128, 128, 128);
    // 200 - 200/3 = 133.3 truncates to 133 (not 200 + trunc(-66.7) = 134).
    QTest::newRow("falling channel")
        << QColor(200, 100, 50) << black << 1 << 4 << QColor(133, 66, 33);
    QTest::newRow("rising channel")
        << QColor(10, 0, 250) << QColor(20, 255, 0) << 1 << 3 << QColor(15, 127, 125);
    QTest::newRow("resolved to RGB")
        << QColor::fromHsv(0, 255, 255) << QColor::fromHsv(240, 255, 255) << 0 << 2
        << QColor(255, 0, 0);
    QTest::newRow("length 1") << black << white << 0 << 1 << black;
    QTest::newRow("length 0") << black << white << 5 << 0 << black;
    QTest::newRow("above the top") << black << white << -5 << 10 << black;
    QTest::newRow("below the bottom") << black << white << 50 << 10 << white;
}

void TestGradient::colorAt()
{
    QFETCH(QColor, start);
    QFETCH(QColor, end);
    QFETCH(int, position);
    QFETCH(int, length);
    QFETCH(QColor, expected);
    const QColor actual = GradientColorAt(start, end, position, length);
    QCOMPARE(actual.spec(), QColor::Rgb);
    QCOMPARE(actual, expected);
}

QTEST_APPLESS_MAIN(TestGradient)
#include "tst_gradient.moc"
