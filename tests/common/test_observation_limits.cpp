#include "common/NumberText.h"
#include "common/SensorFacts.h"
#include "common/TextSymbols.h"

#include <QtTest>

#include <limits>

using namespace kelvra;

Q_DECLARE_METATYPE(kelvra::RangePosition)

class TestObservationLimits : public QObject
{
    Q_OBJECT

private slots:
    void fahrenheit_data()
    {
        QTest::addColumn<double>("celsius");
        QTest::addColumn<QString>("shown"); // "0.0"
        QTest::newRow("25") << 25.0 << "77.0";
        QTest::newRow("exception value -12.5") << -12.5 << "9.5";
        QTest::newRow("freezing") << 0.0 << "32.0";
        QTest::newRow("same in both") << -40.0 << "-40.0";
        QTest::newRow("just above -17.78") << -17.8 << "0.0";
    }

    void fahrenheit()
    {
        QFETCH(double, celsius);
        QFETCH(QString, shown);
        QCOMPARE(formatOneDecimal(toFahrenheit(celsius), '.'), shown);
        QCOMPARE(inUnit(celsius, TemperatureUnit::Celsius), celsius);
    }

    void rangeTest_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<RangePosition>("expected");
        const auto within = RangePosition::Within;
        const auto below = RangePosition::Below;
        const auto above = RangePosition::Above;

        QTest::newRow("inside") << 5.0 << 2.0 << 8.0 << within;
        QTest::newRow("on low") << 2.0 << 2.0 << 8.0 << within;
        QTest::newRow("on high") << 8.0 << 2.0 << 8.0 << within;
        QTest::newRow("below") << 1.9 << 2.0 << 8.0 << below;
        QTest::newRow("above") << 8.1 << 2.0 << 8.0 << above;
        // Expected 3, deviation 1: 4.0 C is 39.2 F, the high limit 39.199999999999996 F.
        const Limits fahrenheit = inUnit(limitsAround(3, 1), TemperatureUnit::Fahrenheit);
        QTest::newRow("on high after conversion")
            << toFahrenheit(4.0) << fahrenheit.low << fahrenheit.high << within;
        QTest::newRow("on low after conversion")
            << toFahrenheit(2.0) << fahrenheit.low << fahrenheit.high << within;
        QTest::newRow("a tenth above after conversion")
            << toFahrenheit(4.1) << fahrenheit.low << fahrenheit.high << above;
        QTest::newRow("a millionth above") << 8.000001 << 2.0 << 8.0 << above;
        QTest::newRow("no number")
            << std::numeric_limits<double>::quiet_NaN() << 2.0 << 8.0 << above;
    }

    void rangeTest()
    {
        QFETCH(double, value);
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(RangePosition, expected);
        QCOMPARE(rangePosition(value, {low, high}), expected);
        QCOMPARE(isInRange(value, {low, high}), expected == RangePosition::Within);
    }

    void sensorFacts_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("fahrenheit");
        QTest::addColumn<QString>("temperatureCaption");
        QTest::addColumn<QString>("humidityCaption");

        QTest::newRow("TRH in Fahrenheit") << "TRH" << true << "Range: 35.6 to 46.4°F"
                                           << "RH%:   40.0 to 60.0%";
        QTest::newRow("TRH in Celsius") << "TRH" << false << "Range: 2.0 to 8.0°C"
                                        << "RH%:   40.0 to 60.0%";
        // Humidity limits of other types are never read, whatever the columns hold.
        QTest::newRow("T") << "T" << true << "Range: 35.6 to 46.4°F"
                           << "";
        QTest::newRow("THS") << "THS" << false << "Range: 2.0 to 8.0°C"
                             << "";
        QTest::newRow("type compared exactly") << "trh" << false << "Range: 2.0 to 8.0°C"
                                               << "";
    }

    void sensorFacts()
    {
        QFETCH(QString, type);
        QFETCH(bool, fahrenheit);
        QFETCH(QString, temperatureCaption);
        QFETCH(QString, humidityCaption);
        const SensorRow row{type, "WALK-IN COOLER", 5.0, 3.0, 50.0, 10.0};
        const auto unit = fahrenheit ? TemperatureUnit::Fahrenheit : TemperatureUnit::Celsius;
        const SensorFacts facts = SensorFacts::fromRow(row, unit);

        QCOMPARE(facts.type, type);
        QCOMPARE(facts.location, QString("WALK-IN COOLER"));
        QCOMPARE(facts.celsiusLimits.low, 2.0);
        QCOMPARE(facts.celsiusLimits.high, 8.0);
        QCOMPARE(facts.unitLetter(), fahrenheit ? QChar('F') : QChar('C'));
        QCOMPARE(facts.shown(25.0), fahrenheit ? 77.0 : 25.0);
        QCOMPARE(facts.temperatureRangeCaption('.'), temperatureCaption);
        QCOMPARE(facts.hasHumidity(), !humidityCaption.isEmpty());
        QCOMPARE(facts.humidityRangeCaption('.'), humidityCaption);
    }

    void captionsFollowTheDecimalSign()
    {
        const SensorFacts facts =
            SensorFacts::fromRow({"TRH", "", 5.0, 3.0, 50.5, 10.0}, TemperatureUnit::Celsius);
        QCOMPARE(facts.temperatureRangeCaption(','), QString("Range: 2,0 to 8,0°C"));
        QCOMPARE(facts.humidityRangeCaption(','), QString("RH%:   40,5 to 60,5%"));
    }

    void degreeSignIsOneCharacter()
    {
        QCOMPARE(kDegreeSign.unicode(), char16_t(0xB0));
        QCOMPARE(temperatureRangeCaption({2, 8}, TemperatureUnit::Celsius, '.').size(), 19);
    }
};

QTEST_APPLESS_MAIN(TestObservationLimits)
#include "test_observation_limits.moc"
