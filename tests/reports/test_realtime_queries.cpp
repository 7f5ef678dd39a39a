#include "reports/RealTimeQueries.h"

#include <QtTest>

using namespace kelvra;
using namespace kelvra::realtime;

class TestRealTimeQueries : public QObject
{
    Q_OBJECT

private slots:
    void branchTexts_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("ado");
        QTest::addColumn<QString>("mysql");
        QTest::newRow("active sensors")
            << "activeSensors"
            << " Select SENSOR_ID,LOCATION,SENSOR_TYPE from SENSORS Where STATUS_FLAG = -1And "
               "DEPT = 'LAB' Order by SENSOR_ID"
            << " Select distinct SENSOR_ID from SENSORS\n Where STATUS_FLAG = -1\n And DEPT = "
               "'LAB'\n Order by SENSOR_ID";
        QTest::newRow("sensor row")
            << "sensorRow"
            << " Select * from SENSORS Where DEPT = 'LAB' And SENSOR_ID = '07'"
            << " Select * from SENSORS\n Where DEPT = 'LAB'\n And SENSOR_ID = '07'";
        QTest::newRow("today's row")
            << "todaysObservations"
            << " Select OBS_DATA,LAST_OBS,error from OBSERVATIONS Where OBS_DATE like "
               "'20240315' And DEPT like 'LAB' And SENSOR_ID like '07'"
            << " Select * from OBSERVATIONS\n Where OBS_DATE = '20240315'\n And DEPT = 'LAB'\n "
               "And SENSOR_ID = '07'";
    }

    void branchTexts()
    {
        QFETCH(QString, statement);
        QFETCH(QString, ado);
        QFETCH(QString, mysql);
        const BranchStatement built = statement == "activeSensors" ? activeSensors("LAB")
                                      : statement == "sensorRow"
                                          ? sensorRow("LAB", "07")
                                          : todaysObservations("20240315", "LAB", "07");
        QCOMPARE(built.ado.text(), ado);
        QCOMPARE(built.mysql.text(), mysql);
    }

    void perSensorMySqlTexts()
    {
        QCOMPARE(sensorLocationMySql("07", "LAB").text(),
                 QString(" Select LOCATION from SENSORS\n Where SENSOR_ID = '07'\nAnd DEPT = "
                         "'LAB'\n Order by SENSOR_ID"));
        QCOMPARE(sensorTypeMySql("07", "LAB").text(),
                 QString(" Select SENSOR_TYPE from SENSORS\n Where SENSOR_ID = '07'\nAnd DEPT = "
                         "'LAB'\n Order by SENSOR_ID"));
    }

    // Wildcards inside the department and the ID match only themselves on SQL Server; the
    // day key is a plain value.
    void likeValuesEscapeWildcards()
    {
        const BranchStatement today = todaysObservations("20240315", "LAB_1%", "0_");
        const QVariantList values = today.ado.values(LikeEscaping::Brackets);
        QCOMPARE(values, (QVariantList{"20240315", "LAB[_]1[%]", "0[_]"}));
        QCOMPARE(today.mysql.values(LikeEscaping::Backslash),
                 (QVariantList{"20240315", "LAB_1%", "0_"}));
    }
};

QTEST_APPLESS_MAIN(TestRealTimeQueries)
#include "test_realtime_queries.moc"
