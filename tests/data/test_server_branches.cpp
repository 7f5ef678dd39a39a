#include "data/DataAccess.h"
#include "data/Tdf.h"
#include "data/Tds.h"
#include "support/TestEnvironment.h"
#include "support/TestInstallation.h"

#include <QDir>
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
    QTemporaryDir m_odbcIni;

    std::unique_ptr<test::Installation> installationAt(const QString& way, const TestServer& at)
    {
        return test::installationAt(way, at, "x");
    }

    std::unique_ptr<test::Installation> installationFor(const QString& way, const QString& database)
    {
        return test::installationAt(way, m_server, database);
    }

    void arrangeServer(const QString& database)
    {
        QSqlDatabase db = test::freshServerDatabase(m_server, database);
        QVERIFY(db.isOpen());
        QSqlQuery q(db);
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
        QTest::addColumn<QString>("way");
        QTest::newRow("mySQL") << "mySQL";
        QTest::newRow("SQL Server branch, ODBC driver name") << "ODBC driver name";
    }

    // Every way of naming the driver that the escaping must not depend on.
    static void addEveryWay()
    {
        addBranches();
        QTest::newRow("SQL Server branch, ODBC driver path") << "ODBC driver path";
        QTest::newRow("SQL Server branch, ODBC data source") << "ODBC data source";
    }

    static QStringList readColumn(Dataset& rows, const QString& column)
    {
        QStringList values;
        for (; !AtEnd(rows); NextRow(rows))
            values << ReadField(rows, column).asText();
        CloseSql(rows);
        return values;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_odbcIni.isValid());
        test::useOdbcIniIn(m_odbcIni.path());
    }

    void cleanup()
    {
        QSqlDatabase::removeDatabase("arrange");
        QSqlDatabase::removeDatabase("check");
    }

    void choosesTheBranchFromTheType_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("branch");
        QTest::newRow("mySQL") << "mySQL" << int(Branch::MySql);
        QTest::newRow("SQL 2000") << "SQL 2000" << int(Branch::Ado);
        QTest::newRow("SQL 2005") << "SQL 2005" << int(Branch::Ado);
        QTest::newRow("SQL builds a string but no branch") << "SQL" << int(Branch::None);
        QTest::newRow("other") << "Oracle" << int(Branch::None);
    }

    void choosesTheBranchFromTheType()
    {
        QFETCH(QString, type);
        QFETCH(int, branch);
        arrangeServer("kelvra_branches");
        const QString hostPort = m_server.host + "," + QString::number(m_server.port);
        test::Installation inst(type, "MariaDB Unicode",
                                type == "mySQL" ? m_server.address() : hostPort, "kelvra_branches",
                                m_server);
        QVERIFY(inst.errors.isEmpty());
        QCOMPARE(int(inst.ds->branch()), branch);
        const BranchOutcome opened = inst.ds->open(
            inst.ds->AdoQuery,
            {" Select distinct REG_NAME from REG Order by REG_NAME",
             SqlStatement::lines({"Select REG_NAME from REG", " Order by REG_NAME"})});
        QCOMPARE(int(opened.branch()), branch);
        QCOMPARE(opened.ran(), branch != int(Branch::None));
        QCOMPARE(opened.ok(), opened.ran());
        QVERIFY(!opened.failed());
        // Nothing is shown from the server when no branch ran.
        QCOMPARE(readColumn(opened.rows(), "REG_NAME").size(), opened.ran() ? 3 : 0);
    }

    void readsDepartmentsAndSensors_data() { addEveryWay(); }
    void readsDepartmentsAndSensors()
    {
        QFETCH(QString, way);
        arrangeServer("kelvra_branches");
        const auto inst = installationFor(way, "kelvra_branches");
        Tds& ds = *inst->ds;
        const BranchStatement departments{
            " Select distinct REG_NAME from REG Order by REG_NAME",
            SqlStatement::lines({"Select REG_NAME from REG", " Order by REG_NAME"})};
        const BranchOutcome listed = ds.open(ds.AdoQuery, departments);
        QVERIFY2(listed.ok(), qPrintable(listed.error()));
        QCOMPARE(readColumn(listed.rows(), "REG_NAME"),
                 QStringList({"  LAB  ", "BLOOD BANK", "PHARMACY"}));

        // The SQL Server text as it stands, "-1And" included, runs on the MariaDB stand too.
        const BranchStatement sensors{
            SqlStatement(
                " Select distinct SENSOR_ID from SENSORS Where STATUS_FLAG = -1And DEPT = ")
                << quoted("LAB") << " Order by SENSOR_ID",
            SqlStatement::lines(
                {" Select distinct SENSOR_ID from SENSORS", " Where STATUS_FLAG = -1",
                 SqlStatement(" And DEPT = ") << quoted("LAB"), " Order by SENSOR_ID"})};
        const BranchOutcome opened = ds.open(ds.AdoQuery, sensors);
        QVERIFY2(opened.ok(), qPrintable(opened.error()));
        // Inactive 02 and STATUS_FLAG 1 are left out.
        QCOMPARE(readColumn(opened.rows(), "SENSOR_ID"), QStringList({"00", "01"}));
    }

    void tableNamesInAnyCase_data() { addBranches(); }
    void tableNamesInAnyCase()
    {
        QFETCH(QString, way);
        arrangeServer("kelvra_branches");
        const auto inst = installationFor(way, "kelvra_branches");
        const BranchOutcome opened =
            inst->ds->open(inst->ds->AdoView, {"Select * from Sensors", "Select * from Sensors"});
        QVERIFY2(opened.ok(), qPrintable(opened.error()));
        QCOMPARE(opened.rows().rowCount(), 5);
        CloseSql(opened.rows());
    }

    void readsValuesOfEveryKind_data() { addBranches(); }
    void readsValuesOfEveryKind()
    {
        QFETCH(QString, way);
        arrangeServer("kelvra_branches");
        const auto inst = installationFor(way, "kelvra_branches");
        const auto sensor = [](const char* id) {
            const SqlStatement select = SqlStatement("Select * from SENSORS Where DEPT = ")
                                        << quoted("LAB") << " And SENSOR_ID = " << quoted(id);
            return BranchStatement{select, select};
        };
        BranchOutcome opened = inst->ds->open(inst->ds->AdoView, sensor("02"));
        QVERIFY(opened.ok());
        Dataset& view = opened.rows();
        QCOMPARE(ReadField(view, "expected_value").asDouble(), -20.0);
        QCOMPARE(ReadField(view, "MAX_DEVIATION").asText(), QString("5"));
        QCOMPARE(ReadField(view, "STATUS_FLAG").asBool(), false);
        QCOMPARE(ReadField(view, "CHANGED").asText(), QString()); // NULL
        QVERIFY(ReadField(view, "NO_SUCH_COLUMN").isNull());
        CloseSql(view);
        opened = inst->ds->open(inst->ds->AdoView, sensor("03"));
        QCOMPARE(ReadField(opened.rows(), "STATUS_FLAG").asBool(), true); // 1 reads as yes
        CloseSql(opened.rows());
    }

    void hostileValuesSelectAndAlterNothing_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("value");
        for (const char* way :
             {"mySQL", "ODBC driver name", "ODBC driver path", "ODBC data source"}) {
            QTest::addRow("%s, apostrophes", way) << way << "X' OR '1'='1";
            QTest::addRow("%s, trailing backslash", way) << way << "LAB\\";
            QTest::addRow("%s, backslash quote", way) << way << "\\' OR 1=1 -- ";
            QTest::addRow("%s, comment", way) << way << "LAB' -- ";
        }
    }

    void hostileValuesSelectAndAlterNothing()
    {
        QFETCH(QString, way);
        QFETCH(QString, value);
        arrangeServer("kelvra_branches");
        const auto inst = installationFor(way, "kelvra_branches");
        Tds& ds = *inst->ds;

        const SqlStatement select = SqlStatement("Select * from OBSERVATIONS WHERE DEPT = ")
                                    << quoted(value) << " AND SENSOR_ID = " << quoted(value);
        const BranchOutcome opened = ds.open(ds.AdoView, {select, select});
        QVERIFY2(opened.ok(), qPrintable(opened.error()));
        QVERIFY(AtEnd(opened.rows()));
        CloseSql(opened.rows());

        const BranchOutcome deleted =
            ds.deleteRows({SqlStatement("Select * from OBSERVATIONS WHERE DEPT = ")
                               << quoted(value) << " AND OBS_DATE Between " << quoted("0")
                               << " AND " << quoted(value),
                           SqlStatement::lines({"Delete from OBSERVATIONS",
                                                SqlStatement(" Where DEPT =") << quoted(value),
                                                SqlStatement(" AND OBS_DATE Between ")
                                                    << quoted("0") << " AND " << quoted(value)})});
        QVERIFY2(deleted.ok(), qPrintable(deleted.error()));
        QSqlDatabase db = checkConnection("kelvra_branches");
        QCOMPARE(countRows(db, "SELECT COUNT(*) FROM OBSERVATIONS"), 6);
        QCOMPARE(countRows(db, "SELECT COUNT(*) FROM SENSORS"), 5);
    }

    // Texts with quotes, backslashes, wildcards and letters beyond ASCII are found again
    // exactly, and written back exactly.
    void valuesTravelExactly_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("value");
        for (const char* way :
             {"mySQL", "ODBC driver name", "ODBC driver path", "ODBC data source"}) {
            QTest::addRow("%s, apostrophe", way) << way << "O'Brien's fridge";
            QTest::addRow("%s, backslashes", way) << way << "C:\\temp\\";
            QTest::addRow("%s, percent", way) << way << "100%";
            QTest::addRow("%s, underscore", way) << way << "LAB_1";
            QTest::addRow("%s, letters beyond ASCII", way) << way << "Kühlraum 5 °C ß";
        }
    }

    void valuesTravelExactly()
    {
        QFETCH(QString, way);
        QFETCH(QString, value);
        arrangeServer("kelvra_branches");
        {
            QSqlDatabase db = checkConnection("kelvra_branches");
            QSqlQuery insert(db);
            insert.prepare("INSERT INTO SENSORS (SENSOR_ID, DEPT, LOCATION) VALUES (?, ?, ?)");
            for (const auto& [id, location] : {std::pair<QString, QString>{"10", value},
                                               {"11", "100x"},
                                               {"12", "LABX1"},
                                               {"13", "C:temp"}}) {
                insert.addBindValue(id);
                insert.addBindValue("VALUES");
                insert.addBindValue(location);
                QVERIFY2(insert.exec(), qPrintable(insert.lastError().text()));
            }
        }
        const auto inst = installationFor(way, "kelvra_branches");
        Tds& ds = *inst->ds;
        const SqlStatement select = SqlStatement("Select * from SENSORS Where DEPT = ")
                                    << quoted("VALUES") << " And LOCATION = " << quoted(value);
        const BranchOutcome opened = ds.open(ds.AdoView, {select, select});
        QVERIFY2(opened.ok(), qPrintable(opened.error()));
        Dataset& view = opened.rows();
        QCOMPARE(view.rowCount(), 1);
        QCOMPARE(ReadField(view, "SENSOR_ID").asText(), QString("10"));
        QCOMPARE(ReadField(view, "LOCATION").asText(), value);

        EditRow(view);
        WriteField(view, "LOCATION", value + " 2");
        const SqlOutcome posted = PostRow(view);
        QVERIFY2(posted, qPrintable(posted.error()));
        CloseSql(view);

        QSqlDatabase db = checkConnection("kelvra_branches");
        QSqlQuery check(db);
        QVERIFY(check.exec("SELECT SENSOR_ID, LOCATION FROM SENSORS WHERE DEPT = 'VALUES' "
                           "ORDER BY SENSOR_ID"));
        QStringList rows;
        while (check.next())
            rows << check.value(0).toString() + "=" + check.value(1).toString();
        QCOMPARE(rows, QStringList({"10=" + value + " 2", "11=100x", "12=LABX1", "13=C:temp"}));
    }

    void deletesOneDepartmentsDaysInRange_data() { addBranches(); }
    void deletesOneDepartmentsDaysInRange()
    {
        QFETCH(QString, way);
        arrangeServer("kelvra_branches");
        const auto inst = installationFor(way, "kelvra_branches");
        Tds& ds = *inst->ds;
        const QString dept = "LAB";
        const BranchOutcome days = ds.deleteRows(
            {SqlStatement("Select * from OBSERVATIONS WHERE DEPT = ")
                 << quoted(dept) << " AND OBS_DATE Between " << quoted("20261201") << " AND "
                 << quoted("20261231"),
             SqlStatement::lines({"Delete from OBSERVATIONS",
                                  SqlStatement(" Where DEPT =") << quoted(dept),
                                  SqlStatement(" AND OBS_DATE Between ")
                                      << quoted("20261201") << " AND " << quoted("20261231")})});
        QVERIFY2(days.ok(), qPrintable(days.error()));
        // Two identical CALL_EVENT rows: on SQL Server the first deletion takes both, the
        // second finds none, which is no error.
        const BranchOutcome events = ds.deleteRows(
            {SqlStatement("Select * from CALL_EVENT WHERE DEPT = ")
                 << quoted(dept) << " AND DATE Between " << quoted("12/01/2026") << " AND "
                 << quoted("12/31/2026"),
             SqlStatement::lines(
                 {"Delete from CALL_EVENT", SqlStatement(" Where DEPT =") << quoted(dept),
                  SqlStatement(" AND DATE Between ")
                      << quoted("12/01/2026") << " AND " << quoted("12/31/2026")})});
        QVERIFY2(events.ok(), qPrintable(events.error()));
        QCOMPARE(int(events.branch()), way == "mySQL" ? int(Branch::MySql) : int(Branch::Ado));

        QSqlDatabase db = checkConnection("kelvra_branches");
        QCOMPARE(countRows(db, "SELECT COUNT(*) FROM OBSERVATIONS WHERE DEPT = 'LAB'"),
                 1); // 20261130 stays
        QCOMPARE(countRows(db, "SELECT COUNT(*) FROM OBSERVATIONS WHERE DEPT = 'PHARMACY'"), 1);
        QCOMPARE(countRows(db, "SELECT COUNT(*) FROM CALL_EVENT WHERE DEPT = 'LAB'"), 0);
        QCOMPARE(countRows(db, "SELECT COUNT(*) FROM CALL_EVENT WHERE DEPT = 'PHARMACY'"), 1);
    }

    // Statements run together take effect together: a failure undoes the ones before it.
    void transactionsTakeEffectWholeOrNotAtAll_data() { addBranches(); }
    void transactionsTakeEffectWholeOrNotAtAll()
    {
        QFETCH(QString, way);
        arrangeServer("kelvra_branches");
        const auto inst = installationFor(way, "kelvra_branches");
        Tds& ds = *inst->ds;
        SqlCommand mySqlCommand(ds.MyConnection1);
        SqlCommand& command = ds.branch() == Branch::Ado ? ds.ADOCommand : mySqlCommand;
        const SqlStatement labRows = SqlStatement("Delete from OBSERVATIONS WHERE DEPT = ")
                                     << quoted("LAB");
        const SqlStatement pharmacyRows = SqlStatement("Delete from CALL_EVENT WHERE DEPT = ")
                                          << quoted("PHARMACY");

        const SqlOutcome failed =
            command.execInTransaction({labRows, SqlStatement("Delete from NO_SUCH_TABLE")});
        QVERIFY(!failed);
        QVERIFY(!failed.error().isEmpty());
        QSqlDatabase db = checkConnection("kelvra_branches");
        QCOMPARE(countRows(db, "SELECT COUNT(*) FROM OBSERVATIONS WHERE DEPT = 'LAB'"), 5);

        const SqlOutcome done = command.execInTransaction({labRows, pharmacyRows});
        QVERIFY2(done, qPrintable(done.error()));
        QCOMPARE(countRows(db, "SELECT COUNT(*) FROM OBSERVATIONS WHERE DEPT = 'LAB'"), 0);
        QCOMPARE(countRows(db, "SELECT COUNT(*) FROM CALL_EVENT WHERE DEPT = 'PHARMACY'"), 0);
        QCOMPARE(countRows(db, "SELECT COUNT(*) FROM CALL_EVENT WHERE DEPT = 'LAB'"), 3);
    }

    // A row without a key is matched whole; part of it could match another department's
    // rows, so such a change is refused rather than guessed.
    void refusesToMatchPartOfARowWithoutKey_data() { addBranches(); }
    void refusesToMatchPartOfARowWithoutKey()
    {
        QFETCH(QString, way);
        arrangeServer("kelvra_branches");
        const auto inst = installationFor(way, "kelvra_branches");
        Dataset& view = way == "mySQL" ? inst->ds->MyQuery1 : inst->ds->AdoView;
        QVERIFY(OpenSql(view, SqlStatement("Select `DATE`, SENSOR_ID from CALL_EVENT Where DEPT = ")
                                  << quoted("LAB")));
        QVERIFY(!AtEnd(view));
        const SqlOutcome deleted = DeleteRow(view);
        QVERIFY(!deleted);
        QVERIFY2(deleted.error().contains("lacks column"), qPrintable(deleted.error()));
        EditRow(view);
        WriteField(view, "SENSOR_ID", "99");
        QVERIFY(!PostRow(view));
        CloseSql(view);
        QSqlDatabase db = checkConnection("kelvra_branches");
        QCOMPARE(countRows(db, "SELECT COUNT(*) FROM CALL_EVENT"), 4);
        QCOMPARE(countRows(db, "SELECT COUNT(*) FROM CALL_EVENT WHERE SENSOR_ID = '99'"), 0);
    }

    void connectionLifetimeFollowsTheBranch_data() { addBranches(); }
    void connectionLifetimeFollowsTheBranch()
    {
        QFETCH(QString, way);
        arrangeServer("kelvra_branches");
        const auto inst = installationFor(way, "kelvra_branches");
        Tds& ds = *inst->ds;
        Dataset& view = way == "mySQL" ? ds.MyQuery1 : ds.AdoView;
        DbLink& link = way == "mySQL" ? ds.MyConnection1 : ds.ADOConnection1;
        QVERIFY(!link.isOpen()); // nothing connects before the first query
        QVERIFY(OpenSql(view, " Select REG_NAME from REG"));
        QVERIFY(link.isOpen());
        CloseSql(view);
        QCOMPARE(link.isOpen(), way != "mySQL");

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
        QFETCH(QString, way);
        int port = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            port = probe.serverPort();
        } // closed again: nothing listens there now
        TestServer down = m_server;
        down.port = port;
        const auto inst = installationAt(way, down);
        Dataset& view = way == "mySQL" ? inst->ds->MyQuery1 : inst->ds->AdoView;
        const SqlOutcome outcome = OpenSql(view, " Select REG_NAME from REG");
        QVERIFY(!outcome);
        QVERIFY(!outcome.error().isEmpty());
        CloseSql(view);
    }

    void aSilentServerFailsWithinTheTimeOut_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("mySQL") << "mySQL";
        QTest::newRow("SQL Server branch, MariaDB's driver") << "ODBC driver name";
        QTest::newRow("SQL Server branch, FreeTDS") << "FreeTDS";
    }

    void aSilentServerFailsWithinTheTimeOut()
    {
        QFETCH(QString, way);
        // Listens but never accepts and never speaks: the kernel completes the connection.
        QProcess silent;
        silent.start(SILENT_LISTENER_EXE, QStringList());
        QVERIFY(silent.waitForReadyRead(10000));
        TestServer mute = m_server;
        mute.port = silent.readLine().trimmed().toInt();
        QVERIFY(mute.port > 0);
        const auto inst = installationAt(way, mute);
        Dataset& view = way == "mySQL" ? inst->ds->MyQuery1 : inst->ds->AdoView;
        QElapsedTimer timer;
        timer.start();
        const SqlOutcome outcome = OpenSql(view, " Select REG_NAME from REG");
        const qint64 seconds = timer.elapsed() / 1000;
        QVERIFY(!outcome);
        // A guard against a hang, not a speed goal: the time-out, with room for retries.
        QVERIFY2(seconds <= 3 * test::testTimeouts.loginSeconds + 2,
                 qPrintable(QString("took %1 s").arg(seconds)));
        CloseSql(view);
        silent.kill();
        silent.waitForFinished(5000);
    }

    void aStatementLongerThanTheTimeOutFails_data() { addEveryWay(); }
    void aStatementLongerThanTheTimeOutFails()
    {
        QFETCH(QString, way);
        arrangeServer("kelvra_branches");
        const auto inst = installationFor(way, "kelvra_branches");
        Tds& ds = *inst->ds;
        QElapsedTimer timer;
        timer.start();
        const BranchOutcome slept = ds.open(ds.AdoView, {"SELECT SLEEP(60)", "SELECT SLEEP(60)"});
        const qint64 seconds = timer.elapsed() / 1000;
        QVERIFY(slept.failed());
        QVERIFY(!slept.error().isEmpty());
        QVERIFY2(seconds <= 3 * test::testTimeouts.statementSeconds + 2,
                 qPrintable(QString("took %1 s").arg(seconds)));
        CloseSql(slept.rows());
        // The connection after it works.
        const BranchOutcome next = ds.open(ds.AdoView, {"SELECT 1 AS ONE", "SELECT 1 AS ONE"});
        QVERIFY2(next.ok(), qPrintable(next.error()));
        QCOMPARE(ReadField(next.rows(), "ONE").asInt(), 1);
        CloseSql(next.rows());
    }
};

QTEST_GUILESS_MAIN(TestServerBranches)
#include "test_server_branches.moc"
