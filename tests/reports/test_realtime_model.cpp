#include "reports/RealTimeHour.h"
#include "reports/RealTimeModel.h"

#include <QtTest>

using namespace kelvra;
using namespace kelvra::realtime;

namespace {

// A day text whose cell for `hour` holds `cell`, every other hour empty.
QString dayWith(int hour, const QString& cell)
{
    QStringList cells(24);
    cells[hour] = cell;
    return "H01:" + cells.join('|');
}

SensorLimitsRow sensorRow(const QString& type, double expected = 5.0, double deviation = 3.0)
{
    return {type, expected, deviation, 0, 50.0, 10.0};
}

// 10:30 on an Eastern workstation with "EST" chosen: the cell of hour 10.
RefreshSettings settingsAt1030(bool fahrenheit)
{
    return {Branch::Ado, fahrenheit, QDateTime(QDate(2024, 3, 15), QTime(10, 30)),
            u'E',        "EST",      u'.'};
}

RealTimeTile refreshOne(const QString& type, const SensorReadout& readout, bool fahrenheit)
{
    RealTimeRefresh refresh({{"07", "COLD ROOM NORTH WALL", type}}, settingsAt1030(fahrenheit));
    refresh.add(readout);
    return refresh.tiles().first();
}

SensorReadout withCell(const QString& type, const QString& cell, int error = 0)
{
    return {sensorRow(type), TodayRow{dayWith(10, cell), "07:00:00-10:12:44", error, true}};
}

} // namespace

class TestRealTimeModel : public QObject
{
    Q_OBJECT

private slots:
    void workstationZones_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("letter");
        QTest::newRow("Eastern") << QByteArray("America/New_York") << "E";
        QTest::newRow("Central") << QByteArray("America/Chicago") << "C";
        QTest::newRow("Mountain") << QByteArray("America/Denver") << "M";
        QTest::newRow("Pacific") << QByteArray("America/Los_Angeles") << "P";
        // Only the four US names count: "W. Europe", "Central Europe", "US Mountain" do not.
        QTest::newRow("Berlin") << QByteArray("Europe/Berlin") << "";
        QTest::newRow("Warsaw") << QByteArray("Europe/Warsaw") << "";
        QTest::newRow("Phoenix") << QByteArray("America/Phoenix") << "";
        QTest::newRow("UTC") << QByteArray("UTC") << "";
    }

    void workstationZones()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, letter);
        const QChar found = workstationZoneLetter(QTimeZone(zone));
        QCOMPARE(found.isNull() ? QString() : QString(found), letter);
    }

    void hourIndexes_data()
    {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<int>("branch");
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("index");
        const int ado = int(Branch::Ado);
        const int mysql = int(Branch::MySql);
        QTest::newRow("same zone")
            << QTime(10, 30) << ado << QByteArray("America/New_York") << "EST" << 11;
        QTest::newRow("Eastern choice, Pacific workstation")
            << QTime(10, 30) << ado << QByteArray("America/Los_Angeles") << "EST" << 14;
        QTest::newRow("22:30 Pacific, EST")
            << QTime(22, 30) << ado << QByteArray("America/Los_Angeles") << "EST" << 26;
        QTest::newRow("Pacific choice, Eastern workstation")
            << QTime(10, 30) << ado << QByteArray("America/New_York") << "PST" << 8;
        QTest::newRow("Central choice, Mountain workstation")
            << QTime(10, 30) << ado << QByteArray("America/Denver") << "CST" << 12;
        QTest::newRow("Berlin makes no shift")
            << QTime(10, 30) << ado << QByteArray("Europe/Berlin") << "PST" << 11;
        QTest::newRow("UTC makes no shift")
            << QTime(10, 30) << ado << QByteArray("UTC") << "CST" << 11;
        QTest::newRow("MySQL makes no shift")
            << QTime(22, 30) << mysql << QByteArray("America/Los_Angeles") << "EST" << 23;
        QTest::newRow("midnight") << QTime(0, 30) << ado << QByteArray("America/New_York") << "EST"
                                  << 1;
    }

    void hourIndexes()
    {
        QFETCH(QTime, now);
        QFETCH(int, branch);
        QFETCH(QByteArray, zone);
        QFETCH(QString, chosen);
        QFETCH(int, index);
        QCOMPARE(hourIndex(now, Branch(branch), workstationZoneLetter(QTimeZone(zone)), chosen),
                 index);
    }

    void hourTexts_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::newRow("own cell") << "H:21.0|21.5^55|22.0" << 2 << "21.5^55";
        QTest::newRow("empty: the previous hour") << "H:21.0|21.5|" << 3 << "21.5";
        QTest::newRow("missing: the previous hour") << "H:21.0|21.5" << 3 << "21.5";
        QTest::newRow("first cell loses its prefix") << "H:21.0|22.0" << 1 << "21.0";
        QTest::newRow("00:30, empty first cell") << "H:|22.0" << 1 << "";
        QTest::newRow("index 26 has nothing") << dayWith(23, "20.0") << 26 << "";
        QTest::newRow("index 25 falls back to 24") << dayWith(23, "20.0") << 25 << "20.0";
    }

    void hourTexts()
    {
        QFETCH(QString, data);
        QFETCH(int, index);
        QFETCH(QString, text);
        QCOMPARE(hourText(data, index).toString(), text);
    }

    // Stored Celsius against 5 +- 3 C; the shown unit and colour of the temperature label.
    void temperatureColours_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<bool>("fahrenheit");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("state");
        const int within = int(TileState::InRange);
        QTest::newRow("low exactly, C") << "2.0" << false << "Temp: 2°C" << kClGreen << within;
        QTest::newRow("high exactly, C") << "8.0" << false << "Temp: 8°C" << kClGreen << within;
        QTest::newRow("low exactly, F") << "2.0" << true << "Temp: 35.6°F" << kClGreen << within;
        QTest::newRow("high exactly, F") << "8" << true << "Temp: 46.4°F" << kClGreen << within;
        QTest::newRow("0.1 below")
            << "1.9" << false << "Temp: 1.9°C" << kClBlue << int(TileState::Below);
        QTest::newRow("0.1 above")
            << "8.1" << false << "Temp: 8.1°C" << kClRed << int(TileState::Above);
        QTest::newRow("0.1 above, F")
            << "8.1" << true << "Temp: 46.6°F" << kClRed << int(TileState::Above);
        QTest::newRow("with exception record")
            << "9.5^^#9.5-101244" << false << "Temp: 9.5°C" << kClRed << int(TileState::Above);
    }

    void temperatureColours()
    {
        QFETCH(QString, cell);
        QFETCH(bool, fahrenheit);
        QFETCH(QString, label);
        QFETCH(QColor, colour);
        QFETCH(int, state);
        const RealTimeTile tile = refreshOne("T", withCell("T", cell), fahrenheit);
        QCOMPARE(tile.temperatureLabel.text, label);
        QCOMPARE(tile.temperatureLabel.colour, colour);
        QCOMPARE(int(tile.state), state);
        QVERIFY(!tile.noReading);
        QCOMPARE(tile.barLook(), BarLook::Reading);
        QVERIFY(tile.temperatureLineY().has_value());
        QCOMPARE(tile.idLabel.text, QString("Sensor ID:  07"));
        QCOMPARE(tile.timeLabel.text, QString("Time: 10:12:44"));
        QCOMPARE(tile.locationLabel.text, QString("COLD ROOM NOR"));
    }

    void fourDegreesDrawsTheLineAt98()
    {
        const RealTimeTile tile = refreshOne("T", withCell("T", "4.0"), true);
        QCOMPARE(tile.temperatureLineY(), std::optional<int>(98));
    }

    void sensorWithoutTodaysRow()
    {
        const RealTimeTile tile = refreshOne("TRH", {sensorRow("TRH"), std::nullopt}, true);
        QCOMPARE(tile.state, TileState::NoReading);
        QVERIFY(tile.noReading && !tile.thermistor);
        QCOMPARE(tile.barLook(), BarLook::NoReading);
        QCOMPARE(tile.temperatureLabel.text, QString("Temp: N/A"));
        QCOMPARE(tile.temperatureLabel.colour, kClBlack);
        QCOMPARE(tile.humidityLabel.text, QString("RH: N/A"));
        QCOMPARE(tile.humidityLabelY, kTemperatureLabelY);
        QCOMPARE(tile.locationLabel.text, QString("COLD ROOM NORTH WALL"));
        QVERIFY(tile.timeLabel.text.isEmpty());
        QVERIFY(!tile.temperatureLineY());
        QVERIFY(!tile.humidityLineY());
    }

    void probeFault()
    {
        const RealTimeTile tile = refreshOne("TRH", withCell("TRH", "4.0^55", 1), false);
        QCOMPARE(tile.state, TileState::ProbeFault);
        QVERIFY(tile.noReading && tile.thermistor);
        QCOMPARE(tile.barLook(), BarLook::ProbeFault);
        QCOMPARE(tile.temperatureLabel.text, QString("Thermistor Error"));
        QCOMPARE(tile.timeLabel.text, QString("Time: 07:00:00"));
        QVERIFY(tile.humidityLabel.text.isEmpty());
        QVERIFY(!tile.temperatureLineY());
        QVERIFY(!tile.humidityLineY());
        QVERIFY(!tile.showAlarm);
    }

    void hourThatDoesNotConvert()
    {
        RealTimeRefresh refresh({{"07", "LAB", "T"}}, settingsAt1030(false));
        SensorReadout readout = withCell("T", "x1.0");
        readout.sensor->alarm = -1;
        QVERIFY(!refresh.add(readout));
        QCOMPARE(refresh.end(), RefreshEnd::Complete);
        const RealTimeTile& tile = refresh.tiles().first();
        QCOMPARE(tile.state, TileState::NoCurrentRead);
        QVERIFY(tile.noCurrentRead && tile.noReading && !tile.thermistor);
        QCOMPARE(tile.temperatureLabel.text, QString("Temp: N/A"));
        QCOMPARE(tile.temperatureLabel.colour, kClBlack);
        QVERIFY(!tile.temperatureLineY());
        QVERIFY(tile.showAlarm);
        QCOMPARE(refresh.lastRefreshText(), QString("TIME OF LAST REFRESH: 03/15/2024 10:30"));
    }

    // The humidity is taken from the part the cell's form gives, not from its length.
    void humidityReadings_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("lineY");
        QTest::newRow("T^RH") << "4.0^55"
                              << "RH: 55%" << kClGreen << 78;
        QTest::newRow("T^#rec^RH, short") << "9.5^#9.5-101244^41.5"
                                          << "RH: 41.5%" << kClGreen << 111;
        QTest::newRow("T^RH^@rec, long") << "4.0^60.5^@60.5-101244"
                                         << "RH: 60.5%" << kClRed << 64;
        QTest::newRow("T^#rec^RH^@rec") << "9.5^#9.5-101244^39^@39-101500"
                                        << "RH: 39%" << kClBlue << 118;
        QTest::newRow("humidity low exactly") << "4.0^40"
                                              << "RH: 40%" << kClGreen << 115;
        QTest::newRow("not a number") << "4.0^abc"
                                      << "RH: N/A" << kClBlack << -1;
        QTest::newRow("missing") << "4.0"
                                 << "RH: N/A" << kClBlack << -1;
    }

    void humidityReadings()
    {
        QFETCH(QString, cell);
        QFETCH(QString, label);
        QFETCH(QColor, colour);
        QFETCH(int, lineY);
        const RealTimeTile tile = refreshOne("TRH", withCell("TRH", cell), false);
        QCOMPARE(tile.humidityLabel.text, label);
        QCOMPARE(tile.humidityLabel.colour, colour);
        QCOMPARE(tile.humidityLabelY, kIdLabelY);
        QCOMPARE(tile.humidityLineY().value_or(-1), lineY);
        QCOMPARE(tile.humidity.has_value(), lineY >= 0);
    }

    // A humidity read by one tile never shows on the next: each tile holds only what this
    // refresh read for it.
    void humidityIsNotCarriedOver()
    {
        RealTimeRefresh refresh({{"01", "A", "TRH"}, {"02", "B", "TRH"}}, settingsAt1030(false));
        refresh.add(withCell("TRH", "4.0^55"));
        refresh.add(withCell("TRH", "4.0^n/a"));
        QVERIFY(refresh.tiles()[0].humidity.has_value());
        QVERIFY(!refresh.tiles()[1].humidity.has_value());
        QVERIFY(!refresh.tiles()[1].humidityLineY());
    }

    void sensorRecordsNotFoundLeavesTheRestBlank()
    {
        RealTimeRefresh refresh({{"01", "A", "T"}, {"02", "B", "T"}, {"03", "C", "T"}},
                                settingsAt1030(true));
        QVERIFY(refresh.add(withCell("T", "4.0")));
        QVERIFY(!refresh.add({std::nullopt, std::nullopt}));
        QVERIFY(refresh.ended());
        QCOMPARE(refresh.end(), RefreshEnd::SensorRecordsNotFound);
        QVERIFY(!refresh.add(withCell("T", "4.0")));
        QVERIFY(refresh.tiles()[0].isRead());
        for (const RealTimeTile& tile : refresh.tiles().mid(1)) {
            QVERIFY(!tile.isRead());
            QVERIFY(!tile.temperatureLineY());
            QVERIFY(tile.temperatureLabel.text.isEmpty());
        }
    }

    void checkBackLaterLeavesTheRestBlank()
    {
        RealTimeRefresh refresh({{"01", "A", "T"}, {"02", "B", "T"}}, settingsAt1030(false));
        SensorReadout unreadable = withCell("T", "4.0");
        unreadable.today->obsDataReadable = false;
        QVERIFY(!refresh.add(unreadable));
        QCOMPARE(refresh.end(), RefreshEnd::CheckBackLater);
        QVERIFY(!refresh.tiles()[0].isRead());
        QVERIFY(!refresh.tiles()[1].isRead());
        QVERIFY(refresh.lastRefreshText().isEmpty());
    }

    void pacificWorkstationAtNightHasNoCurrentRead()
    {
        RefreshSettings settings = settingsAt1030(false);
        settings.now = QDateTime(QDate(2024, 3, 15), QTime(22, 30));
        settings.workstationZone = workstationZoneLetter(QTimeZone("America/Los_Angeles"));
        QStringList cells(24, "4.0");
        RealTimeRefresh refresh({{"01", "A", "T"}}, settings);
        refresh.add({sensorRow("T"), TodayRow{"H:" + cells.join('|'), "a-b", 0, true}});
        QCOMPARE(refresh.tiles()[0].state, TileState::NoCurrentRead);
        settings.branch = Branch::MySql;
        RealTimeRefresh mysql({{"01", "A", "T"}}, settings);
        mysql.add({sensorRow("T"), TodayRow{"H:" + cells.join('|'), "a-b", 0, true}});
        QCOMPARE(mysql.tiles()[0].state, TileState::InRange);
    }

    void listsAfterRefreshAndProgress()
    {
        RealTimeRefresh refresh({{"01", "FIRST LONG LOCATION", "T"},
                                 {"02", "SECOND LONG LOCATION", "T"},
                                 {"03", "THIRD LONG LOCATION", "T"}},
                                settingsAt1030(false));
        refresh.add(withCell("T", "4.0"));
        refresh.add({sensorRow("T"), std::nullopt});
        refresh.add(withCell("T", "4.0", 1));
        QCOMPARE(refresh.end(), RefreshEnd::Complete);
        const QList<ListedSensor> lists = refresh.sensors();
        QCOMPARE(lists[0].location, QString("FIRST LONG LO"));
        QCOMPARE(lists[1].location, QString("SECOND LONG LOCATION"));
        QCOMPARE(lists[2].location, QString("THIRD LONG LOCATION"));
        QCOMPARE(refresh.progressMaximum(), 1);
    }

    void departmentWithoutSensors()
    {
        RealTimeRefresh refresh({}, settingsAt1030(false));
        QVERIFY(refresh.ended());
        QCOMPARE(refresh.end(), RefreshEnd::Complete);
        QVERIFY(refresh.tiles().isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestRealTimeModel)
#include "test_realtime_model.moc"
