#include "common/PrintQueries.h"
#include "support/TestInstallation.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

using namespace kelvra;
using test::TestServer;

class TestPrintQueries : public QObject
{
    Q_OBJECT

    TestServer m_server = TestServer::fromEnvironment();

private slots:
    void cleanup() { QSqlDatabase::removeDatabase("arrange"); }

    void departmentHeaderTexts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("ado");
        QTest::newRow("hourly log")
            << int(ReportKind::HourlyLog) << " Select * from REG Where REG_Name='LAB'";
        QTest::newRow("monthly log")
            << int(ReportKind::MonthlyLog) << " Select * from REG Where REG_Name='LAB'";
        QTest::newRow("monthly graphs")
            << int(ReportKind::MonthlyGraphs) << " Select * from REG Where REG_Name='LAB'";
        QTest::newRow("hourly graphs")
            << int(ReportKind::HourlyGraphs) << " Select * from REG Where REG_NAME='LAB'";
        QTest::newRow("exception report")
            << int(ReportKind::ExceptionReport) << " Select * from REG Where REG_NAME='LAB'";
    }

    void departmentHeaderTexts()
    {
        QFETCH(int, kind);
        QFETCH(QString, ado);
        const BranchStatement statement = departmentHeaderQuery(ReportKind(kind), "LAB");
        QCOMPARE(statement.ado.text(), ado);
        QCOMPARE(statement.mysql.text(), QString("Select * from REG\n Where DEPT='LAB'"));
    }

    void printSensorsTexts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("sensor");
        QTest::addColumn<QString>("ado");
        QTest::addColumn<QString>("mysql");
        const QString head = " Select * from SENSORS\n Where STATUS_FLAG = -1\n";
        QTest::newRow("monthly log, all")
            << int(ReportKind::MonthlyLog) << ""
            << " Select * from SENSORS Where STATUS_FLAG = -1 And DEPT = 'LAB' Order by SENSOR_ID"
            << head + " And DEPT = 'LAB'\n Order by SENSOR_ID";
        QTest::newRow("exception report, one")
            << int(ReportKind::ExceptionReport) << "01"
            << " Select * from SENSORS Where STATUS_FLAG = -1 And SENSOR_ID = '01' And DEPT = "
               "'LAB' Order by SENSOR_ID"
            << head + " And SENSOR_ID = '01'\n And DEPT = 'LAB'\n Order by SENSOR_ID";
        QTest::newRow("monthly graphs, one, no blank")
            << int(ReportKind::MonthlyGraphs) << "01"
            << " Select * from SENSORS Where STATUS_FLAG = -1 And SENSOR_ID ='01' And DEPT = "
               "'LAB' Order by SENSOR_ID"
            << head + " And SENSOR_ID = '01'\n And DEPT = 'LAB'\n Order by SENSOR_ID";
        QTest::newRow("hourly log, one")
            << int(ReportKind::HourlyLog) << "01"
            << " Select * from SENSORS Where STATUS_FLAG = -1And DEPT = 'LAB' And SENSOR_ID = "
               "'01' Order by SENSOR_ID"
            << head + " And DEPT = 'LAB'\n And SENSOR_ID = '01'\n Order by SENSOR_ID";
        QTest::newRow("hourly graphs, all")
            << int(ReportKind::HourlyGraphs) << ""
            << " Select * from SENSORS Where STATUS_FLAG = -1And DEPT = 'LAB' Order by SENSOR_ID"
            << head + " And DEPT = 'LAB'\n Order by SENSOR_ID";
    }

    void printSensorsTexts()
    {
        QFETCH(int, kind);
        QFETCH(QString, sensor);
        QFETCH(QString, ado);
        QFETCH(QString, mysql);
        const BranchStatement statement = printSensorsQuery(ReportKind(kind), "LAB", sensor);
        QCOMPARE(statement.ado.text(), ado);
        QCOMPARE(statement.mysql.text(), mysql);
    }

    // Found, not found, and a failed query that must not leave the previous department's
    // name and address for the next page.
    void loadsTheDepartmentHeader_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("mySQL") << "mySQL";
        QTest::newRow("SQL Server branch") << "ODBC driver name";
    }

    void loadsTheDepartmentHeader()
    {
        QFETCH(QString, way);
        QSqlDatabase db = test::freshServerDatabase(m_server, "kelvra_print");
        QVERIFY(db.isOpen());
        QSqlQuery q(db);
        QVERIFY(q.exec("INSERT INTO REG (REG_NAME, ADDRESS1, ADDRESS2, CSZ, DEPT) VALUES "
                       "('LAB', '2 Main St', '', 'Springfield', 'LAB')"));
        const auto inst = test::installationAt(way, m_server, "kelvra_print");
        DepartmentHeader header;
        QVERIFY(
            LoadDepartmentHeader(*inst->ds, ReportKind::ExceptionReport, "LAB", " Ann", header));
        QCOMPARE(header.name, QString("LAB"));
        QCOMPARE(header.address1, QString("2 Main St"));
        QCOMPARE(header.lastLine, QString("Springfield"));
        QCOMPARE(header.user, QString(" Ann"));

        QVERIFY(
            !LoadDepartmentHeader(*inst->ds, ReportKind::MonthlyLog, "NOWHERE", " Ann", header));

        QVERIFY(LoadDepartmentHeader(*inst->ds, ReportKind::MonthlyLog, "LAB", " Ann", header));
        QVERIFY(q.exec("DROP TABLE REG"));
        QVERIFY(LoadDepartmentHeader(*inst->ds, ReportKind::MonthlyLog, "LAB", " Bob", header));
        QCOMPARE(header.name, QString());
        QCOMPARE(header.address1, QString());
        QCOMPARE(header.user, QString(" Bob"));
    }
};

QTEST_GUILESS_MAIN(TestPrintQueries)
#include "test_print_queries.moc"
