#include "setup/ServerAdminModel.h"
#include "setup/ServerAdminQueries.h"

#include <QtTest>

using namespace kelvra;

namespace {

QStringList texts(const QList<SqlStatement>& statements)
{
    QStringList result;
    for (const SqlStatement& statement : statements)
        result << statement.text();
    return result;
}

const QDate newYearsDay(2024, 1, 1);
const QDate endOfMarch(2024, 3, 31);

} // namespace

class TestServerAdminRules : public QObject
{
    Q_OBJECT

private slots:
    void statementsReadAsWritten_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const DatedDeletion obs = oldObservations("LAB", newYearsDay, endOfMarch);
        QTest::newRow("observations, SQL Server selection")
            << obs.adoSelection.text()
            << "Select * from OBSERVATIONS WHERE DEPT = 'LAB' AND OBS_DATE Between '20240101' "
               "AND '20240331'";
        QTest::newRow("observations, SQL Server delete")
            << obs.adoDelete.text()
            << "Delete from OBSERVATIONS WHERE DEPT = 'LAB' AND OBS_DATE Between '20240101' AND "
               "'20240331'";
        QTest::newRow("observations, MySQL")
            << obs.mysql.text()
            << "Delete from OBSERVATIONS\n Where DEPT ='LAB'\n AND OBS_DATE Between '20240101' "
               "AND '20240331'";
        const DatedDeletion activity = oldActivity("LAB", newYearsDay, endOfMarch);
        QTest::newRow("activity, SQL Server selection")
            << activity.adoSelection.text()
            << "Select * from ACTIVITY WHERE DEPT = 'LAB' AND DATE Between '20240101' AND "
               "'20240331'";
        QTest::newRow("activity, SQL Server delete")
            << activity.adoDelete.text()
            << "Delete from ACTIVITY WHERE DEPT = 'LAB' AND DATE Between '20240101' AND "
               "'20240331'";
        QTest::newRow("activity, MySQL")
            << activity.mysql.text()
            << "Delete from ACTIVITY\n Where DEPT ='LAB'\n AND DATE Between '20240101' AND "
               "'20240331'";
        const QList<DatedDeletion> events = oldCallEvents("LAB", newYearsDay, endOfMarch);
        QCOMPARE(events.size(), 1);
        QTest::newRow("call events, SQL Server selection")
            << events[0].adoSelection.text()
            << "Select * from CALL_EVENT WHERE DEPT = 'LAB' AND DATE Between '01/01/2024' AND "
               "'03/31/2024' AND DATE like '%/2024'";
        QTest::newRow("call events, SQL Server delete")
            << events[0].adoDelete.text()
            << "Delete from CALL_EVENT WHERE DEPT = 'LAB' AND DATE Between '01/01/2024' AND "
               "'03/31/2024' AND DATE like '%/2024'";
        QTest::newRow("call events, MySQL")
            << events[0].mysql.text()
            << "Delete from CALL_EVENT\n Where DEPT ='LAB'\n AND DATE Between '01/01/2024' AND "
               "'03/31/2024' AND DATE like '%/2024'";
        QTest::newRow("drop tables")
            << texts(dropAllTables()).join('|')
            << "DROP TABLE SENSORS|DROP TABLE ACTIVITY|DROP TABLE OBSERVATIONS|DROP TABLE "
               "REG|DROP TABLE USERS|DROP TABLE CALLLIST|DROP TABLE CALL_EVENT";
        QTest::newRow("all of a department, SQL Server")
            << texts(allDepartmentData(Branch::Ado, "LAB")).join('|')
            << "Select * from Observations WHERE DEPT = 'LAB'|Select * from CALL_EVENT WHERE "
               "DEPT = 'LAB'|Select * from ACTIVITY WHERE DEPT = 'LAB'|Select * from CALLLIST "
               "WHERE DEPT = 'LAB'|Select * from SENSORS WHERE DEPT = 'LAB'|Select * from USERS "
               "WHERE DEPT = 'LAB'|Select * from REG WHERE REG_NAME = 'LAB'";
        QTest::newRow("all of a department, MySQL")
            << texts(allDepartmentData(Branch::MySql, "LAB")).join('|')
            << "Delete from OBSERVATIONS\n Where DEPT ='LAB'|Delete from CALL_EVENT\n Where "
               "DEPT ='LAB'|Delete from ACTIVITY\n Where DEPT ='LAB'|Delete from SENSORS\n Where "
               "DEPT ='LAB'|Delete from USERS\n Where DEPT ='LAB'|Delete from CALLLIST\n Where "
               "DEPT ='LAB'|Delete from REG\n Where REG_NAME ='LAB'";
    }
    void statementsReadAsWritten()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    // The US date texts compare month first, so each calendar year gets its own statement.
    void callEventsAreHeldToTheirYear_data()
    {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QStringList>("conditions");
        QTest::newRow("within a year")
            << newYearsDay << endOfMarch
            << QStringList{"'01/01/2024' AND '03/31/2024' AND DATE like '%/2024'"};
        QTest::newRow("across a New Year")
            << QDate(2023, 12, 15) << QDate(2024, 1, 15)
            << QStringList{"'12/15/2023' AND '12/31/2023' AND DATE like '%/2023'",
                           "'01/01/2024' AND '01/15/2024' AND DATE like '%/2024'"};
        QTest::newRow("three years")
            << QDate(2022, 6, 1) << QDate(2024, 2, 1)
            << QStringList{"'06/01/2022' AND '12/31/2022' AND DATE like '%/2022'",
                           "'01/01/2023' AND '12/31/2023' AND DATE like '%/2023'",
                           "'01/01/2024' AND '02/01/2024' AND DATE like '%/2024'"};
        QTest::newRow("one day") << QDate(2024, 12, 31) << QDate(2024, 12, 31)
                                 << QStringList{
                                        "'12/31/2024' AND '12/31/2024' AND DATE like '%/2024'"};
        // As typed: a first day after the last matches nothing.
        QTest::newRow("first day after the last")
            << QDate(2025, 3, 1) << QDate(2024, 1, 15)
            << QStringList{"'03/01/2025' AND '01/15/2024' AND DATE like '%/2025'"};
    }
    void callEventsAreHeldToTheirYear()
    {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QStringList, conditions);
        QStringList actual;
        for (const DatedDeletion& deletion : oldCallEvents("LAB", first, last)) {
            const QString text = deletion.mysql.text();
            actual << text.mid(text.indexOf("Between ") + 8);
        }
        QCOMPARE(actual, conditions);
    }

    void stepsCarryEachBranchsMessages()
    {
        QStringList ado, mysql;
        for (const DeletionStep& step : oldDataSteps(Branch::Ado, "LAB", newYearsDay, endOfMarch))
            ado << step.failurePrefix;
        for (const DeletionStep& step : oldDataSteps(Branch::MySql, "LAB", newYearsDay, endOfMarch))
            mysql << step.failurePrefix;
        QCOMPARE(ado, (QStringList{"Obs Data Deletion Error: ", "Exception Data Deletion Error: ",
                                   "Audit Data Deletion Error: "}));
        QCOMPARE(mysql, (QStringList{"Deletion Error: ", "", ""}));
        const QList<DeletionStep> acrossNewYear =
            oldDataSteps(Branch::MySql, "LAB", QDate(2023, 12, 15), QDate(2024, 1, 15));
        QCOMPARE(acrossNewYear[0].statements.size(), 1);
        QCOMPARE(acrossNewYear[1].statements.size(), 2);
        QCOMPARE(acrossNewYear[2].statements.size(), 1);
    }

    void questionsReadAsWritten()
    {
        QCOMPARE(deleteQuestion("LAB", newYearsDay, endOfMarch),
                 QString("ARE YOU SURE YOU WANT TO DELETE DATA FOR\rLAB From: 20240101 to "
                         "20240331?\rNote: Only Observation data will be deleted (Readings, "
                         "Audit Trail, and Exception Log)"));
        QCOMPARE(deleteAllQuestion(" LAB "),
                 QString("ARE YOU SURE YOU WANT TO DELETE ALL DATA FOR\r LAB "));
    }

    void hiddenCommandsAreTheTwoCharacters_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("command");
        QTest::newRow("+") << "+" << int(BackDoorCommand::DropTables);
        QTest::newRow("*") << "*" << int(BackDoorCommand::DeleteDepartment);
        QTest::newRow("letter") << "a" << int(BackDoorCommand::None);
        QTest::newRow("nothing") << "" << int(BackDoorCommand::None);
        QTest::newRow("two characters") << "++" << int(BackDoorCommand::None);
    }
    void hiddenCommandsAreTheTwoCharacters()
    {
        QFETCH(QString, typed);
        QFETCH(int, command);
        QCOMPARE(int(backDoorCommand(typed)), command);
    }

    void pickersShowFourDigitYears_data()
    {
        QTest::addColumn<QString>("shortDate");
        QTest::addColumn<QString>("picker");
        QTest::newRow("US Windows") << "M/d/yyyy"
                                    << "M/d/yyyy";
        QTest::newRow("two-digit year") << "M/d/yy"
                                        << "M/d/yyyy";
        QTest::newRow("German") << "dd.MM.yy"
                                << "dd.MM.yyyy";
        QTest::newRow("year first") << "yyyy-MM-dd"
                                    << "yyyy-MM-dd";
    }
    void pickersShowFourDigitYears()
    {
        QFETCH(QString, shortDate);
        QFETCH(QString, picker);
        QCOMPARE(pickerDateFormat(shortDate), picker);
    }
};

QTEST_GUILESS_MAIN(TestServerAdminRules)
#include "test_server_admin_rules.moc"
