#include "reports/RealTimeHour.h"
#include "reports/RealTimeLoader.h"
#include "support/TestInstallation.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

using namespace kelvra;
using namespace kelvra::realtime;
using test::TestServer;

namespace {

const QString kDatabase = "kelvra_realtime";

// Hour 10 of the day holds `cell`.
QString dayWith10(const QString& cell)
{
    QStringList cells(24);
    cells[10] = cell;
    return "H01:" + cells.join('|');
}

} // namespace

class TestRealTimeLoader : public QObject
{
    Q_OBJECT

    TestServer m_server = TestServer::fromEnvironment();

    // "LAB_1" and "LABX1" share sensor IDs: a department compared with like must match
    // only itself.
    void arrange()
    {
        QSqlDatabase db = test::freshServerDatabase(m_server, kDatabase);
        QVERIFY(db.isOpen());
        QSqlQuery q(db);
        const QString sensors =
            "INSERT INTO SENSORS (DEPT, SENSOR_ID, SENSOR_TYPE, LOCATION, EXPECTED_VALUE, "
            "MAX_DEVIATION, RH_EXPECTED, RH_MAX_DEV, STATUS_FLAG, ALARM) VALUES "
            "('LAB_1', '02', 'TRH', 'INCUBATOR', 37, 0.5, 50, 10, -1, 0),"
            "('LAB_1', '01', 'T', 'COLD ROOM NORTH WALL', 5, 3, NULL, NULL, -1, -1),"
            "('LAB_1', '03', 'THS', 'PROBE', 4, 2, NULL, NULL, -1, 0),"
            "('LAB_1', '04', 'T', 'RETIRED', 4, 2, NULL, NULL, 0, 0),"
            "('LAB_1', '05', 'T', 'SPARE', 4, 2, NULL, NULL, -1, 0),"
            // A retired row under an active ID: the MySQL location and type statements
            // return it too, and must not put the lists out of step.
            "('LAB_1', '02', 'T', 'OLD INCUBATOR', 4, 2, NULL, NULL, 0, 0),"
            "('LABX1', '01', 'T', 'OTHER', 20, 2, NULL, NULL, -1, 0)";
        QVERIFY2(q.exec(sensors), qPrintable(q.lastError().text()));
        QVERIFY(q.prepare("INSERT INTO OBSERVATIONS (OBS_DATE, DEPT, SENSOR_ID, OBS_DATA, "
                          "LAST_OBS, error) VALUES (?, ?, ?, ?, ?, ?)"));
        const QList<QVariantList> rows{
            {"20240315", "LABX1", "01", dayWith10("30.0"), "x-11:00:00", 0},
            {"20240315", "LAB_1", "01", dayWith10("4.0"), "x-10:12:44", 0},
            {"20240315", "LAB_1", "02", dayWith10("37.6^55"), "x-10:20:00", 0},
            {"20240315", "LAB_1", "03", dayWith10("4.0"), "09:00:00-x", 1},
            {"20240314", "LAB_1", "05", dayWith10("4.0"), "x-10:00:00", 0},
        };
        for (const QVariantList& row : rows) {
            for (int i = 0; i < row.size(); ++i)
                q.bindValue(i, row[i]);
            QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        }
    }

    static RefreshSettings settingsFor(Branch branch)
    {
        return {branch,
                true,
                QDateTime(QDate(2024, 3, 15), QTime(10, 30)),
                workstationZoneLetter(QTimeZone("America/New_York")),
                "EST",
                u'.'};
    }

private slots:
    void cleanup() { QSqlDatabase::removeDatabase("arrange"); }

    void branches_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("mySQL") << "mySQL";
        QTest::newRow("SQL Server branch") << "ODBC driver name";
    }

    void loadsAndRefreshesADepartment_data() { branches_data(); }
    void loadsAndRefreshesADepartment()
    {
        QFETCH(QString, way);
        arrange();
        const auto inst = test::installationAt(way, m_server, kDatabase);
        const std::optional<QList<ListedSensor>> lists = loadSensorLists(*inst->ds, "LAB_1");
        QVERIFY(lists);
        QCOMPARE(lists->size(), 4);
        QStringList ids, types, locations;
        for (const ListedSensor& sensor : *lists) {
            ids << sensor.id;
            types << sensor.type;
            locations << sensor.location;
        }
        QCOMPARE(ids, (QStringList{"01", "02", "03", "05"}));
        QCOMPARE(types, (QStringList{"T", "TRH", "THS", "T"}));
        QCOMPARE(locations, (QStringList{"COLD ROOM NORTH WALL", "INCUBATOR", "PROBE", "SPARE"}));

        RealTimeRefresh refresh(*lists, settingsFor(inst->ds->branch()));
        runRefresh(*inst->ds, "LAB_1", refresh);
        QCOMPARE(refresh.end(), RefreshEnd::Complete);
        const QList<RealTimeTile>& tiles = refresh.tiles();
        QCOMPARE(tiles[0].state, TileState::InRange);
        QCOMPARE(tiles[0].temperatureLabel.text, QString("Temp: 39.2°F"));
        QCOMPARE(tiles[0].temperatureLineY(), std::optional<int>(98));
        QVERIFY(tiles[0].showAlarm);
        QCOMPARE(tiles[0].timeLabel.text, QString("Time: 10:12:44"));
        QCOMPARE(tiles[1].humidityLabel.text, QString("RH: 55%"));
        QCOMPARE(tiles[1].state, TileState::Above); // 37.6 C against 37 +- 0.5 C
        QCOMPARE(tiles[2].state, TileState::ProbeFault);
        QCOMPARE(tiles[2].timeLabel.text, QString("Time: 09:00:00"));
        QCOMPARE(tiles[3].state, TileState::NoReading);
        QCOMPARE(refresh.sensors()[0].location, QString("COLD ROOM NOR"));
        QVERIFY(inst->errors.isEmpty());
    }

    void missingSensorRowEndsTheRefresh_data() { branches_data(); }
    void missingSensorRowEndsTheRefresh()
    {
        QFETCH(QString, way);
        arrange();
        const auto inst = test::installationAt(way, m_server, kDatabase);
        const std::optional<QList<ListedSensor>> lists = loadSensorLists(*inst->ds, "LAB_1");
        QVERIFY(lists);
        {
            QSqlDatabase db = test::directConnection(m_server, kDatabase, "arrange");
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec("DELETE FROM SENSORS WHERE SENSOR_ID = '02'"));
        }
        RealTimeRefresh refresh(*lists, settingsFor(inst->ds->branch()));
        runRefresh(*inst->ds, "LAB_1", refresh);
        QCOMPARE(refresh.end(), RefreshEnd::SensorRecordsNotFound);
        QVERIFY(refresh.tiles()[0].isRead());
        QVERIFY(!refresh.tiles()[1].isRead());
        QVERIFY(!refresh.tiles()[3].isRead());
    }

    void departmentWithoutActiveSensors_data() { branches_data(); }
    void departmentWithoutActiveSensors()
    {
        QFETCH(QString, way);
        arrange();
        const auto inst = test::installationAt(way, m_server, kDatabase);
        const std::optional<QList<ListedSensor>> lists = loadSensorLists(*inst->ds, "NOWHERE");
        QVERIFY(lists);
        QVERIFY(lists->isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRealTimeLoader)
#include "test_realtime_loader.moc"
