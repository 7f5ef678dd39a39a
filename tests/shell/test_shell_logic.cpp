#include "common/AccessList.h"
#include "common/Session.h"
#include "data/PasswordHash.h"
#include "shell/MainLayout.h"
#include "shell/MenuCatalog.h"
#include "shell/SignOnRules.h"
#include "support/FixedClock.h"

#include <QSet>
#include <QTimeZone>
#include <QtTest>

using namespace kelvra;

class TestShellLogic : public QObject
{
    Q_OBJECT

private slots:
    void parsesAccessLists_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("CR LF") << "SENSOR SETUP\r\nHOURLY LOGS\r\n"
                               << QStringList{"SENSOR SETUP", "HOURLY LOGS"};
        QTest::newRow("CR alone") << "SENSOR SETUP\rHOURLY LOGS"
                                  << QStringList{"SENSOR SETUP", "HOURLY LOGS"};
        QTest::newRow("LF alone") << "SENSOR SETUP\nHOURLY LOGS\n"
                                  << QStringList{"SENSOR SETUP", "HOURLY LOGS"};
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("trailing blank kept") << "HOURLY GRAPHS \r\n"
                                             << QStringList{"HOURLY GRAPHS "};
    }

    void parsesAccessLists()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, expected);
        QCOMPARE(parseAccessList(stored), expected);
    }

    void grantsWholeLinesIgnoringCase_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("granted");
        QTest::newRow("exact") << "HOURLY GRAPHS" << true;
        QTest::newRow("lower case") << "hourly graphs" << true;
        QTest::newRow("trailing blank") << "HOURLY GRAPHS " << false;
        QTest::newRow("part of a line") << "HOURLY GRAPHS AND MORE" << false;
        QTest::newRow("other name") << "HOURLY LOGS" << false;
    }

    void grantsWholeLinesIgnoringCase()
    {
        QFETCH(QString, line);
        QFETCH(bool, granted);
        QCOMPARE(accessListGrants({"SENSOR SETUP", line}, AccessName::HourlyGraphs), granted);
    }

    void stampsActivityAsMinutesSinceTheEpoch()
    {
        test::FixedClock clock(QDateTime(QDate(2026, 12, 11), QTime(9, 5, 59), Qt::UTC));
        Session session(clock);
        session.StampActivity();
        QCOMPARE(session.LastActivityStamp(),
                 QDateTime(QDate(2026, 12, 11), QTime(9, 5), Qt::UTC).toSecsSinceEpoch() / 60);
        clock.set(QDateTime(QDate(1969, 12, 31), QTime(23, 59, 30), Qt::UTC));
        session.StampActivity();
        QCOMPARE(session.LastActivityStamp(), qint64(-1));
    }

    void signsOutAfterFifteenIdleMinutes_data()
    {
        QTest::addColumn<QDateTime>("lastAction");
        QTest::addColumn<QDateTime>("timer");
        QTest::addColumn<bool>("signsOut");
        const QTimeZone newYork("America/New_York");
        const QTimeZone edt = QTimeZone(-4 * 3600);
        const QTimeZone est = QTimeZone(-5 * 3600);
        const QDate day(2026, 12, 11);
        const QDate next(2026, 12, 12);
        QTest::newRow("15 minutes stays")
            << QDateTime(day, QTime(10, 0)) << QDateTime(day, QTime(10, 15, 59)) << false;
        QTest::newRow("16 minutes signs out")
            << QDateTime(day, QTime(10, 0, 59)) << QDateTime(day, QTime(10, 16)) << true;
        QTest::newRow("across the hour")
            << QDateTime(day, QTime(10, 50)) << QDateTime(day, QTime(11, 6)) << true;
        QTest::newRow("hours later")
            << QDateTime(day, QTime(10, 50)) << QDateTime(day, QTime(14, 40)) << true;
        QTest::newRow("across midnight, idle")
            << QDateTime(day, QTime(23, 58)) << QDateTime(next, QTime(0, 14)) << true;
        QTest::newRow("across midnight, active")
            << QDateTime(day, QTime(23, 59)) << QDateTime(next, QTime(0, 1)) << false;
        QTest::newRow("clocks go forward")
            << QDateTime(QDate(2026, 3, 8), QTime(1, 55), newYork)
            << QDateTime(QDate(2026, 3, 8), QTime(3, 5), newYork) << false;
        QTest::newRow("clocks go back") << QDateTime(QDate(2026, 11, 1), QTime(1, 55), edt)
                                        << QDateTime(QDate(2026, 11, 1), QTime(1, 5), est) << false;
    }

    void signsOutAfterFifteenIdleMinutes()
    {
        QFETCH(QDateTime, lastAction);
        QFETCH(QDateTime, timer);
        QFETCH(bool, signsOut);
        test::FixedClock clock(lastAction);
        Session session(clock);
        session.StampActivity();
        clock.set(timer);
        QCOMPARE(session.idleTooLong(), signsOut);
    }

    void passwordsNeedTwoKindsOfCharacters_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("mixed");
        QTest::newRow("six letters") << "ABCDEF" << false;
        QTest::newRow("six digits") << "123456" << false;
        QTest::newRow("six symbols") << "!/:@[`" << false;
        QTest::newRow("letters and digits") << "ABC123" << true;
        QTest::newRow("letters and a hyphen") << "ABCDE-" << true;
        QTest::newRow("digits and a hyphen") << "12345-" << true;
        QTest::newRow("lower-case letters and digits") << "abc123" << true;
        for (const char symbol : {'!', '/', ':', '@', '[', '`', '{', '~'})
            QTest::addRow("symbol %c", symbol) << QString("ABCDE") + QLatin1Char(symbol) << true;
        QTest::newRow("a blank is no symbol") << "ABCDE " << false;
        QTest::newRow("code 127 is no symbol") << QString("ABCDE") + QChar(127) << false;
        QTest::newRow("accented letters count for nothing") << QString("ÄÖÜ123") << false;
        QTest::newRow("a no-break space counts for nothing")
            << QString("ABCDE") + QChar(160) << false;
    }

    void passwordsNeedTwoKindsOfCharacters()
    {
        QFETCH(QString, password);
        QFETCH(bool, mixed);
        QCOMPARE(passwordHasMix(password), mixed);
    }

    void passwordChangeChecksInOrder_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("field");
        const int current = int(PasswordField::Current);
        const int fresh = int(PasswordField::New);
        const int confirm = int(PasswordField::Confirm);
        QTest::newRow("nothing typed") << ""
                                       << ""
                                       << ""
                                       << "CURRENT PASSWORD IS REQUIRED" << current;
        QTest::newRow("wrong current") << "WRONG1"
                                       << ""
                                       << ""
                                       << "CURRENT PASSWORD IS INCORRECT" << current;
        QTest::newRow("no new") << "OLD123"
                                << ""
                                << "X"
                                << "A NEW PASSWORD IS REQUIRED" << fresh;
        QTest::newRow("no confirmation") << "OLD123"
                                         << "AB1"
                                         << ""
                                         << "PLEASE CONFIRM YOUR NEW PASSWORD" << confirm;
        QTest::newRow("mismatch before length") << "OLD123"
                                                << "AB1"
                                                << "AB2"
                                                << "ENTRIES DO NOT MATCH!" << confirm;
        QTest::newRow("short") << "OLD123"
                               << "AB1"
                               << "AB1"
                               << "PASSWORD MUST BE AT LEAST 6 CHARACTERS!" << fresh;
        QTest::newRow("six letters")
            << "OLD123"
            << "ABCDEF"
            << "ABCDEF"
            << "PASSWORD MUST CONTAIN A MIX OF ALPHANUMERIC CHARACTERS!" << fresh;
        QTest::newRow("accepted") << "OLD123"
                                  << "ABC123"
                                  << "ABC123"
                                  << "" << -1;
    }

    void passwordChangeChecksInOrder()
    {
        QFETCH(QString, current);
        QFETCH(QString, newPassword);
        QFETCH(QString, confirmation);
        QFETCH(QString, message);
        QFETCH(int, field);
        for (const QString& stored : {QString("OLD123"), hashPassword("OLD123", 1000)}) {
            const auto problem = passwordChangeProblem(current, stored, newPassword, confirmation);
            QCOMPARE(problem ? problem->message : QString(), message);
            QCOMPARE(problem ? int(problem->field) : -1, field);
        }
    }

    void firstAdministratorGetsEveryNameJoinedByCr()
    {
        QCOMPARE(firstAdministratorAccessText(),
                 QString("USER ACCOUNTS\rCOMPANY REGISTRATION\rSERVER DATABASE ADMIN\rSERVER "
                         "CONFIG\rSENSOR SETUP\rALARM CALL LIST\rSENSOR READINGS\rDAILY SIGN "
                         "OUT\rHOURLY LOGS\rMONTHLY LOGS\rMONTHLY GRAPHS\rEXCEPTION "
                         "REPORT\rHOURLY GRAPHS"));
        QCOMPARE(parseAccessList(firstAdministratorAccessText()), allAccessNames());
        QCOMPARE(mustChangePasswordText(),
                 QString("You MUST Change Your Password\r\nYour Password Must Be 6 Characters or "
                         "More"));
        QCOMPARE(bootstrapWord.size(), 2);
        QCOMPARE(bootstrapWord, bootstrapWord.toUpper());
    }

    void placesTheSignOnPanelAtOneThird()
    {
        QCOMPARE(signOnPanelPosition(1024, 768, QSize(330, 190)), QPoint(347, 161));
    }

    void laysOutTheBackdrop()
    {
        const QHash<QString, QSize> sizes = {
            {"Image1", {441, 84}},       {"Label13", {640, 28}}, {"Label16", {220, 20}},
            {"ProgressBar1", {301, 16}}, {"Label7", {420, 22}},  {"logon_panel", {330, 190}},
            {"chapwd_panel", {330, 210}}};
        const QHash<QString, QPoint> at = backdropPositions(1025, 719, sizes);
        QCOMPARE(at.value("Image1"), QPoint(512 - 220, 359 - 155)); // halves round towards zero
        QCOMPARE(at.value("Label13"), QPoint(512 - 320, 359 - 68));
        QCOMPARE(at.value("Label16"), QPoint(512 - 110, 719 - 172));
        QCOMPARE(at.value("ProgressBar1"), QPoint(512 - 150, 719 - 152));
        QCOMPARE(at.value("Label7"), QPoint(512 - 210, 719 - 132));
        QCOMPARE(at.value("logon_panel"), QPoint(512 - 165, 359 - 95));
        QCOMPARE(at.value("chapwd_panel"), QPoint(512 - 165, 359 - 95));
        // A small window puts controls at negative positions rather than failing.
        QCOMPARE(backdropPositions(100, 100, sizes).value("Image1"), QPoint(50 - 220, 50 - 155));
    }

    void sizesTheWindowFromTheScreen()
    {
        const MainWindowSize size = mainWindowSize(QSize(1024, 768));
        QCOMPARE(size.initial, QSize(1024, 718));
        QCOMPARE(size.maximum, QSize(1024, 768));
        QCOMPARE(size.minimum, QSize(681, 395));
    }

    void menuTableIsConsistent()
    {
        const QList<MenuItemEntry> items = mainMenuItems();
        QCOMPARE(items.size(), 17);
        QSet<QString> names;
        QSet<QString> accessNames;
        for (const MenuItemEntry& item : items) {
            QVERIFY2(!names.contains(item.itemName), qPrintable(item.itemName));
            names.insert(item.itemName);
            if (!item.accessName.isEmpty())
                accessNames.insert(item.accessName);
        }
        // Every access name guards exactly the screens it names, and all thirteen are used.
        QCOMPARE(accessNames.size(), 13);
    }
};

QTEST_APPLESS_MAIN(TestShellLogic)
#include "test_shell_logic.moc"
