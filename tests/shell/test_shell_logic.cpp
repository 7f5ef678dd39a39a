#include "common/AccessList.h"
#include "common/Session.h"
#include "shell/MainLayout.h"
#include "shell/MenuCatalog.h"
#include "support/FixedClock.h"

#include <QSet>
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

    void stampsActivityAsHoursAndMinutes()
    {
        test::FixedClock clock(QDateTime(QDate(2026, 12, 11), QTime(9, 5)));
        Session session(clock);
        session.StampActivity();
        QCOMPARE(session.LastActivityStamp(), 905);
        clock.set(QDateTime(QDate(2026, 12, 12), QTime(0, 0)));
        session.StampActivity();
        QCOMPARE(session.LastActivityStamp(), 0);
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
