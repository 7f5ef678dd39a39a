#include "DemoInstallation.h"
#include "StoredTextChecker.h"

#include <QHash>
#include <QSet>
#include <QtTest>

#include <functional>
#include <optional>

using namespace kelvra::demo;
using namespace kelvra::test;

using Feature = std::function<bool(const DemoInstallation&)>;
Q_DECLARE_METATYPE(Feature)
// A case that must be in the demo: a predicate over the rows and the options they came from.
using DemoCase = std::function<bool(const DemoInstallation&, const DemoOptions&)>;
Q_DECLARE_METATYPE(DemoCase)
Q_DECLARE_METATYPE(DemoOptions)

namespace {

DemoOptions optionsOf(int departments, int sensors, int days, quint64 seed = 1,
                      QDate endDate = QDate(2024, 3, 15))
{
    DemoOptions o;
    o.departments = departments;
    o.sensorsPerDepartment = sensors;
    o.days = days;
    o.seed = seed;
    o.endDate = endDate;
    return o;
}

// The size scripts/demo.sh loads, ending on the given day.
DemoOptions demoSize(QDate endDate)
{
    return optionsOf(3, 12, 28, 1, endDate);
}

SensorLimits limitsOf(const SensorRow& s)
{
    return {s.sensorType, s.expectedValue - s.maxDeviation, s.expectedValue + s.maxDeviation,
            s.rhExpected - s.rhMaxDev, s.rhExpected + s.rhMaxDev};
}

QString sensorKey(const QString& dept, const QString& id)
{
    return dept + QLatin1Char('/') + id;
}

QHash<QString, SensorRow> sensorsByKey(const DemoInstallation& demo)
{
    QHash<QString, SensorRow> sensors;
    for (const SensorRow& s : demo.sensors)
        sensors.insert(sensorKey(s.dept, s.sensorId), s);
    return sensors;
}

QList<FoundRecord> allRecords(const DemoInstallation& demo)
{
    const auto sensors = sensorsByKey(demo);
    QList<FoundRecord> records;
    for (const ObservationRow& o : demo.observations)
        checkDayText(o.obsData, limitsOf(sensors.value(sensorKey(o.dept, o.sensorId))), &records);
    return records;
}

template <typename Row, typename Predicate> bool any(const QList<Row>& rows, Predicate p)
{
    return std::any_of(rows.begin(), rows.end(), p);
}

using CellPredicate =
    std::function<bool(const SensorRow& sensor, const QStringList& parts, const QString& cell)>;

bool anyCellOf(const DemoInstallation& demo, const CellPredicate& p)
{
    const auto sensors = sensorsByKey(demo);
    return any(demo.observations, [&](const ObservationRow& o) {
        const SensorRow sensor = sensors.value(sensorKey(o.dept, o.sensorId));
        for (const QString& cell : hourCells(o.obsData))
            if (p(sensor, cell.split(QLatin1Char('^')), cell))
                return true;
        return false;
    });
}

bool anyCell(const DemoInstallation& demo, const QString& type,
             const std::function<bool(const QStringList& parts, const QString& cell)>& p)
{
    return anyCellOf(demo, [&](const SensorRow& s, const QStringList& parts, const QString& cell) {
        return s.sensorType == type && p(parts, cell);
    });
}

// Grammar sizes: the small one that must show every feature, and larger ones where the
// random features (excursions, faults, short days, gaps) occur too.
void addSizes()
{
    QTest::addColumn<DemoOptions>("options");
    QTest::newRow("2x6x7") << optionsOf(2, 6, 7);
    QTest::newRow("1x1x1") << optionsOf(1, 1, 1, 5);
    QTest::newRow("3x20x60 seed 2") << optionsOf(3, 20, 60, 2);
    QTest::newRow("2x12x400 seed 3") << optionsOf(2, 12, 400, 3);
    QTest::newRow("3x12x28 (demo)") << demoSize(QDate(2024, 3, 15));
    QTest::newRow("3x12x28 over a New Year") << demoSize(QDate(2025, 1, 2));
}

} // namespace

class TestDemoInstallation : public QObject
{
    Q_OBJECT

private slots:
    void checkerJudgesCells_data();
    void checkerJudgesCells();
    void checkerJudgesDayTexts_data();
    void checkerJudgesDayTexts();

    void checkerJudgesEventTexts_data();
    void checkerJudgesEventTexts();

    void optionLimits_data();
    void optionLimits();
    void sizes_data();
    void sizes();
    void sameSeedSameRows_data();
    void sameSeedSameRows();
    void otherSeedOtherRows();

    void departmentsAndSensors_data() { addSizes(); }
    void departmentsAndSensors();
    void observationsFollowTheGrammar_data() { addSizes(); }
    void observationsFollowTheGrammar();
    void callEventsFollowTheGrammar_data() { addSizes(); }
    void callEventsFollowTheGrammar();
    void usersCallListsAndActivity_data() { addSizes(); }
    void usersCallListsAndActivity();

    void featuresOfASmallInstallation_data();
    void featuresOfASmallInstallation();
    void casesOfTheDemoSize_data();
    void casesOfTheDemoSize();
};

// The checker must itself catch broken texts, or the grammar tests would prove nothing.
void TestDemoInstallation::checkerJudgesCells_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("hour");
    QTest::addColumn<bool>("valid");
    // Limits: temperature 2 to 8 (T, THS) or 18 to 25 (TRH); humidity 30 to 60.
    QTest::newRow("plain reading") << "T"
                                   << "5.5" << 3 << true;
    QTest::newRow("empty cell") << "T"
                                << "" << 3 << true;
    QTest::newRow("limit is in range") << "T"
                                       << "8.0" << 3 << true;
    QTest::newRow("record length 9") << "T"
                                     << "8.6^HI^#9-085021" << 8 << true;
    QTest::newRow("record length 13") << "THS"
                                      << "1.0^LO^#-12.5-103015" << 10 << true;
    QTest::newRow("record length 14") << "THS"
                                      << "9.9^HI^#105.25-120432" << 12 << true;
    QTest::newRow("in-range reading, peak out") << "T"
                                                << "7.1^HI^#9.5-093255" << 9 << true;
    QTest::newRow("TRH form 1") << "TRH"
                                << "21.5^55.0" << 0 << true;
    QTest::newRow("TRH form 2 (22 chars)") << "TRH"
                                           << "21.5^#25.3-103015^55.0" << 10 << true;
    QTest::newRow("TRH form 3") << "TRH"
                                << "21.5^61.5^@63-163916" << 16 << true;
    QTest::newRow("TRH form 4") << "TRH"
                                << "25.8^#27-183941^62.4^@64.5-180918" << 18 << true;

    QTest::newRow("out of range, no record") << "T"
                                             << "8.1" << 3 << false;
    QTest::newRow("record without mark") << "T"
                                         << "9.2^HI^9.5-093255" << 9 << false;
    QTest::newRow("humidity mark on T") << "T"
                                        << "9.2^HI^@9.5-093255" << 9 << false;
    QTest::newRow("record of another hour") << "T"
                                            << "9.2^HI^#9.5-103255" << 9 << false;
    QTest::newRow("five-digit time") << "T"
                                     << "9.2^HI^#9.5-09325" << 9 << false;
    QTest::newRow("minute 60") << "T"
                               << "9.2^HI^#9.5-096055" << 9 << false;
    QTest::newRow("seven-char value") << "T"
                                      << "9.2^HI^#105.255-093255" << 9 << false;
    QTest::newRow("record value in range") << "T"
                                           << "9.2^HI^#5.0-093255" << 9 << false;
    QTest::newRow("two parts on T") << "T"
                                    << "9.2^#9.5-093255" << 9 << false;
    QTest::newRow("colon in cell") << "T"
                                   << "5.5:" << 3 << false;
    QTest::newRow("decimal comma") << "T"
                                   << "5,5" << 3 << false;
    QTest::newRow("TRH without humidity") << "TRH"
                                          << "21.5" << 3 << false;
    QTest::newRow("TRH # record in part 3") << "TRH"
                                            << "21.5^55.0^#25.3-103015" << 10 << false;
    QTest::newRow("TRH form 2 long (23 chars)") << "TRH"
                                                << "21.5^#125.3-103015^55.0" << 10 << true;
    QTest::newRow("TRH form 3 long (23 chars)") << "TRH"
                                                << "21.3^58.5^@100.0-104512" << 10 << true;
    QTest::newRow("TRH humidity record of 14") << "TRH"
                                               << "21.6^96.5^@100.00-120307" << 12 << true;
    QTest::newRow("TRH humidity record of 9") << "TRH"
                                              << "20.5^28.0^@9-061520" << 6 << true;
    QTest::newRow("T record after an empty note (14 chars)") << "T"
                                                             << "0.0^^#0-051720" << 5 << true;
    QTest::newRow("T record in part 2 (13 chars)") << "T"
                                                   << "2.5^#1-061520" << 6 << true;
    QTest::newRow("T note without a record") << "T"
                                             << "5.5^HI" << 3 << true;
    QTest::newRow("T record in part 2 (14 chars)") << "T"
                                                   << "2.5^#10-061520" << 6 << false;
    QTest::newRow("T empty part 2 without a record") << "T"
                                                     << "5.5^" << 3 << false;
    QTest::newRow("T record as note and record") << "T"
                                                 << "9.2^#9.5-093255^#9.5-093255" << 9 << false;
    QTest::newRow("T three parts, no record") << "T"
                                              << "5.5^HI^" << 3 << false;
    QTest::newRow("TRH humidity out, no record") << "TRH"
                                                 << "21.5^65.0" << 3 << false;
}

void TestDemoInstallation::checkerJudgesCells()
{
    QFETCH(QString, type);
    QFETCH(QString, cell);
    QFETCH(int, hour);
    QFETCH(bool, valid);
    const bool trh = type == QLatin1String("TRH");
    const SensorLimits limits{type, trh ? 18.0 : 2.0, trh ? 25.0 : 8.0, 30, 60};
    const QString problem = checkHourCell(cell, limits, hour);
    QVERIFY2(problem.isEmpty() == valid, qPrintable(problem.isEmpty() ? "accepted" : problem));
}

void TestDemoInstallation::checkerJudgesDayTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cells");
    QTest::newRow("leading part") << "03-20240315:5.5|5.6" << 2;
    QTest::newRow("no colon") << "5.5|5.6|5.7" << 3;
    QTest::newRow("nothing after colon") << "x:" << 1;
    QTest::newRow("24 cells") << QString(QStringLiteral("x:") + QStringList(24, "5.0").join('|'))
                              << 24;
    QTest::newRow("'|' in leading part") << "a|b:5.5" << -1;
    QTest::newRow("second colon") << "x:5.5:3" << -1;
    QTest::newRow("25 cells") << QString(QStringLiteral("x:") + QStringList(25, "5.0").join('|'))
                              << -1;
}

void TestDemoInstallation::checkerJudgesDayTexts()
{
    QFETCH(QString, text);
    QFETCH(int, cells);
    int count = 0;
    const QString problem = checkDayText(text, {QStringLiteral("T"), 2, 8}, nullptr, &count);
    if (cells < 0) {
        QVERIFY(!problem.isEmpty());
    } else {
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(count, cells);
    }
}

void TestDemoInstallation::checkerJudgesEventTexts_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("actual");
    QTest::addColumn<bool>("valid");
    QTest::newRow("temperature") << "T"
                                 << "Temp: 25.3°C" << true;
    QTest::newRow("not communicating") << "TRH" << notCommunicatingText() << true;
    QTest::newRow("TRH with Humidity") << "TRH"
                                       << "Temp: 27.0°C and Humidity: 64.5%" << true;
    QTest::newRow("TRH with RH") << "TRH"
                                 << "Temp: 21.3°C and RH: 100.0%" << true;
    QTest::newRow("TRH humidity first") << "TRH"
                                        << "RH: 9.0% and Temp: 21.3°C" << true;
    QTest::newRow("TRH temperature only") << "TRH"
                                          << "Temp: 25.3°C" << false;
    QTest::newRow("humidity on T") << "T"
                                   << "Temp: 27.0°C and Humidity: 64.5%" << false;
    QTest::newRow("Fahrenheit stored") << "T"
                                       << "Temp: 77.5°F" << false;
    QTest::newRow("no decimal") << "THS"
                                << "Temp: 25°C" << false;
}

void TestDemoInstallation::checkerJudgesEventTexts()
{
    QFETCH(QString, type);
    QFETCH(QString, actual);
    QFETCH(bool, valid);
    const QString problem = checkObserved(actual, type);
    QVERIFY2(problem.isEmpty() == valid, qPrintable(problem.isEmpty() ? "accepted" : problem));
}

void TestDemoInstallation::optionLimits_data()
{
    QTest::addColumn<DemoOptions>("options");
    QTest::addColumn<bool>("valid");
    QTest::newRow("smallest") << optionsOf(1, 1, 1) << true;
    QTest::newRow("largest") << optionsOf(maxDepartments, 100, maxDays) << true;
    QTest::newRow("no department") << optionsOf(0, 6, 7) << false;
    QTest::newRow("too many departments") << optionsOf(maxDepartments + 1, 6, 7) << false;
    QTest::newRow("no sensor") << optionsOf(2, 0, 7) << false;
    QTest::newRow("sensor 100 needs three digits") << optionsOf(2, 101, 7) << false;
    QTest::newRow("no day") << optionsOf(2, 6, 0) << false;
    QTest::newRow("too many days") << optionsOf(2, 6, maxDays + 1) << false;
    DemoOptions noDate = optionsOf(2, 6, 7);
    noDate.endDate = QDate();
    QTest::newRow("no end date") << noDate << false;
}

void TestDemoInstallation::optionLimits()
{
    QFETCH(DemoOptions, options);
    QFETCH(bool, valid);
    QCOMPARE(demoOptionsError(options).isEmpty(), valid);
    if (!valid)
        QVERIFY(generateDemoInstallation(options).observations.isEmpty());
}

void TestDemoInstallation::sizes_data()
{
    QTest::addColumn<int>("departments");
    QTest::addColumn<int>("sensors");
    QTest::addColumn<int>("days");
    QTest::newRow("1x1x1") << 1 << 1 << 1;
    QTest::newRow("2x6x7") << 2 << 6 << 7;
    QTest::newRow("3x100x2") << 3 << 100 << 2;
    QTest::newRow("13x2x3 (names run out)") << 13 << 2 << 3;
}

void TestDemoInstallation::sizes()
{
    QFETCH(int, departments);
    QFETCH(int, sensors);
    QFETCH(int, days);
    const DemoInstallation demo = generateDemoInstallation(optionsOf(departments, sensors, days));
    // The departments asked for and the closed one.
    QCOMPARE(demo.reg.size(), departments + 1);
    QCOMPARE(demo.callLists.size(), departments + 1);
    QVERIFY(demo.sensors.size() > departments * sensors);

    // At most one row per sensor and day; every day from the first to the end date but the
    // few days a sensor was not heard from, and a few rows of one sensor before the window.
    QSet<QString> keys;
    for (const ObservationRow& o : demo.observations)
        keys.insert(sensorKey(o.dept, o.sensorId) + QLatin1Char('/') + o.obsDate);
    QCOMPARE(keys.size(), demo.observations.size());
    const QDate first = QDate(2024, 3, 15).addDays(1 - days);
    int inWindow = 0;
    QSet<QString> sensorsBefore;
    for (const ObservationRow& o : demo.observations) {
        const QDate day = QDate::fromString(o.obsDate, QStringLiteral("yyyyMMdd"));
        QVERIFY2(day.isValid() && day <= QDate(2024, 3, 15), qPrintable(o.obsDate));
        if (day >= first)
            ++inWindow;
        else
            sensorsBefore.insert(sensorKey(o.dept, o.sensorId));
    }
    QVERIFY(inWindow >= departments * sensors * days - 3);
    QVERIFY(inWindow <= departments * sensors * days);
    QVERIFY(demo.observations.size() - inWindow <= 3);
    QVERIFY(sensorsBefore.size() <= 1);

    QSet<QString> names;
    for (const RegRow& r : demo.reg)
        names.insert(r.regName.trimmed());
    QCOMPARE(names.size(), departments + 1);
    QVERIFY(!demo.users.isEmpty());
}

void TestDemoInstallation::sameSeedSameRows_data()
{
    QTest::addColumn<DemoOptions>("options");
    QTest::newRow("2x6x7") << optionsOf(2, 6, 7);
    QTest::newRow("3x20x60 seed 2^40") << optionsOf(3, 20, 60, quint64(1) << 40);
}

void TestDemoInstallation::sameSeedSameRows()
{
    QFETCH(DemoOptions, options);
    const DemoInstallation a = generateDemoInstallation(options);
    const DemoInstallation b = generateDemoInstallation(options);
    QVERIFY(a == b);
    QVERIFY(!a.callEvents.isEmpty());
}

void TestDemoInstallation::otherSeedOtherRows()
{
    const DemoInstallation a = generateDemoInstallation(optionsOf(2, 6, 7, 1));
    const DemoInstallation b = generateDemoInstallation(optionsOf(2, 6, 7, 2));
    QCOMPARE(a.observations.size(), b.observations.size());
    int differing = 0;
    for (qsizetype i = 0; i < a.observations.size(); ++i)
        if (a.observations[i].obsData != b.observations[i].obsData)
            ++differing;
    // Only the scripted days may coincide.
    QVERIFY2(differing > a.observations.size() * 9 / 10, qPrintable(QString::number(differing)));
    QVERIFY(a.sensors != b.sensors);
}

void TestDemoInstallation::departmentsAndSensors()
{
    QFETCH(DemoOptions, options);
    const DemoInstallation demo = generateDemoInstallation(options);

    QSet<QString> departments;
    for (const RegRow& r : demo.reg) {
        QCOMPARE(r.dept, r.regName.trimmed());
        QVERIFY(!r.address1.isEmpty() && !r.csz.isEmpty());
        departments.insert(r.regName.trimmed());
    }

    static const QRegularExpression twoDigits(QStringLiteral(R"(^\d\d$)"));
    QSet<QString> ids;
    for (const SensorRow& s : demo.sensors) {
        QVERIFY2(departments.contains(s.dept), qPrintable(s.dept));
        QVERIFY2(twoDigits.match(s.sensorId).hasMatch(), qPrintable(s.sensorId));
        QVERIFY2(!ids.contains(sensorKey(s.dept, s.sensorId)), "sensor ID used twice");
        ids.insert(sensorKey(s.dept, s.sensorId));
        QVERIFY(QStringList({"T", "TRH", "THS"}).contains(s.sensorType));
        QVERIFY(!s.location.isEmpty() && s.location.size() <= 40);
        QCOMPARE((s.factoryId + s.activeCode).size(), 22);
        QVERIFY(s.maxDeviation > 0);
        bool number = false;
        s.calibOffset.toDouble(&number);
        QVERIFY2(number, qPrintable(s.calibOffset));
        if (s.sensorType == QLatin1String("TRH"))
            QVERIFY(s.rhMaxDev > 0 && s.rhExpected - s.rhMaxDev > 0);
        if (s.sensorType == QLatin1String("THS")) {
            // The probe range must hold the sensor's whole alarm range.
            static const double from[] = {-40, 0, 40}, to[] = {0, 40, 110};
            QVERIFY(s.thsRange >= 0 && s.thsRange <= 2);
            QVERIFY(s.expectedValue - s.maxDeviation >= from[s.thsRange]);
            QVERIFY(s.expectedValue + s.maxDeviation <= to[s.thsRange]);
        }
        QVERIFY(QList<int>({-1, 0, 1}).contains(s.statusFlag));
        for (int flag : {s.alarm, s.audibleWave, s.email, s.phoneMsg})
            QVERIFY(flag == -1 || flag == 0);
        s.alarmFreq.toInt(&number);
        QVERIFY2(number || s.alarmFreq == QLatin1String("af"), qPrintable(s.alarmFreq));
        QVERIFY2(checkChangeStamp(s.changed).isEmpty(), qPrintable(s.changed));
    }
}

void TestDemoInstallation::observationsFollowTheGrammar()
{
    QFETCH(DemoOptions, options);
    const DemoInstallation demo = generateDemoInstallation(options);
    const auto sensors = sensorsByKey(demo);
    for (const ObservationRow& o : demo.observations) {
        const QString where = o.dept + QLatin1Char(' ') + o.sensorId + QLatin1Char(' ') + o.obsDate;
        QVERIFY2(sensors.contains(sensorKey(o.dept, o.sensorId)), qPrintable(where));
        const SensorRow sensor = sensors.value(sensorKey(o.dept, o.sensorId));
        const auto fail = [&](const QString& problem) {
            return qPrintable(where + ": " + problem);
        };
        QString problem = checkDayText(o.obsData, limitsOf(sensor));
        QVERIFY2(problem.isEmpty(), fail(problem));
        problem = checkAverages(o.avgForDay, sensor.sensorType);
        QVERIFY2(problem.isEmpty(), fail(problem));
        QVERIFY2(o.error == 0 || o.error == 1, fail("error flag"));
        problem = checkLastObs(o.lastObs, o.error);
        QVERIFY2(problem.isEmpty(), fail(problem));
        problem = checkSignOut(o.acceptedBy, o.signTime);
        QVERIFY2(problem.isEmpty(), fail(problem));
        QVERIFY2(o.actionTaken.size() <= 50, fail("action longer than the window shows"));
        if (!o.acceptedBy.isEmpty()) {
            // Signed after the day itself, by a signer of the department.
            const QDate signedOn =
                QDate::fromString(o.signTime.left(10), QStringLiteral("MM-dd-yyyy"));
            QVERIFY2(signedOn > QDate::fromString(o.obsDate, QStringLiteral("yyyyMMdd")),
                     fail("signed before the day ended"));
            QVERIFY2(any(demo.users,
                         [&](const UserRow& u) {
                             return u.dept == o.dept && u.userId == o.acceptedBy &&
                                    u.okToSign == -1 && u.statusFlag == -1;
                         }),
                     fail("signed by someone who may not sign"));
        }
    }
}

void TestDemoInstallation::callEventsFollowTheGrammar()
{
    QFETCH(DemoOptions, options);
    const DemoInstallation demo = generateDemoInstallation(options);
    const auto sensors = sensorsByKey(demo);
    static const QRegularExpression time(QStringLiteral(R"(^([01]\d|2[0-3]):[0-5]\d:[0-5]\d$)"));

    // Every hour that carries a record has its event, and every event an hour or a gap.
    int records = 0;
    for (const ObservationRow& o : demo.observations)
        for (const QString& cell : hourCells(o.obsData))
            if (cell.contains(QLatin1Char('#')) || cell.contains(QLatin1Char('@')))
                ++records;
    int readingEvents = 0;
    for (const CallEventRow& e : demo.callEvents) {
        const QString where = e.dept + QLatin1Char(' ') + e.sensorId + QLatin1Char(' ') + e.date;
        QVERIFY2(sensors.contains(sensorKey(e.dept, e.sensorId)), qPrintable(where));
        const QDate day = QDate::fromString(e.date, QStringLiteral("MM/dd/yyyy"));
        QVERIFY2(day.isValid() && e.date.size() == 10, qPrintable(where));
        QVERIFY2(time.match(e.time).hasMatch(), qPrintable(where + " " + e.time));
        const QString problem =
            checkObserved(e.actual, sensors.value(sensorKey(e.dept, e.sensorId)).sensorType);
        QVERIFY2(problem.isEmpty(), qPrintable(where + ": " + problem));
        if (e.actual != notCommunicatingText())
            ++readingEvents;
        if (e.alarmMethod.isEmpty())
            QVERIFY2(e.who.isEmpty() && e.phoneNumber.isEmpty(), qPrintable(where));
    }
    QCOMPARE(readingEvents, records);
}

void TestDemoInstallation::usersCallListsAndActivity()
{
    QFETCH(DemoOptions, options);
    const DemoInstallation demo = generateDemoInstallation(options);
    QSet<QString> departments;
    for (const RegRow& r : demo.reg)
        departments.insert(r.regName.trimmed());

    QSet<QString> ids;
    for (const UserRow& u : demo.users) {
        QVERIFY(departments.contains(u.dept));
        QVERIFY2(!u.userId.isEmpty() && u.userId == u.userId.toUpper() && u.userId.size() <= 20,
                 qPrintable(u.userId));
        QVERIFY2(!ids.contains(u.dept + u.userId), "user ID used twice in a department");
        ids.insert(u.dept + u.userId);
        QVERIFY(!u.userName.isEmpty() && u.userName.size() <= 30);
        QVERIFY(u.userPassword == u.userPassword.toUpper() && u.userPassword.size() >= 6);
        QVERIFY2(checkAccessList(u.accessList).isEmpty(),
                 qPrintable(checkAccessList(u.accessList)));
        QVERIFY(u.statusFlag == -1 || u.statusFlag == 0);
        QVERIFY(u.okToSign == -1 || u.okToSign == 0);
        QVERIFY2(checkChangeStamp(u.changed).isEmpty(), qPrintable(u.changed));
    }
    for (const CallListRow& c : demo.callLists) {
        QVERIFY(departments.contains(c.dept));
        QVERIFY(!c.persons[0].isEmpty() && !c.numbers[0].isEmpty() && !c.emails[0].isEmpty());
        for (int k = 0; k < 5; ++k) {
            // Filled slots come first, and a person has a number and an address.
            QCOMPARE(c.persons[k].isEmpty(), c.numbers[k].isEmpty());
            QCOMPARE(c.persons[k].isEmpty(), c.emails[k].isEmpty());
            if (k > 0 && c.persons[k - 1].isEmpty())
                QVERIFY(c.persons[k].isEmpty());
        }
        QVERIFY(!c.tapiDevice.isEmpty() && !c.waveFile.isEmpty());
        QVERIFY2(checkChangeStamp(c.changed).isEmpty(), qPrintable(c.changed));
    }
    static const QRegularExpression time(QStringLiteral(R"(^([01]\d|2[0-3]):[0-5]\d:[0-5]\d$)"));
    for (const ActivityRow& a : demo.activity) {
        QVERIFY(departments.contains(a.dept));
        QVERIFY2(QDate::fromString(a.date, QStringLiteral("yyyyMMdd")).isValid(),
                 qPrintable(a.date));
        QVERIFY2(time.match(a.time).hasMatch(), qPrintable(a.time));
        QVERIFY(!a.who.isEmpty() && !a.event.isEmpty());
    }
    QVERIFY(demo.activity.size() >= options.departments * options.days);
}

void TestDemoInstallation::featuresOfASmallInstallation_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<Feature>("feature");

    const auto observation = [](auto p) {
        return Feature([p](const DemoInstallation& d) { return any(d.observations, p); });
    };
    const auto sensor = [](auto p) {
        return Feature([p](const DemoInstallation& d) { return any(d.sensors, p); });
    };
    const auto event = [](auto p) {
        return Feature([p](const DemoInstallation& d) { return any(d.callEvents, p); });
    };
    const auto recordLength = [](int length) {
        return Feature([length](const DemoInstallation& d) {
            const auto records = allRecords(d);
            return std::any_of(records.begin(), records.end(),
                               [&](const FoundRecord& r) { return r.length == length; });
        });
    };

    const QList<QPair<const char*, Feature>> features{
        {"department stored with blanks, used trimmed",
         [](const DemoInstallation& d) {
             return any(d.reg,
                        [&](const RegRow& r) {
                            const QString name = r.regName.trimmed();
                            return r.regName != name && r.dept == name &&
                                   any(d.sensors,
                                       [&](const SensorRow& s) { return s.dept == name; });
                        }) &&
                    !any(d.sensors, [](const SensorRow& s) { return s.dept != s.dept.trimmed(); });
         }},
        {"blank ADDRESS2",
         [](const DemoInstallation& d) {
             return any(d.reg, [](const RegRow& r) { return r.address2.isEmpty(); }) &&
                    any(d.reg, [](const RegRow& r) { return !r.address2.isEmpty(); });
         }},
        {"type T", sensor([](const SensorRow& s) { return s.sensorType == "T"; })},
        {"type TRH", sensor([](const SensorRow& s) { return s.sensorType == "TRH"; })},
        {"type THS range 0",
         sensor([](const SensorRow& s) { return s.sensorType == "THS" && s.thsRange == 0; })},
        {"type THS range 1",
         sensor([](const SensorRow& s) { return s.sensorType == "THS" && s.thsRange == 1; })},
        {"type THS range 2",
         sensor([](const SensorRow& s) { return s.sensorType == "THS" && s.thsRange == 2; })},
        {"inactive sensor", sensor([](const SensorRow& s) { return s.statusFlag == 0; })},
        {"exactly one sensor flagged 1",
         [](const DemoInstallation& d) {
             return std::count_if(d.sensors.begin(), d.sensors.end(),
                                  [](const SensorRow& s) { return s.statusFlag == 1; }) == 1;
         }},
        {"location longer than 20 characters",
         sensor([](const SensorRow& s) { return s.location.size() > 20; })},
        {"manual entry day",
         observation([](const ObservationRow& o) { return o.actionTaken == "MANUAL ENTRY"; })},
        {"probe fault", observation([](const ObservationRow& o) { return o.error == 1; })},
        {"short day of 10 cells",
         observation([](const ObservationRow& o) { return hourCells(o.obsData).size() == 10; })},
        {"empty cells in a full day", observation([](const ObservationRow& o) {
             const QStringList cells = hourCells(o.obsData);
             return cells.size() == 24 && cells.contains(QString());
         })},
        {"day text without ':'",
         observation([](const ObservationRow& o) { return !o.obsData.contains(':'); })},
        {"signed day",
         observation([](const ObservationRow& o) { return !o.acceptedBy.isEmpty(); })},
        {"unsigned day",
         observation([](const ObservationRow& o) { return o.acceptedBy.isEmpty(); })},
        {"record of 9 characters", recordLength(9)},
        {"record of 11 characters", recordLength(11)},
        {"record of 13 characters", recordLength(13)},
        {"record of 14 characters", recordLength(14)},
        {"negative record value",
         [](const DemoInstallation& d) {
             const auto records = allRecords(d);
             return std::any_of(records.begin(), records.end(),
                                [](const FoundRecord& r) { return r.value.startsWith('-'); });
         }},
        {"humidity record",
         [](const DemoInstallation& d) {
             const auto records = allRecords(d);
             return std::any_of(records.begin(), records.end(),
                                [](const FoundRecord& r) { return r.mark == '@'; });
         }},
        {"TRH form 2",
         [](const DemoInstallation& d) {
             return anyCell(d, "TRH", [](const QStringList& p, const QString&) {
                 return p.size() == 3 && p[1].startsWith('#');
             });
         }},
        {"TRH form 3",
         [](const DemoInstallation& d) {
             return anyCell(d, "TRH", [](const QStringList& p, const QString&) {
                 return p.size() == 3 && p[2].startsWith('@');
             });
         }},
        {"TRH form 4",
         [](const DemoInstallation& d) {
             return anyCell(d, "TRH",
                            [](const QStringList& p, const QString&) { return p.size() == 4; });
         }},
        {"record on an in-range reading",
         [](const DemoInstallation& d) {
             const auto sensors = sensorsByKey(d);
             return any(d.observations, [&](const ObservationRow& o) {
                 const SensorRow s = sensors.value(sensorKey(o.dept, o.sensorId));
                 for (const QString& cell : hourCells(o.obsData)) {
                     const QStringList p = cell.split('^');
                     const double t = p[0].toDouble();
                     if (p.size() == 3 && p[2].startsWith('#') &&
                         t >= s.expectedValue - s.maxDeviation &&
                         t <= s.expectedValue + s.maxDeviation)
                         return true;
                 }
                 return false;
             });
         }},
        {"sensor not communicating",
         event([](const CallEventRow& e) { return e.actual == notCommunicatingText(); })},
        {"event without alarm method",
         event([](const CallEventRow& e) { return e.alarmMethod.isEmpty(); })},
        {"event with method but nobody answering",
         event([](const CallEventRow& e) { return !e.alarmMethod.isEmpty() && e.who.isEmpty(); })},
        {"event answered", event([](const CallEventRow& e) { return !e.who.isEmpty(); })},
    };
    for (quint64 seed : {quint64(1), quint64(777)})
        for (const auto& [name, feature] : features)
            QTest::addRow("%s (seed %llu)", name, static_cast<unsigned long long>(seed))
                << seed << feature;
}

void TestDemoInstallation::featuresOfASmallInstallation()
{
    QFETCH(quint64, seed);
    QFETCH(Feature, feature);
    QVERIFY(feature(generateDemoInstallation(optionsOf(2, 6, 7, seed))));
}

namespace {

bool carriesPart2OrRecord(const QStringList& parts)
{
    return (parts.size() >= 2 && !parts[1].isEmpty()) || parts.size() == 3;
}

// Events per sensor and month ("dept/id/yyyymm").
QHash<QString, int> eventsPerSensorMonth(const DemoInstallation& d)
{
    QHash<QString, int> counts;
    for (const CallEventRow& e : d.callEvents)
        ++counts[sensorKey(e.dept, e.sensorId) + QLatin1Char('/') + e.date.mid(6, 4) +
                 e.date.left(2)];
    return counts;
}

QDate eventDay(const CallEventRow& e)
{
    return QDate::fromString(e.date, QStringLiteral("MM/dd/yyyy"));
}

// What the exception report's Fahrenheit conversion does with a TRH text, by its length.
bool trhEventText(const DemoInstallation& d, const std::function<bool(const QString&)>& p)
{
    const auto sensors = sensorsByKey(d);
    return any(d.callEvents, [&](const CallEventRow& e) {
        return sensors.value(sensorKey(e.dept, e.sensorId)).sensorType == QLatin1String("TRH") &&
               e.actual != notCommunicatingText() && p(e.actual);
    });
}

bool recordFound(const DemoInstallation& d, const std::function<bool(const FoundRecord&)>& p)
{
    const auto records = allRecords(d);
    return std::any_of(records.begin(), records.end(), p);
}

const DemoInstallation& demoInstallation(const DemoOptions& options)
{
    static QHash<QString, DemoInstallation> made;
    const QString key = options.endDate.toString(Qt::ISODate);
    if (!made.contains(key))
        made.insert(key, generateDemoInstallation(options));
    return made[key];
}

} // namespace

void TestDemoInstallation::casesOfTheDemoSize_data()
{
    QTest::addColumn<DemoOptions>("options");
    QTest::addColumn<DemoCase>("demoCase");

    const auto rows = [](auto p) {
        return DemoCase([p](const DemoInstallation& d, const DemoOptions&) { return p(d); });
    };
    const auto cell = [](CellPredicate p) {
        return DemoCase(
            [p](const DemoInstallation& d, const DemoOptions&) { return anyCellOf(d, p); });
    };
    const auto shortCell = [](const SensorRow& s) { return s.sensorType != QLatin1String("TRH"); };
    const auto onLimit = [](bool high) {
        return [high](const SensorRow& s, const QStringList& p, const QString&) {
            const double limit =
                high ? s.expectedValue + s.maxDeviation : s.expectedValue - s.maxDeviation;
            return !p[0].isEmpty() && std::abs(p[0].toDouble() - limit) < 1e-9;
        };
    };
    const auto humidityRecord = [](int length, std::optional<double> value = std::nullopt) {
        return DemoCase([=](const DemoInstallation& d, const DemoOptions&) {
            return recordFound(d, [&](const FoundRecord& r) {
                return r.mark == '@' && r.length == length &&
                       (!value || r.value.toDouble() == *value);
            });
        });
    };
    const auto trhText = [](std::function<bool(const QString&)> p) {
        return DemoCase(
            [p](const DemoInstallation& d, const DemoOptions&) { return trhEventText(d, p); });
    };

    const QList<QPair<const char*, DemoCase>> cases{
        {"ALARM_FREQ af on an alarmed sensor", rows([](const DemoInstallation& d) {
             return any(d.sensors, [](const SensorRow& s) {
                 return s.alarmFreq == QLatin1String("af") && s.alarm == -1;
             });
         })},
        {"reading of 0.0", cell([](const SensorRow&, const QStringList& p, const QString&) {
             return p[0] == "0.0";
         })},
        {"reading on the low limit", cell(onLimit(false))},
        {"reading on the high limit", cell(onLimit(true))},
        {"humidity record of 9 characters", humidityRecord(9)},
        {"humidity record of 13 characters, 100.0", humidityRecord(13, 100.0)},
        {"humidity record of 14 characters, 100.0", humidityRecord(14, 100.0)},
        {"TRH form 2 of 23 characters or more",
         cell([](const SensorRow& s, const QStringList& p, const QString& c) {
             return s.sensorType == "TRH" && p.size() == 3 && p[1].startsWith('#') &&
                    c.size() >= 23;
         })},
        {"TRH form 3 of 23 characters or more",
         cell([](const SensorRow& s, const QStringList& p, const QString& c) {
             return s.sensorType == "TRH" && p.size() == 3 && p[2].startsWith('@') &&
                    c.size() >= 23;
         })},
        {"T/THS cell of 14 characters with part 2 or a record",
         cell([=](const SensorRow& s, const QStringList& p, const QString& c) {
             return shortCell(s) && c.size() == 14 && carriesPart2OrRecord(p);
         })},
        {"T/THS cell under 14 characters with part 2 or a record",
         cell([=](const SensorRow& s, const QStringList& p, const QString& c) {
             return shortCell(s) && c.size() < 14 && carriesPart2OrRecord(p);
         })},
        {"MANUAL ENTRY followed by a blank", rows([](const DemoInstallation& d) {
             return any(d.observations,
                        [](const ObservationRow& o) { return o.actionTaken == "MANUAL ENTRY "; });
         })},
        {"empty AVG_FOR_DAY on a day with a record", rows([](const DemoInstallation& d) {
             return any(d.observations, [](const ObservationRow& o) {
                 return o.avgForDay.isEmpty() && o.obsData.contains('#');
             });
         })},
        {"active sensor without a row on a day",
         [](const DemoInstallation& d, const DemoOptions& o) {
             QSet<QString> rows;
             for (const ObservationRow& r : d.observations)
                 rows.insert(sensorKey(r.dept, r.sensorId) + '/' + r.obsDate);
             const QDate first = o.endDate.addDays(1 - o.days);
             return any(d.sensors, [&](const SensorRow& s) {
                 if (s.statusFlag != -1)
                     return false;
                 for (QDate day = first; day <= o.endDate; day = day.addDays(1))
                     if (!rows.contains(sensorKey(s.dept, s.sensorId) + '/' +
                                        day.toString(QStringLiteral("yyyyMMdd"))))
                         return true;
                 return false;
             });
         }},
        {"department without active sensors", rows([](const DemoInstallation& d) {
             return any(d.reg, [&](const RegRow& r) {
                 return !any(d.sensors, [&](const SensorRow& s) {
                     return s.dept == r.regName.trimmed() && s.statusFlag != 0;
                 });
             });
         })},
        {"sensor with 42 to 246 events in one month", rows([](const DemoInstallation& d) {
             const auto counts = eventsPerSensorMonth(d);
             return std::any_of(counts.begin(), counts.end(),
                                [](int n) { return n > 41 && n <= 246; });
         })},
        {"sensor with more than 246 events in one month", rows([](const DemoInstallation& d) {
             const auto counts = eventsPerSensorMonth(d);
             return std::any_of(counts.begin(), counts.end(), [](int n) { return n > 246; });
         })},
        {"temperature event text of a T/THS sensor", rows([](const DemoInstallation& d) {
             const auto sensors = sensorsByKey(d);
             return any(d.callEvents, [&](const CallEventRow& e) {
                 return sensors.value(sensorKey(e.dept, e.sensorId)).sensorType != "TRH" &&
                        e.actual.startsWith("Temp: ");
             });
         })},
        {"TRH event text of 25-26 characters starting with T", trhText([](const QString& a) {
             return (a.size() == 25 || a.size() == 26) && a.startsWith('T');
         })},
        {"TRH event text of 25-26 characters not starting with T", trhText([](const QString& a) {
             return (a.size() == 25 || a.size() == 26) && !a.startsWith('T');
         })},
        {"TRH event text of 27 characters",
         trhText([](const QString& a) { return a.size() == 27; })},
        {"TRH event text of 28 characters or more",
         trhText([](const QString& a) { return a.size() >= 28; })},
        {"sensor not communicating", rows([](const DemoInstallation& d) {
             return any(d.callEvents,
                        [](const CallEventRow& e) { return e.actual == notCommunicatingText(); });
         })},
        {"events of one sensor in the same month of two years", rows([](const DemoInstallation& d) {
             QHash<QString, QSet<int>> years;
             for (const CallEventRow& e : d.callEvents)
                 years[sensorKey(e.dept, e.sensorId) + '/' + e.date.left(2)].insert(
                     eventDay(e).year());
             return std::any_of(years.begin(), years.end(),
                                [](const QSet<int>& y) { return y.size() > 1; });
         })},
        {"events of one sensor on both sides of a New Year", rows([](const DemoInstallation& d) {
             QHash<QString, QSet<QDate>> days;
             for (const CallEventRow& e : d.callEvents)
                 days[sensorKey(e.dept, e.sensorId)].insert(eventDay(e));
             return std::any_of(days.begin(), days.end(), [](const QSet<QDate>& set) {
                 return std::any_of(set.begin(), set.end(), [&](QDate day) {
                     if (day.month() != 12 || day.day() < 25)
                         return false;
                     for (int k = 1; k <= 7; ++k)
                         if (set.contains(QDate(day.year() + 1, 1, k)))
                             return true;
                     return false;
                 });
             });
         })},
        {"padded REG_NAME, trimmed REG.DEPT", rows([](const DemoInstallation& d) {
             return any(d.reg, [](const RegRow& r) {
                 return r.regName != r.regName.trimmed() && r.dept == r.regName.trimmed();
             });
         })},
        {"day text without ':'", rows([](const DemoInstallation& d) {
             return any(d.observations,
                        [](const ObservationRow& o) { return !o.obsData.contains(':'); });
         })},
    };
    // Ends that move the cases across month and year boundaries, as scripts/demo.sh's
    // "today" may.
    for (const QDate end :
         {QDate(2024, 3, 15), QDate(2024, 3, 1), QDate(2024, 12, 31), QDate(2025, 1, 2)})
        for (const auto& [name, demoCase] : cases)
            QTest::addRow("%s (to %s)", name, qPrintable(end.toString(Qt::ISODate)))
                << demoSize(end) << demoCase;
}

void TestDemoInstallation::casesOfTheDemoSize()
{
    QFETCH(DemoOptions, options);
    QFETCH(DemoCase, demoCase);
    QVERIFY(demoCase(demoInstallation(options), options));
}

QTEST_GUILESS_MAIN(TestDemoInstallation)
#include "tst_DemoInstallation.moc"
