#include "data/DataAccess.h"
#include "data/Tdf.h"
#include "data/Tds.h"
#include "db/ServerSchema.h"
#include "support/TestEnvironment.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace kelvra;
using test::TestServer;

namespace {

// The local settings and both data modules of one installation pointing at `address`.
struct Installation
{
    Installation(const QString& type, const QString& provider, const QString& address,
                 const QString& database, const TestServer& server)
        : df(dir.filePath("Database/sensordb.db"))
    {
        SqlStatement insert(
            "INSERT INTO SERVER (Address, Username, Pass, Dbname, Type, sqlProvider, "
            "persistinfo, Who, Changed) VALUES (");
        insert << quoted(address) << ", " << quoted(server.user) << ", " << quoted(server.password)
               << ", " << quoted(database) << ", " << quoted(type) << ", " << quoted(provider)
               << ", 'False', 'Admin', '12/11/2026 - 10:00')";
        {
            Tds first(df, {});
        } // creates the SERVER table
        const SqlOutcome stored = ExecSql(df.ADOCommand, insert);
        if (!stored)
            qWarning("%s", qPrintable(stored.error()));
        ds = std::make_unique<Tds>(df, [this](const QString& e) { errors << e; });
    }

    QTemporaryDir dir;
    Tdf df;
    std::unique_ptr<Tds> ds;
    QStringList errors;
};

// Counts rows straight on the server, past the data modules.
int countRows(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql) || !q.next()) {
        qWarning("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        return -1;
    }
    return q.value(0).toInt();
}

const char* const fixtureRows[] = {
    "INSERT INTO REG (REG_NAME, ADDRESS1, ADDRESS2, CSZ, DEPT) VALUES "
    "('PHARMACY', '1 Main St', '', 'Springfield', 'PHARMACY'), ('  LAB  ', '2 Main St', 'Wing B', "
    "'Springfield', '  LAB  '), ('BLOOD BANK', '3 Main St', 'Floor 2', 'Springfield', 'BLOOD "
    "BANK')",
    "INSERT INTO SENSORS (SENSOR_ID, DEPT, SENSOR_TYPE, LOCATION, EXPECTED_VALUE, MAX_DEVIATION, "
    "STATUS_FLAG) "
    "VALUES ('00', 'LAB', 'T', 'Fridge 1', 5, 3, -1), ('01', 'LAB', 'TRH', 'Room', 21, 4, -1), "
    "('02', 'LAB', 'THS', 'Freezer', -20, 5, 0), ('03', 'LAB', 'T', 'Spare', 5, 3, 1), "
    "('00', 'PHARMACY', 'T', 'Vaccines', 5, 3, -1)",
    "INSERT INTO OBSERVATIONS (OBS_DATE, SENSOR_ID, DEPT, OBS_DATA, error) VALUES "
    "('20261130', '00', 'LAB', 'L00:5.1|5.2', 0), ('20261201', '00', 'LAB', 'L00:5.0', 0), "
    "('20261202', '00', 'LAB', 'L00:4.9', 0), ('20261215', '00', 'LAB', 'L00:4.8', 0), "
    "('20261201', '01', 'LAB', 'L01:21.0^45', 0), ('20261201', '00', 'PHARMACY', 'P00:5.5', 0)",
    "INSERT INTO CALL_EVENT (`DATE`, `TIME`, SENSOR_ID, DEPT, ALARM_METHOD, ACTUAL) VALUES "
    "('12/01/2026', '10:00:00', '00', 'LAB', NULL, 'x'), ('12/01/2026', '10:00:00', '00', 'LAB', "
    "NULL, 'x'), "
    "('12/05/2026', '11:00:00', '00', 'LAB', 'PHONE', 'y'), ('12/01/2026', '10:00:00', '00', "
    "'PHARMACY', NULL, 'x')",
};

} // namespace

class TestServerBranches : public QObject
{
    Q_OBJECT

    TestServer m_server = TestServer::fromEnvironment();

    // An installation whose server is at a given port: MySQL, ODBC with MariaDB's driver, or
    // ODBC with FreeTDS (the production driver for SQL Server).
    static std::unique_ptr<Installation> installationAt(const QString& branch, const TestServer& at,
                                                        const QString& database = "x")
    {
        const QString hostPort = at.host + "," + QString::number(at.port);
        if (branch == "mySQL")
            return std::make_unique<Installation>("mySQL", "", at.address(), database, at);
        if (branch == "FreeTDS")
            return std::make_unique<Installation>("SQL 2005", "", hostPort, database, at);
        return std::make_unique<Installation>("SQL 2000", "MariaDB Unicode", hostPort, database,
                                              at);
    }

    std::unique_ptr<Installation> installationFor(const QString& branch, const QString& database)
    {
        return installationAt(branch, m_server, database);
    }

    void arrangeServer(const QString& database)
    {
        QVERIFY(test::recreateDatabase(m_server, database));
        QSqlDatabase db = test::directConnection(m_server, database, "arrange");
        QVERIFY2(db.open(), qPrintable(db.lastError().text()));
        QSqlQuery q(db);
        for (const QString& statement : serverSchemaStatements(SqlDialect::MySql))
            QVERIFY2(q.exec(statement), qPrintable(q.lastError().text()));
        for (const char* rows : fixtureRows)
            QVERIFY2(q.exec(rows), qPrintable(q.lastError().text()));
    }

    QSqlDatabase checkConnection(const QString& database)
    {
        QSqlDatabase db = test::directConnection(m_server, database, "check");
        if (!db.isOpen())
            db.open();
        return db;
    }

    static void addBranches()
    {
        QTest::addColumn<QString>("branch");
        QTest::newRow("mySQL") << "mySQL";
        QTest::newRow("SQL Server through ODBC") << "SQL 2000";
    }

private slots:
    void cleanup()
    {
        QSqlDatabase::removeDatabase("arrange");
        QSqlDatabase::removeDatabase("check");
    }

    void choosesTheBranchFromTheType_data() { addBranches(); }
    void choosesTheBranchFromTheType()
    {
        QFETCH(QString, branch);
        const auto inst = installationFor(branch, "kelvra_branches");
        QVERIFY(inst->errors.isEmpty());
        QCOMPARE(inst->ds->IsMySqlType(), branch == "mySQL");
        QCOMPARE(inst->ds->IsAdoType(), branch != "mySQL");
        if (branch != "mySQL")
            QVERIFY2(inst->ds->odbcConnectionString().startsWith(
                         "Driver={MariaDB Unicode};SERVER=127.0.0.1;PORT="),
                     qPrintable(inst->ds->odbcConnectionString()));
    }

    void readsDepartmentsAndSensors_data() { addBranches(); }
    void readsDepartmentsAndSensors()
    {
        QFETCH(QString, branch);
        arrangeServer("kelvra_branches");
        const auto inst = installationFor(branch, "kelvra_branches");
        Tds& ds = *inst->ds;
        Dataset& lists = branch == "mySQL" ? ds.MyQuery1 : ds.AdoQuery;
        const SqlStatement departments =
            branch == "mySQL"
                ? SqlStatement::lines({"Select REG_NAME from REG", " Order by REG_NAME"})
                : SqlStatement(" Select distinct REG_NAME from REG Order by REG_NAME");
        QVERIFY(OpenSql(lists, departments));
        QStringList names;
        for (; !AtEnd(lists); NextRow(lists))
            names << ReadField(lists, "REG_NAME").asText();
        CloseSql(lists);
        QCOMPARE(names, QStringList({"  LAB  ", "BLOOD BANK", "PHARMACY"}));

        // (The SQL Server lists that read "-1And" are T-SQL only: MariaDB takes "1And" for a name.)
        const SqlStatement sensors =
            branch == "mySQL"
                ? SqlStatement::lines(
                      {" Select distinct SENSOR_ID from SENSORS", " Where STATUS_FLAG = -1",
                       SqlStatement(" And DEPT = ") << quoted("LAB"), " Order by SENSOR_ID"})
                : SqlStatement(
                      " Select distinct SENSOR_ID from SENSORS Where STATUS_FLAG = -1 And DEPT = ")
                      << quoted("LAB") << " Order by SENSOR_ID";
        const SqlOutcome opened = OpenSql(lists, sensors);
        QVERIFY2(opened, qPrintable(opened.error()));
        QStringList ids;
        for (; !AtEnd(lists); NextRow(lists))
            ids << ReadField(lists, "SENSOR_ID").asText();
        CloseSql(lists);
        QCOMPARE(ids, QStringList({"00", "01"})); // inactive 02 and STATUS_FLAG 1 left out
    }

    void readsValuesOfEveryKind_data() { addBranches(); }
    void readsValuesOfEveryKind()
    {
        QFETCH(QString, branch);
        arrangeServer("kelvra_branches");
        const auto inst = installationFor(branch, "kelvra_branches");
        Dataset& view = branch == "mySQL" ? inst->ds->MyQuery1 : inst->ds->AdoView;
        QVERIFY(OpenSql(view, SqlStatement("Select * from SENSORS Where DEPT = ")
                                  << quoted("LAB") << " And SENSOR_ID = " << quoted("02")));
        QCOMPARE(ReadField(view, "expected_value").asDouble(), -20.0);
        QCOMPARE(ReadField(view, "MAX_DEVIATION").asText(), QString("5"));
        QCOMPARE(ReadField(view, "STATUS_FLAG").asBool(), false);
        QCOMPARE(ReadField(view, "CHANGED").asText(), QString()); // NULL
        QVERIFY(ReadField(view, "NO_SUCH_COLUMN").isNull());
        CloseSql(view);
        QVERIFY(OpenSql(view, SqlStatement("Select * from SENSORS Where DEPT = ")
                                  << quoted("LAB") << " And SENSOR_ID = " << quoted("03")));
        QCOMPARE(ReadField(view, "STATUS_FLAG").asBool(), true); // 1 reads as yes
        CloseSql(view);
    }

    void hostileValuesSelectAndAlterNothing_data()
    {
        QTest::addColumn<QString>("branch");
        QTest::addColumn<QString>("value");
        for (const char* branch : {"mySQL", "SQL 2000"}) {
            QTest::addRow("%s, apostrophes", branch) << branch << "X' OR '1'='1";
            QTest::addRow("%s, trailing backslash", branch) << branch << "LAB\\";
            QTest::addRow("%s, backslash quote", branch) << branch << "\\' OR 1=1 -- ";
            QTest::addRow("%s, comment", branch) << branch << "LAB' -- ";
        }
    }

    void hostileValuesSelectAndAlterNothing()
    {
        QFETCH(QString, branch);
        QFETCH(QString, value);
        arrangeServer("kelvra_branches");
        const auto inst = installationFor(branch, "kelvra_branches");
        Tds& ds = *inst->ds;
        Dataset& view = branch == "mySQL" ? ds.MyQuery1 : ds.AdoView;

        QVERIFY(OpenSql(view, SqlStatement("Select * from OBSERVATIONS WHERE DEPT = ")
                                  << quoted(value) << " AND SENSOR_ID = " << quoted(value)));
        QVERIFY(AtEnd(view));
        CloseSql(view);

        if (branch == "mySQL") {
            QVERIFY(ExecSql(ds.MyQuery1,
                            SqlStatement::lines({"Delete from OBSERVATIONS",
                                                 SqlStatement(" Where DEPT =") << quoted(value),
                                                 SqlStatement(" AND OBS_DATE Between ")
                                                     << quoted("0") << " AND " << quoted(value)})));
        } else {
            QVERIFY(OpenSql(ds.AdoView, SqlStatement("Select * from OBSERVATIONS WHERE DEPT = ")
                                            << quoted(value) << " AND OBS_DATE Between "
                                            << quoted("0") << " AND " << quoted(value)));
            while (!AtEnd(ds.AdoView))
                QVERIFY(DeleteRow(ds.AdoView));
            CloseSql(ds.AdoView);
        }
        QSqlDatabase db = checkConnection("kelvra_branches");
        QCOMPARE(countRows(db, "SELECT COUNT(*) FROM OBSERVATIONS"), 6);
        QCOMPARE(countRows(db, "SELECT COUNT(*) FROM SENSORS"), 5);
    }

    void deletesOneDepartmentsDaysInRange_data() { addBranches(); }
    void deletesOneDepartmentsDaysInRange()
    {
        QFETCH(QString, branch);
        arrangeServer("kelvra_branches");
        const auto inst = installationFor(branch, "kelvra_branches");
        Tds& ds = *inst->ds;
        const QString dept = "LAB";
        if (branch == "mySQL") {
            QVERIFY(ExecSql(
                ds.MyQuery1,
                SqlStatement::lines({"Delete from OBSERVATIONS",
                                     SqlStatement(" Where DEPT =") << quoted(dept),
                                     SqlStatement(" AND OBS_DATE Between ")
                                         << quoted("20261201") << " AND " << quoted("20261231")})));
            QVERIFY(ExecSql(ds.MyQuery1,
                            SqlStatement::lines({"Delete from CALL_EVENT",
                                                 SqlStatement(" Where DEPT =") << quoted(dept),
                                                 SqlStatement(" AND DATE Between ")
                                                     << quoted("12/01/2026") << " AND "
                                                     << quoted("12/31/2026")})));
        } else {
            for (const SqlStatement& selection :
                 {SqlStatement("Select * from OBSERVATIONS WHERE DEPT = ")
                      << quoted(dept) << " AND OBS_DATE Between " << quoted("20261201") << " AND "
                      << quoted("20261231"),
                  SqlStatement("Select * from CALL_EVENT WHERE DEPT = ")
                      << quoted(dept) << " AND DATE Between " << quoted("12/01/2026") << " AND "
                      << quoted("12/31/2026")}) {
                const SqlOutcome opened = OpenSql(ds.AdoView, selection);
                QVERIFY2(opened, qPrintable(opened.error()));
                // Two identical CALL_EVENT rows: the first deletion takes both, the second finds
                // none.
                while (!AtEnd(ds.AdoView)) {
                    const SqlOutcome deleted = DeleteRow(ds.AdoView);
                    QVERIFY2(deleted, qPrintable(deleted.error()));
                }
                CloseSql(ds.AdoView);
            }
        }
        QSqlDatabase db = checkConnection("kelvra_branches");
        QCOMPARE(countRows(db, "SELECT COUNT(*) FROM OBSERVATIONS WHERE DEPT = 'LAB'"),
                 1); // 20261130 stays
        QCOMPARE(countRows(db, "SELECT COUNT(*) FROM OBSERVATIONS WHERE DEPT = 'PHARMACY'"), 1);
        QCOMPARE(countRows(db, "SELECT COUNT(*) FROM CALL_EVENT WHERE DEPT = 'LAB'"), 0);
        QCOMPARE(countRows(db, "SELECT COUNT(*) FROM CALL_EVENT WHERE DEPT = 'PHARMACY'"), 1);
    }

    void connectionLifetimeFollowsTheBranch_data() { addBranches(); }
    void connectionLifetimeFollowsTheBranch()
    {
        QFETCH(QString, branch);
        arrangeServer("kelvra_branches");
        const auto inst = installationFor(branch, "kelvra_branches");
        Tds& ds = *inst->ds;
        Dataset& view = branch == "mySQL" ? ds.MyQuery1 : ds.AdoView;
        DbLink& link = branch == "mySQL" ? ds.MyConnection1 : ds.ADOConnection1;
        QVERIFY(!link.isOpen()); // nothing connects before the first query
        QVERIFY(OpenSql(view, " Select REG_NAME from REG"));
        QVERIFY(link.isOpen());
        CloseSql(view);
        QCOMPARE(link.isOpen(), branch != "mySQL");

        // A failed statement is reported, and the next one works again.
        const SqlOutcome failed = OpenSql(view, " Select * from NO_SUCH_TABLE");
        QVERIFY(!failed);
        QVERIFY(failed.error().contains("NO_SUCH_TABLE", Qt::CaseInsensitive));
        CloseSql(view);
        QVERIFY(OpenSql(view, " Select REG_NAME from REG"));
        QCOMPARE(view.rowCount(), 3);
        CloseSql(view);
    }

    void aServerThatIsDownFailsPromptly_data()
    {
        addBranches();
        QTest::newRow("SQL Server through FreeTDS") << "FreeTDS";
    }

    void aServerThatIsDownFailsPromptly()
    {
        QFETCH(QString, branch);
        int port = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            port = probe.serverPort();
        } // closed again: nothing listens there now
        TestServer down = m_server;
        down.port = port;
        const auto inst = installationAt(branch, down);
        Dataset& view = branch == "mySQL" ? inst->ds->MyQuery1 : inst->ds->AdoView;
        const SqlOutcome outcome = OpenSql(view, " Select REG_NAME from REG");
        QVERIFY(!outcome);
        QVERIFY(!outcome.error().isEmpty());
        CloseSql(view);
    }

    void aSilentServerFailsWithinTheTimeOut_data()
    {
        QTest::addColumn<QString>("branch");
        QTest::addColumn<int>("limitSeconds");
        QTest::newRow("mySQL") << "mySQL" << 3 * Tds::mySqlTimeoutSeconds;
        QTest::newRow("SQL Server through ODBC") << "SQL 2000" << 3 * Tds::odbcLoginTimeoutSeconds;
        QTest::newRow("SQL Server through FreeTDS")
            << "FreeTDS" << 3 * Tds::odbcLoginTimeoutSeconds;
    }

    void aSilentServerFailsWithinTheTimeOut()
    {
        QFETCH(QString, branch);
        QFETCH(int, limitSeconds);
        // Listens but never accepts and never speaks: the kernel completes the connection.
        QProcess silent;
        silent.start(SILENT_LISTENER_EXE, QStringList());
        QVERIFY(silent.waitForReadyRead(10000));
        TestServer mute = m_server;
        mute.port = silent.readLine().trimmed().toInt();
        QVERIFY(mute.port > 0);
        const auto inst = installationAt(branch, mute);
        Dataset& view = branch == "mySQL" ? inst->ds->MyQuery1 : inst->ds->AdoView;
        QElapsedTimer timer;
        timer.start();
        const SqlOutcome outcome = OpenSql(view, " Select REG_NAME from REG");
        const qint64 seconds = timer.elapsed() / 1000;
        QVERIFY(!outcome);
        // A guard against a hang, not a speed goal.
        QVERIFY2(seconds <= limitSeconds, qPrintable(QString("took %1 s").arg(seconds)));
        CloseSql(view);
        silent.kill();
        silent.waitForFinished(5000);
    }

    void aStatementLongerThanTheMySqlTimeOutFails()
    {
        const auto inst = installationFor("mySQL", "mysql");
        const SqlOutcome outcome = OpenSql(inst->ds->MyQuery1, "SELECT SLEEP(30)");
        QVERIFY(!outcome);
        CloseSql(inst->ds->MyQuery1);
        // The connection after it works.
        QVERIFY(OpenSql(inst->ds->MyQuery1, "SELECT 1"));
        CloseSql(inst->ds->MyQuery1);
    }
};

QTEST_GUILESS_MAIN(TestServerBranches)
#include "test_server_branches.moc"
