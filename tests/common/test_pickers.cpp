#include "common/PickerQueries.h"
#include "common/SensorStepping.h"
#include "common/ViewGate.h"

#include <QtTest>

using namespace kelvra;

class TestPickers : public QObject
{
    Q_OBJECT

private slots:
    void departmentListTexts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("ado");
        QTest::addColumn<QString>("mysql");
        const QString distinct = " Select distinct REG_NAME from REG Order by REG_NAME";
        QTest::newRow("sensor setup") << int(DepartmentListKind::SensorSetup) << distinct
                                      << " Select distinct REG_NAME from REG\n Order By REG_NAME";
        QTest::newRow("user accounts, real time")
            << int(DepartmentListKind::DistinctOrdered) << distinct
            << " Select distinct REG_NAME from REG\n Order by REG_NAME";
        QTest::newRow("alarm call list") << int(DepartmentListKind::AlarmCallList) << distinct
                                         << " Select REG_NAME from REG\n Order by REG_NAME";
        QTest::newRow("reports") << int(DepartmentListKind::Reports) << distinct
                                 << "Select REG_NAME from REG\n Order by REG_NAME";
        QTest::newRow("server admin")
            << int(DepartmentListKind::ServerAdmin) << " Select REG_NAME from REG Order by REG_NAME"
            << " Select REG_NAME from REG\n Order by REG_NAME";
    }

    void departmentListTexts()
    {
        QFETCH(int, kind);
        QFETCH(QString, ado);
        QFETCH(QString, mysql);
        const BranchStatement statement = departmentList(DepartmentListKind(kind));
        QCOMPARE(statement.ado.text(), ado);
        QCOMPARE(statement.mysql.text(), mysql);
    }

    void sensorListTexts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("ado");
        QTest::addColumn<QString>("mysql");
        const QString active = " Select distinct SENSOR_ID from SENSORS\n Where STATUS_FLAG = -1\n"
                               " And DEPT = 'LAB_1'\n Order by SENSOR_ID";
        QTest::newRow("all") << int(SensorListKind::AllSensors)
                             << " Select distinct SENSOR_ID from SENSORS Where DEPT like 'LAB_1' "
                                "Order by SENSOR_ID"
                             << "Select distinct SENSOR_ID from SENSORS\n Where DEPT = 'LAB_1'\n"
                                " Order by SENSOR_ID";
        QTest::newRow("active, -1And") << int(SensorListKind::ActiveJoined)
                                       << " Select distinct SENSOR_ID from SENSORS Where "
                                          "STATUS_FLAG = -1And DEPT = 'LAB_1' Order by SENSOR_ID"
                                       << active;
        QTest::newRow("active, -1 And") << int(SensorListKind::ActiveSeparated)
                                        << " Select distinct SENSOR_ID from SENSORS Where "
                                           "STATUS_FLAG = -1 And DEPT = 'LAB_1' Order by SENSOR_ID"
                                        << active;
    }

    void sensorListTexts()
    {
        QFETCH(int, kind);
        QFETCH(QString, ado);
        QFETCH(QString, mysql);
        const BranchStatement statement = sensorList(SensorListKind(kind), "LAB_1");
        QCOMPARE(statement.ado.text(), ado);
        QCOMPARE(statement.mysql.text(), mysql);
    }

    void stepping_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("guarded");
        QTest::addColumn<int>("rule");
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("index");
        using A = SensorStep::Action;
        const int ruleA = int(PreviousRule::A);
        const int ruleB = int(PreviousRule::B);
        QTest::newRow("next from none")
            << "next" << -1 << 3 << true << ruleA << int(A::SelectAndView) << 0;
        QTest::newRow("next in the middle")
            << "next" << 1 << 3 << true << ruleA << int(A::SelectAndView) << 2;
        QTest::newRow("next on the last")
            << "next" << 2 << 3 << true << ruleA << int(A::NoMoreSensors) << -1;
        QTest::newRow("next, empty, guarded")
            << "next" << -1 << 0 << true << ruleA << int(A::Stop) << -1;
        QTest::newRow("next, empty, unguarded")
            << "next" << -1 << 0 << false << ruleA << int(A::NoMoreSensors) << -1;
        QTest::newRow("A: previous on the first")
            << "previous" << 0 << 3 << false << ruleA << int(A::StartOfSensorList) << -1;
        QTest::newRow("A: previous from none")
            << "previous" << -1 << 3 << false << ruleA << int(A::SelectAndView) << -2;
        QTest::newRow("A: previous, empty")
            << "previous" << -1 << 0 << false << ruleA << int(A::SelectAndView) << -2;
        QTest::newRow("A: previous in the middle")
            << "previous" << 2 << 3 << false << ruleA << int(A::SelectAndView) << 1;
        QTest::newRow("B: previous on the first")
            << "previous" << 0 << 3 << false << ruleB << int(A::SelectAndView) << -1;
        QTest::newRow("B: previous from none")
            << "previous" << -1 << 3 << false << ruleB << int(A::StartOfSensorList) << -1;
        QTest::newRow("B: previous, empty")
            << "previous" << -1 << 0 << false << ruleB << int(A::Stop) << -1;
    }

    void stepping()
    {
        QFETCH(QString, button);
        QFETCH(int, current);
        QFETCH(int, count);
        QFETCH(bool, guarded);
        QFETCH(int, rule);
        QFETCH(int, action);
        QFETCH(int, index);
        const SensorStep step = button == "next"
                                    ? nextSensor(current, count, guarded)
                                    : previousSensor(current, count, PreviousRule(rule));
        QCOMPARE(int(step.action), action);
        QCOMPARE(step.index, index);
    }

    void theViewGateClosesForAScope()
    {
        ViewGate gate;
        QVERIFY(gate.isOpen());
        {
            const auto outer = gate.close();
            {
                const auto inner = gate.close();
                QVERIFY(!gate.isOpen());
            }
            QVERIFY(!gate.isOpen()); // still closed by the outer one
        }
        QVERIFY(gate.isOpen());
    }
};

QTEST_APPLESS_MAIN(TestPickers)
#include "test_pickers.moc"
