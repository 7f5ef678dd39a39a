#include "reports/RealTimeGeometry.h"

#include <QtTest>

using namespace kelvra::realtime;

class TestRealTimeGeometry : public QObject
{
    Q_OBJECT

private slots:
    void slotsAcrossTheDepartment()
    {
        const QList<TileSlots> tiles = layoutTiles({"TRH", "TRH", "T"});
        QCOMPARE(tiles.size(), 3);
        QCOMPARE(tiles[0].temperatureBar, (BarSpan{30, 60}));
        QVERIFY(tiles[0].hasHumidityBar);
        QCOMPARE(tiles[0].humidityBar, (BarSpan{150, 180}));
        QCOMPARE(tiles[0].humidityLabelX(), 150);
        QCOMPARE(tiles[1].temperatureBar, (BarSpan{270, 300}));
        QCOMPARE(tiles[1].humidityBar, (BarSpan{390, 420}));
        QCOMPARE(tiles[2].firstSlot, 4);
        QCOMPARE(tiles[2].temperatureBar, (BarSpan{510, 540}));
        QVERIFY(!tiles[2].hasHumidityBar);
        QCOMPARE(tiles[2].labelX(), 510);
        QCOMPARE(surfaceWidth({"TRH", "TRH", "T"}), 600);
        QCOMPARE(surfaceWidth({"THS", "T"}), 240);
        QCOMPARE(surfaceWidth({}), 0);
    }

    void scaleInFahrenheit()
    {
        const Scale f = temperatureScale(5.0, 3.0, true);
        QCOMPARE(f.expected, 41.0);
        QCOMPARE(f.deviation, 5.4);
        QVERIFY(qFuzzyCompare(f.low, 35.6));
        QVERIFY(qFuzzyCompare(f.high, 46.4));
        QVERIFY(qFuzzyCompare(f.bottom, 24.8));
        QVERIFY(qFuzzyCompare(f.top, 57.2));
        const Scale c = temperatureScale(5.0, 3.0, false);
        QCOMPARE(c.low, 2.0);
        QCOMPARE(c.high, 8.0);
        QCOMPARE(c.bottom, -4.0);
        QCOMPARE(c.top, 14.0);
    }

    void valueLine_data()
    {
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("deviation");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("y");
        // 4 C shown in F against 5 +- 3 C: 90 + round(1.8 * 100 / 21.6).
        QTest::newRow("4 C in F") << 41.0 << 5.4 << 39.2 << 98;
        QTest::newRow("on expected") << 20.0 << 2.0 << 20.0 << 90;
        QTest::newRow("on high") << 20.0 << 2.0 << 22.0 << 65;
        QTest::newRow("on low") << 20.0 << 2.0 << 18.0 << 115;
        QTest::newRow("three deviations up") << 20.0 << 2.0 << 26.0 << 15;
        // 12.5 pixels: halves go to the even neighbour, both ways.
        QTest::newRow("half up to even") << 0.0 << 1.0 << -0.5 << 102;
        QTest::newRow("half down to even") << 0.0 << 1.0 << 0.5 << 78;
        QTest::newRow("off the scale is drawn there") << 0.0 << 1.0 << -40.0 << 1090;
        QTest::newRow("no deviation, on expected") << 5.0 << 0.0 << 5.0 << 90;
        QTest::newRow("no deviation, above") << 5.0 << 0.0 << 5.1 << 10;
        QTest::newRow("no deviation, below") << 5.0 << 0.0 << 4.9 << 170;
    }

    void valueLine()
    {
        QFETCH(double, expected);
        QFETCH(double, deviation);
        QFETCH(double, value);
        QFETCH(int, y);
        QCOMPARE(valueLineY(scaleAround(expected, deviation), value), y);
    }

    // A zero deviation never borrows another tile's offset: the answer depends on this
    // tile alone, whatever was computed before.
    void zeroDeviationIsIndependentOfEarlierTiles()
    {
        QCOMPARE(valueLineY(scaleAround(41.0, 5.4), 39.2), 98);
        QCOMPARE(valueLineY(scaleAround(5.0, 0.0), 5.0), kBarCentre);
    }

    void ticks()
    {
        const QList<int> rows = tickRows();
        QCOMPARE(rows.size(), 16);
        QCOMPARE(rows.first(), 10);
        QCOMPARE(rows.last(), 160);
    }

    void coloursPerLook()
    {
        const BarColours reading = temperatureBarColours(BarLook::Reading);
        QCOMPARE(reading.upper, QColor("#ff0000"));
        QCOMPARE(reading.lower, QColor("#0000ff"));
        QCOMPARE(reading.band, QColor("#008000"));
        const BarColours fault = temperatureBarColours(BarLook::ProbeFault);
        QCOMPARE(fault.upper, QColor("#800080"));
        QCOMPARE(fault.lower, QColor("#800080"));
        QCOMPARE(fault.band, QColor("#ffff00"));
        const BarColours none = temperatureBarColours(BarLook::NoReading);
        QCOMPARE(none.upper, QColor("#000000"));
        QCOMPARE(none.band, QColor("#808080"));
        QCOMPARE(humidityBarColours().upper, QColor("#ffff00"));
        QCOMPARE(humidityBarColours().band, QColor("#008000"));
    }
};

QTEST_APPLESS_MAIN(TestRealTimeGeometry)
#include "test_realtime_geometry.moc"
