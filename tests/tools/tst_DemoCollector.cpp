#include "DemoInstallation.h"
#include "DemoTables.h"
#include "StoredTextChecker.h"
#include "support/TestEnvironment.h"

#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpServer>
#include <QtTest>

using namespace kelvra::demo;
using namespace kelvra::test;

namespace {

const QString database = QStringLiteral("kelvra_tools_demo");
const QString connection = QStringLiteral("demo");

struct Run
{
    bool finished = false;
    int exitCode = -1;
    QString out;
    QString err;
};

// Bounded so that a hanging collector fails the test instead of stalling the run.
Run runCollector(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(DEMOCOLLECTOR_EXE), arguments);
    Run run;
    run.finished = process.waitForFinished(120000);
    if (!run.finished)
        process.kill();
    process.waitForFinished();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QStringList serverArguments(const TestServer& server, int port)
{
    return {QStringLiteral("--host"),     server.host,
            QStringLiteral("--port"),     QString::number(port),
            QStringLiteral("--user"),     server.user,
            QStringLiteral("--password"), server.password,
            QStringLiteral("--database"), database};
}

QStringList sizeArguments(const DemoOptions& o)
{
    return {QStringLiteral("--departments"), QString::number(o.departments),
            QStringLiteral("--sensors"),     QString::number(o.sensorsPerDepartment),
            QStringLiteral("--days"),        QString::number(o.days),
            QStringLiteral("--end-date"),    o.endDate.toString(Qt::ISODate),
            QStringLiteral("--seed"),        QString::number(o.seed)};
}

DemoOptions firstLoad()
{
    DemoOptions o;
    o.departments = 2;
    o.sensorsPerDepartment = 6;
    o.days = 10;
    o.endDate = QDate(2024, 3, 3);
    o.seed = 7;
    return o;
}

DemoOptions secondLoad()
{
    DemoOptions o;
    o.departments = 1;
    o.sensorsPerDepartment = 2;
    o.days = 3;
    o.endDate = QDate(2024, 5, 1);
    o.seed = 8;
    return o;
}

QString rowText(const QVariantList& values)
{
    QStringList texts;
    for (const QVariant& v : values)
        texts.append(v.isNull() ? QStringLiteral("<NULL>") : v.toString());
    return texts.join(QStringLiteral(" | "));
}

int countRows(const QString& table)
{
    QSqlQuery q(QSqlDatabase::database(connection));
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM ") + table) || !q.next())
        return -1;
    return q.value(0).toInt();
}

QSqlQuery select(const QString& statement, const QVariantList& values)
{
    QSqlQuery q(QSqlDatabase::database(connection));
    q.prepare(statement);
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec())
        qWarning("%s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
    return q;
}

void addTables(const DemoOptions& options)
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<QStringList>("rows");
    for (const TableRows& t : demoTables(generateDemoInstallation(options))) {
        QStringList rows;
        for (const QVariantList& r : t.rows)
            rows.append(rowText(r));
        QTest::newRow(qPrintable(t.table)) << t.table << t.columns << rows;
    }
}

} // namespace

class TestDemoCollector : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void summaryLine();
    void everyRowReadsBack_data() { addTables(firstLoad()); }
    void everyRowReadsBack();
    void emptyTextsAreStoredAsEmpty_data();
    void emptyTextsAreStoredAsEmpty();
    void screenQueriesFindTheDemoRows();
    void secondLoadReplacesTheRows_data() { addTables(secondLoad()); }
    void secondLoadReplacesTheRows();
    void unreachableServerFailsAtOnce();
    void badOptions_data();
    void badOptions();
    void helpListsTheOptions();

private:
    TestServer m_server;
    Run m_firstRun;
    bool m_secondLoaded = false;
};

void TestDemoCollector::initTestCase()
{
    m_server = TestServer::fromEnvironment();
    // An empty database: the collector must create the tables itself.
    QVERIFY(recreateDatabase(m_server, database));
    m_firstRun =
        runCollector(serverArguments(m_server, m_server.port) + sizeArguments(firstLoad()));
    QVERIFY2(m_firstRun.finished && m_firstRun.exitCode == 0, qPrintable(m_firstRun.err));
    QSqlDatabase db = directConnection(m_server, database, connection);
    QVERIFY2(db.open(), qPrintable(db.lastError().text()));
}

void TestDemoCollector::cleanupTestCase()
{
    QSqlDatabase::database(connection, false).close();
    QSqlDatabase::removeDatabase(connection);
}

void TestDemoCollector::summaryLine()
{
    const DemoInstallation demo = generateDemoInstallation(firstLoad());
    const QStringList lines = m_firstRun.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    const QString line = lines.first();
    // The two departments asked for and the closed one.
    for (const QString& part :
         {QStringLiteral("3 departments"),
          QString::number(demo.sensors.size()) + QStringLiteral(" sensors"),
          QString::number(demo.observations.size()) + QStringLiteral(" observations"),
          QString::number(demo.callEvents.size()) + QStringLiteral(" call events"),
          QStringLiteral("database ") + database, QStringLiteral("2024-02-23 to 2024-03-03")})
        QVERIFY2(line.contains(part), qPrintable(line + " lacks " + part));
    QVERIFY(m_firstRun.err.isEmpty());
}

// What the database holds is exactly what the generator made: nothing lost, truncated, trimmed
// (the padded department name) or re-encoded (the degree sign, CR LF in access lists).
void TestDemoCollector::everyRowReadsBack()
{
    QFETCH(QString, table);
    QFETCH(QStringList, columns);
    QFETCH(QStringList, rows);
    QStringList quoted;
    for (const QString& c : columns)
        quoted.append(QLatin1Char('`') + c + QLatin1Char('`'));
    QSqlQuery q = select(
        QStringLiteral("SELECT ") + quoted.join(u',') + QStringLiteral(" FROM ") + table, {});
    QStringList stored;
    while (q.next()) {
        QVariantList values;
        for (int i = 0; i < columns.size(); ++i)
            values.append(q.value(i));
        stored.append(rowText(values));
    }
    stored.sort();
    rows.sort();
    QCOMPARE(stored.size(), rows.size());
    QCOMPARE(stored, rows);
}

void TestDemoCollector::emptyTextsAreStoredAsEmpty_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::newRow("REG.ADDRESS2") << "REG"
                                  << "ADDRESS2";
    QTest::newRow("OBSERVATIONS.ACCEPTED_BY") << "OBSERVATIONS"
                                              << "ACCEPTED_BY";
    QTest::newRow("OBSERVATIONS.SIGN_TIME") << "OBSERVATIONS"
                                            << "SIGN_TIME";
    QTest::newRow("CALL_EVENT.ALARM_METHOD") << "CALL_EVENT"
                                             << "ALARM_METHOD";
    QTest::newRow("CALL_EVENT.WHO") << "CALL_EVENT"
                                    << "WHO";
    QTest::newRow("CALLLIST.PERSON5") << "CALLLIST"
                                      << "PERSON5";
}

// The screens test sign-outs with NOT LIKE '' and empty methods with ='' as well as NULL.
void TestDemoCollector::emptyTextsAreStoredAsEmpty()
{
    QFETCH(QString, table);
    QFETCH(QString, column);
    QSqlQuery q =
        select(QStringLiteral("SELECT SUM(%1 IS NULL), SUM(%1 = ?) FROM %2").arg(column, table),
               {QStringLiteral("")});
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 0);
    QVERIFY2(q.value(1).toInt() > 0, "no empty text stored");
}

void TestDemoCollector::screenQueriesFindTheDemoRows()
{
    const DemoInstallation demo = generateDemoInstallation(firstLoad());

    // Department list: stored names trimmed, as every picker offers them.
    QSqlQuery q = select(QStringLiteral("Select REG_NAME from REG\n Order by REG_NAME"), {});
    QStringList departments;
    while (q.next())
        departments.append(q.value(0).toString().trimmed());
    QCOMPARE(departments, QStringList({"BLOOD BANK", "EAST CLINIC", "PHARMACY"}));

    // The MySQL report header finds the padded department by REG.DEPT and the trimmed name.
    q = select(QStringLiteral("Select * from REG\n Where DEPT=?"), {"BLOOD BANK"});
    QVERIFY(q.next());
    QCOMPARE(q.value(QStringLiteral("REG_NAME")).toString(), QStringLiteral("  BLOOD BANK  "));

    // The closed department has sensors, none of them active.
    q = select(QStringLiteral(" Select distinct SENSOR_ID from SENSORS\n Where STATUS_FLAG = -1\n"
                              " And DEPT = ?"),
               {"EAST CLINIC"});
    QVERIFY(!q.next());

    // The padded department's sensors under its trimmed name.
    q = select(QStringLiteral(" Select distinct SENSOR_ID from SENSORS\n Where STATUS_FLAG = -1\n"
                              " And DEPT = ?\n Order by SENSOR_ID"),
               {"BLOOD BANK"});
    QStringList active;
    while (q.next())
        active.append(q.value(0).toString());
    QStringList expectedActive;
    for (const SensorRow& s : demo.sensors)
        if (s.dept == QLatin1String("BLOOD BANK") && s.statusFlag == -1)
            expectedActive.append(s.sensorId);
    QCOMPARE(active, expectedActive);

    // A month of one sensor.
    q = select(QStringLiteral(" Select * from OBSERVATIONS\n Where OBS_DATE like ?\n"
                              " And SENSOR_ID = ?\n And Dept =?"),
               {"202402%", "00", "PHARMACY"});
    int days = 0;
    while (q.next())
        ++days;
    QCOMPARE(days, 7); // 23 to 29 February

    // The exception report of the TRH sensor: newest first, not-communicating text intact.
    q = select(QStringLiteral(" Select * from CALL_EVENT\n Where SENSOR_ID = ?\n And DEPT = ?\n"
                              " AND DATE Between ? AND ?\n ORDER by DATE DESC,TIME DESC"),
               {"01", "PHARMACY", "02/23/2024", "03/03/2024"});
    QStringList stamps;
    QStringList actuals;
    while (q.next()) {
        stamps.append(q.value(QStringLiteral("DATE")).toString() + QLatin1Char(' ') +
                      q.value(QStringLiteral("TIME")).toString());
        actuals.append(q.value(QStringLiteral("ACTUAL")).toString());
    }
    QStringList expectedStamps;
    for (const CallEventRow& e : demo.callEvents)
        if (e.dept == QLatin1String("PHARMACY") && e.sensorId == QLatin1String("01"))
            expectedStamps.append(e.date + QLatin1Char(' ') + e.time);
    std::sort(expectedStamps.begin(), expectedStamps.end(), std::greater<>());
    QCOMPARE(stamps, expectedStamps);
    QVERIFY(actuals.contains(notCommunicatingText()));
}

void TestDemoCollector::secondLoadReplacesTheRows()
{
    QFETCH(QString, table);
    QFETCH(QStringList, rows);
    if (!m_secondLoaded) {
        const Run run =
            runCollector(serverArguments(m_server, m_server.port) + sizeArguments(secondLoad()));
        QVERIFY2(run.finished && run.exitCode == 0, qPrintable(run.err));
        m_secondLoaded = true;
    }
    QCOMPARE(countRows(table), int(rows.size()));
}

void TestDemoCollector::unreachableServerFailsAtOnce()
{
    // A port nobody listens on: the connection is refused rather than left waiting.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const int port = probe.serverPort();
    probe.close();

    const Run run = runCollector(serverArguments(m_server, port) + sizeArguments(secondLoad()));
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("cannot connect to 127.0.0.1:%1").arg(port)),
             qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    // The rows of the last good load are still there.
    QCOMPARE(countRows(QStringLiteral("SENSORS")),
             int(generateDemoInstallation(secondLoad()).sensors.size()));
}

void TestDemoCollector::badOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("days not a number")
        << QStringList{"--days", "x"} << "--days: not a whole number";
    QTest::newRow("sensor 100") << QStringList{"--sensors", "101"}
                                << "sensors per department must be 1 to 100";
    QTest::newRow("no department")
        << QStringList{"--departments", "0"} << "departments must be 1 to";
    QTest::newRow("month 13") << QStringList{"--end-date", "2024-13-01"} << "--end-date";
    QTest::newRow("port 0") << QStringList{"--port", "0"} << "--port must be 1 to 65535";
    QTest::newRow("seed negative") << QStringList{"--seed", "-1"} << "--seed";
    QTest::newRow("stray argument") << QStringList{"sensors"} << "unexpected argument";
}

void TestDemoCollector::badOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run run = runCollector(arguments);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.startsWith(QStringLiteral("democollector: ")) && run.err.contains(message),
             qPrintable(run.err));
}

void TestDemoCollector::helpListsTheOptions()
{
    const Run run = runCollector({QStringLiteral("--help")});
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    for (const char* option : {"--host", "--port", "--user", "--password", "--database",
                               "--departments", "--sensors", "--days", "--end-date", "--seed"})
        QVERIFY2(run.out.contains(QLatin1String(option)), option);
}

QTEST_GUILESS_MAIN(TestDemoCollector)
#include "tst_DemoCollector.moc"
