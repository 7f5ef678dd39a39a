#include "data/PasswordHash.h"
#include "setup/RegistrationModel.h"
#include "setup/RegistrationQueries.h"
#include "setup/UserAccountsModel.h"
#include "setup/UserAccountsQueries.h"

#include <QtTest>

using namespace kelvra;

class TestSetupRules : public QObject
{
    Q_OBJECT

private slots:
    void statementsReadAsWritten_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("company record")
            << companyRecord().text() << " Select * from REGISTRATION Where REG_ID = 1";
        QTest::newRow("program users")
            << localUserList().text()
            << " Select USER_NAME, USER_ID from USERS Order by USER_NAME,USER_ID";
        QTest::newRow("program user")
            << localUser("O'NEIL").text() << " Select * from USERS Where USER_ID = 'O'NEIL'";
        const BranchStatement list = departmentUserList("LAB");
        QTest::newRow("department users, SQL Server")
            << list.ado.text()
            << " Select USER_NAME, USER_ID from USERS Where DEPT = 'LAB' Order by "
               "USER_NAME,USER_ID";
        QTest::newRow("department users, MySQL")
            << list.mysql.text()
            << " Select USER_NAME, USER_ID from USERS\n Where DEPT = 'LAB'\n Order by USER_NAME, "
               "USER_ID";
        const BranchStatement user = departmentUser("NS1", "LAB");
        QTest::newRow("department user, SQL Server")
            << user.ado.text() << " Select * from USERS Where USER_ID = 'NS1' And DEPT= 'LAB'";
        QTest::newRow("department user, MySQL")
            << user.mysql.text()
            << " Select * from USERS\n Where USER_ID = 'NS1'\n And DEPT = 'LAB'";
    }
    void statementsReadAsWritten()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    void loadProgramsHasItsOwnOrder()
    {
        const QStringList names = loadProgramNames();
        QCOMPARE(names.size(), 13);
        QCOMPARE(names.at(9), QString("HOURLY GRAPHS"));
        QCOMPARE(names.first(), QString("USER ACCOUNTS"));
        QCOMPARE(names.last(), QString("EXCEPTION REPORT"));
    }

    void entriesSortByNameThenIdLetterCaseAside()
    {
        const QStringList entries = sortedUserEntries(
            {{"bob", "B2"}, {"AB", "X"}, {"A", "Z"}, {"Bob", "b1"}, {"alice", "Q"}});
        QCOMPARE(entries, QStringList({"A|Z", "AB|X", "alice|Q", "Bob|b1", "bob|B2"}));
        QCOMPARE(entryName("NIGHT SHIFT|NS1"), QString("NIGHT SHIFT"));
        QCOMPARE(entryId("NIGHT SHIFT|NS1"), QString("NS1"));
        QCOMPARE(entryId(""), QString());
    }

    void accessListEndsEveryLineWithCrLf()
    {
        QCOMPARE(storedAccessList({"USER ACCOUNTS", "HOURLY LOGS"}),
                 QString("USER ACCOUNTS\r\nHOURLY LOGS\r\n"));
        QCOMPARE(storedAccessList({}), QString());
    }

    void userChecksRunInOrder_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QStringList>("programs");
        QTest::addColumn<int>("focus");
        QTest::addColumn<QString>("message");
        const QStringList one{"HOURLY LOGS"};
        QTest::newRow("nothing") << ""
                                 << ""
                                 << "" << QStringList() << int(UserField::UserId)
                                 << "A USER ID IS REQUIRED";
        QTest::newRow("no name") << "NS1"
                                 << ""
                                 << "" << QStringList() << int(UserField::UserName)
                                 << "A USER NAME IS REQUIRED";
        QTest::newRow("no password")
            << "NS1"
            << "NIGHT"
            << "" << one << int(UserField::Password) << "A USER PASSWORD IS REQUIRED";
        QTest::newRow("no program") << "NS1"
                                    << "NIGHT"
                                    << "SECRET" << QStringList() << int(UserField::Programs)
                                    << "ACCESS TO AT LEAST ONE PROGRAM IS REQUIRED";
        QTest::newRow("complete") << "NS1"
                                  << "NIGHT"
                                  << "SECRET" << one << int(UserField::None) << "";
    }
    void userChecksRunInOrder()
    {
        QFETCH(QString, id);
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QStringList, programs);
        QFETCH(int, focus);
        QFETCH(QString, message);
        const UserCheck check = checkUser({id, name, password, programs});
        QCOMPARE(int(check.focus), focus);
        QCOMPARE(check.message, message);
    }

    void registrationChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("city");
        QTest::addColumn<int>("focus");
        QTest::addColumn<QString>("message");
        QTest::newRow("no address")
            << "ACME"
            << ""
            << "" << int(RegistrationField::Address) << "AN ADDRESS IS REQUIRED";
        QTest::newRow("no city") << "ACME"
                                 << "1 MAIN ST"
                                 << "" << int(RegistrationField::CityStateZip)
                                 << "CITY, STATE AND ZIP ARE REQUIRED";
        QTest::newRow("complete") << ""
                                  << "1 MAIN ST"
                                  << "SPRINGFIELD" << int(RegistrationField::None) << "";
    }
    void registrationChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(QString, city);
        QFETCH(int, focus);
        QFETCH(QString, message);
        const RegistrationCheck check = checkRegistration({name, address, city});
        QCOMPARE(int(check.focus), focus);
        QCOMPARE(check.message, message);
        QCOMPARE(checkFirstRecord({"  ", address, city}).message,
                 QString("A COMPANY NAME IS REQUIRED"));
        QVERIFY(checkFirstRecord({"ACME", address, city}).message.isEmpty());
    }

    // The box shows a placeholder after View; unedited, the stored value is written back.
    void passwordBoxKeepsTheStoredValueUntilEdited()
    {
        PasswordBox box;
        const QString stored = hashPassword("SECRET", 1000);
        const QString shown = box.viewed(stored);
        QVERIFY(!shown.isEmpty());
        QVERIFY(!stored.contains(shown));
        QCOMPARE(box.valueToStore(shown), stored);
        // Typing the placeholder's very text is an edit like any other.
        box.edited();
        const QString typed = box.valueToStore(shown);
        QVERIFY(isPasswordHash(typed));
        QVERIFY(checkPassword(shown, typed).matches);
        box.cleared();
        QVERIFY(checkPassword("NEWPASS", box.valueToStore("NEWPASS")).matches);
        // A user stored without a password shows an empty box.
        QCOMPARE(box.viewed(""), QString());
        QVERIFY(!box.holdsStoredPassword());
    }
};

QTEST_GUILESS_MAIN(TestSetupRules)
#include "test_setup_rules.moc"
