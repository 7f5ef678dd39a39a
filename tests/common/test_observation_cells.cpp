#include "common/FieldText.h"
#include "common/ObservationText.h"

#include <QtTest>

#include <optional>

using namespace kelvra;

Q_DECLARE_METATYPE(std::optional<double>)

namespace {

// The humidity part chosen by the cell's length, as several screens did: part 2 of a cell
// shorter than 23 characters, part 3 otherwise.
QString humidityByCellLength(const QString& cell)
{
    return GetField(cell, '^', cell.size() < 23 ? 2 : 3);
}

} // namespace

class TestObservationCells : public QObject
{
    Q_OBJECT

private slots:
    void hourCellsSplitFirst_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<int>("hour");
        QTest::addColumn<QString>("expected");

        const QString day = "A1B2:21.5|22.0^55.0|23.5";
        QTest::newRow("hour 0 without the leading part") << day << 0 << "21.5";
        QTest::newRow("middle hour") << day << 1 << "22.0^55.0";
        QTest::newRow("last stored hour") << day << 2 << "23.5";
        QTest::newRow("hour past the stored cells") << day << 3 << "";
        QTest::newRow("hour 23") << day << 23 << "";
        QTest::newRow("hour below 0") << day << -1 << "";
        QTest::newRow("hour above 23") << day << 24 << "";
        QTest::newRow("empty text") << "" << 0 << "";
        QTest::newRow("empty cell") << "L:21.5||23.5" << 1 << "";
        QTest::newRow("trailing separator") << "L:21.5|" << 1 << "";
        QTest::newRow("prefix glued to a cell") << "x:21.5^55" << 0 << "21.5^55";
        QTest::newRow("nothing after the colon") << "21.5:" << 0 << "";
        QTest::newRow("two colons") << "a:b:c|d" << 0 << "b";
        QTest::newRow("colon in a later cell") << "L:1|x:2^3" << 1 << "2^3";
        QTest::newRow("no colon at all") << "21.5|22.0" << 0 << "21.5";
        QTest::newRow("25th cell is no hour")
            << "L:" + QString("1|").repeated(24) + "99" << 23 << "1";
    }

    void hourCellsSplitFirst()
    {
        QFETCH(QString, data);
        QFETCH(int, hour);
        QFETCH(QString, expected);
        QCOMPARE(hourCell(data, hour).toString(), expected);
        if (hour >= 0 && hour < kHoursPerDay)
            QCOMPARE(hourCells(data)[hour].toString(), expected);
    }

    void hourCellsAfterTheLeadingPart_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<int>("hour");
        QTest::addColumn<QString>("expected");

        QTest::newRow("hour 0") << "A1B2:21.5|22.0" << 0 << "21.5";
        QTest::newRow("hour 1") << "A1B2:21.5|22.0" << 1 << "22.0";
        QTest::newRow("no colon means no cells") << "21.5|22.0" << 0 << "";
        QTest::newRow("text after a second colon is cut") << "L:21.5|22.0:junk|9" << 1 << "22.0";
        QTest::newRow("only the leading part") << "A1B2:" << 0 << "";
    }

    void hourCellsAfterTheLeadingPart()
    {
        QFETCH(QString, data);
        QFETCH(int, hour);
        QFETCH(QString, expected);
        QCOMPARE(hourCellsAfterLeadingPart(data)[hour].toString(), expected);
    }

    void tenCellsLeaveTheRestWithoutReading()
    {
        const QString data = "L:" + QStringList(10, "21.5").join('|');
        const HourCells cells = hourCells(data);
        for (int hour = 0; hour < kHoursPerDay; ++hour)
            QCOMPARE(cells[hour].isEmpty(), hour >= 10);
    }

    void rawCellKeepsTheLeadingPart()
    {
        const QString data = "A1B2:21.5^#25.3-103015|22.0";
        QCOMPARE(rawHourCell(data, 0).toString(), QString("A1B2:21.5^#25.3-103015"));
        QCOMPARE(rawHourCell(data, 1).toString(), QString("22.0"));
        QCOMPARE(rawHourCell(data, 24).toString(), QString());
    }

    void cellParts_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("part");
        QTest::addColumn<QString>("expected");
        const QString cell = "21.5^#25.3-103015^55.0";
        QTest::newRow("temperature") << cell << 1 << "21.5";
        QTest::newRow("record") << cell << 2 << "#25.3-103015";
        QTest::newRow("humidity") << cell << 3 << "55.0";
        QTest::newRow("missing") << cell << 4 << "";
        QTest::newRow("part 0") << cell << 0 << "";
        QTest::newRow("empty part") << "21.5^^#25.3-103015" << 2 << "";
    }

    void cellParts()
    {
        QFETCH(QString, cell);
        QFETCH(int, part);
        QFETCH(QString, expected);
        QCOMPARE(cellPart(cell, part).toString(), expected);
    }

    void temperatureReading_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QChar>("decimalSign");
        QTest::addColumn<std::optional<double>>("expected");
        const std::optional<double> none;
        QTest::newRow("reading") << "21.5^55.0" << QChar('.') << std::optional(21.5);
        QTest::newRow("negative") << "-3.2" << QChar('.') << std::optional(-3.2);
        QTest::newRow("comma workstation") << "21,5^55,0" << QChar(',') << std::optional(21.5);
        QTest::newRow("point under comma") << "21.5" << QChar(',') << none;
        QTest::newRow("empty cell") << "" << QChar('.') << none;
        QTest::newRow("empty part 1") << "^55.0" << QChar('.') << none;
        QTest::newRow("not a number") << "ERR^55.0" << QChar('.') << none;
    }

    void temperatureReading()
    {
        QFETCH(QString, cell);
        QFETCH(QChar, decimalSign);
        QFETCH(std::optional<double>, expected);
        QCOMPARE(kelvra::temperatureReading(cell, decimalSign), expected);
    }

    // Choosing the humidity by the cell's length reads the temperature record instead
    // whenever a T^#rec^RH cell is short, and the humidity record whenever a T^RH^@rec cell
    // is long; the part after an optional temperature record is the humidity in every form.
    void humidityReading_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("lengthRuleAgrees");

        QTest::newRow("T^RH") << "21.5^55.0"
                              << "55.0" << true;
        QTest::newRow("T^#rec^RH, 22 characters") << "21.5^#25.3-103015^55.0"
                                                  << "55.0" << false;
        QTest::newRow("T^#rec^RH, 23 characters") << "21.55^#25.3-103015^55.0"
                                                  << "55.0" << true;
        QTest::newRow("T^#rec^RH, long values") << "-12.5^#-25.35-103015^100.0"
                                                << "100.0" << true;
        QTest::newRow("T^RH^@rec, 22 characters") << "21.5^55.0^@80.5-103015"
                                                  << "55.0" << true;
        QTest::newRow("T^RH^@rec, 25 characters") << "-12.5^100.0^@100.0-103015"
                                                  << "100.0" << false;
        QTest::newRow("T^#rec^RH^@rec") << "21.5^#25.3-103015^55.0^@80.5-103015"
                                        << "55.0" << true;
        QTest::newRow("T^#rec without humidity") << "21.5^#25.3-103015"
                                                 << "" << false;
        QTest::newRow("T^RH with long texts") << "21.123456789^55.123456789"
                                              << "55.123456789" << false;
        QTest::newRow("humidity without temperature") << "^55.0"
                                                      << "55.0" << true;
        QTest::newRow("temperature only") << "21.5"
                                          << "" << true;
        QTest::newRow("empty cell") << ""
                                    << "" << true;
    }

    void humidityReading()
    {
        QFETCH(QString, cell);
        QFETCH(QString, expected);
        QFETCH(bool, lengthRuleAgrees);
        QCOMPARE(kelvra::humidityReading(cell).toString(), expected);
        QCOMPARE(humidityByCellLength(cell) == expected, lengthRuleAgrees);
    }

    void humidityRecord_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("expected");
        QTest::newRow("T^RH^@rec, short") << "21.5^55.0^@80.5-103015"
                                          << "@80.5-103015";
        // Part 4 of this long cell is empty: a length rule would lose the record.
        QTest::newRow("T^RH^@rec, long") << "-12.5^100.0^@100.0-103015"
                                         << "@100.0-103015";
        QTest::newRow("T^#rec^RH^@rec") << "21.5^#25.3-103015^55.0^@80.5-103015"
                                        << "@80.5-103015";
        QTest::newRow("T^#rec^RH") << "21.5^#25.3-103015^55.0"
                                   << "";
        QTest::newRow("T^RH") << "21.5^55.0"
                              << "";
        QTest::newRow("unmarked part") << "21.5^55.0^80.5-103015"
                                       << "";
    }

    void humidityRecord()
    {
        QFETCH(QString, cell);
        QFETCH(QString, expected);
        QCOMPARE(kelvra::humidityRecord(cell).toString(), expected);
    }

    void longHumidityCellsFrom23Characters()
    {
        QVERIFY(!isLongHumidityCell(QString(22, 'x')));
        QVERIFY(isLongHumidityCell(QString(23, 'x')));
    }
};

QTEST_APPLESS_MAIN(TestObservationCells)
#include "test_observation_cells.moc"
