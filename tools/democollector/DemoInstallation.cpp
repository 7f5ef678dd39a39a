#include "DemoInstallation.h"

#include "DemoCatalog.h"
#include "Prng.h"
#include "SensorDay.h"
#include "StoredText.h"

#include <QDateTime>

#include <algorithm>

namespace kelvra::demo {

namespace {

// Stream numbers, so that each part of the installation draws from its own generator.
enum Stream : quint64
{
    DepartmentStream = 1,
    SensorStream = 1000,
    SignStream = 2000,
};

QString hexCode(Prng& rng, int length, const char* alphabet, int alphabetSize)
{
    QString code;
    for (int i = 0; i < length; ++i)
        code.append(QLatin1Char(alphabet[rng.below(alphabetSize)]));
    return code;
}

QDateTime someTimeBefore(QDate day, Prng& rng)
{
    return QDateTime(day.addDays(-rng.between(5, 120)), QTime(rng.between(7, 17), rng.below(60)));
}

struct Department
{
    QString name; // as every table but REG stores it
    RegRow reg;
    QList<UserRow> users;
    CallListRow callList;
    QStringList signers;
};

QString accessList(const QStringList& names)
{
    QString text;
    for (const QString& name : names)
        text += name + QStringLiteral("\r\n");
    return text;
}

QString personName(Prng& rng)
{
    return rng.pick(catalog::firstNames()) + QLatin1Char(' ') + rng.pick(catalog::lastNames());
}

QList<UserRow> makeUsers(const QString& dept, QDate firstDay, Prng& rng)
{
    const QStringList& all = catalog::accessNames();
    const QStringList technician = all.mid(4);
    const QStringList viewer{QStringLiteral("SENSOR READINGS"), QStringLiteral("HOURLY LOGS"),
                             QStringLiteral("EXCEPTION REPORT")};
    struct Role
    {
        QStringList access;
        int statusFlag;
        int okToSign;
    };
    // A supervisor, a technician who signs logs, a viewer, and a former member of staff.
    const QList<Role> roles{{all, -1, -1}, {technician, -1, -1}, {viewer, -1, 0}, {viewer, 0, 0}};

    QList<UserRow> users;
    QStringList ids;
    for (const Role& role : roles) {
        QString name, id;
        do {
            name = personName(rng);
            const QString last = name.section(QLatin1Char(' '), 1);
            id = (name.left(1) + last).toUpper().left(12);
        } while (ids.contains(id));
        ids.append(id);

        UserRow user;
        user.dept = dept;
        user.userId = id;
        user.userName = name;
        user.userPassword =
            rng.pick(catalog::passwordWords()) + QString::number(rng.between(1000, 9999));
        user.accessList = accessList(role.access);
        user.statusFlag = role.statusFlag;
        user.okToSign = role.okToSign;
        users.append(user);
    }
    for (UserRow& user : users)
        user.changed = text::changeStamp(someTimeBefore(firstDay, rng), users.first().userId);
    return users;
}

CallListRow makeCallList(const QString& dept, const QList<UserRow>& users, int people,
                         QDate firstDay, Prng& rng)
{
    CallListRow list;
    list.dept = dept;
    for (int k = 0; k < people; ++k) {
        const QString name = k < 2 ? users[k].userName : personName(rng);
        list.persons[k] = name;
        list.numbers[k] = QStringLiteral("(541) 555-01") +
                          QString::number(rng.below(100)).rightJustified(2, u'0');
        list.emails[k] = name.toLower().replace(QLatin1Char(' '), QLatin1Char('.')) +
                         QStringLiteral("@harborview-health.example");
    }
    list.tapiDevice = rng.pick(catalog::tapiDevices());
    list.waveFile = rng.pick(QStringList{QStringLiteral("alarm.wav"), QStringLiteral("siren.wav"),
                                         QStringLiteral("chime.wav")});
    list.changed = text::changeStamp(someTimeBefore(firstDay, rng), users.first().userId);
    return list;
}

Department makeDepartment(const DemoOptions& options, int index, const QString& name,
                          QDate firstDay)
{
    Prng rng = Prng::forStream(options.seed, DepartmentStream, quint64(index));
    Department d;
    d.name = name;
    // The second department's REG_NAME carries blanks; screens list and query it trimmed, and
    // the MySQL report header looks the row up by REG.DEPT, which therefore holds the trimmed
    // name like every other table.
    d.reg.regName = index == 1 ? QStringLiteral("  ") + d.name + QStringLiteral("  ") : d.name;
    d.reg.dept = d.name;
    d.reg.address1 = catalog::departmentAddress1(index);
    // The last department has no second address line.
    d.reg.address2 =
        index == options.departments - 1 ? QString() : catalog::departmentAddress2(index);
    d.reg.csz = catalog::departmentCityLine();
    d.users = makeUsers(d.name, firstDay, rng);
    d.callList = makeCallList(d.name, d.users, index == 0 ? 5 : rng.between(3, 5), firstDay, rng);
    for (const UserRow& user : d.users)
        if (user.statusFlag == -1 && user.okToSign == -1)
            d.signers.append(user.userId);
    return d;
}

int statusFlagOf(const DemoOptions& options, int department, int index)
{
    const int count = options.sensorsPerDepartment;
    // Exactly one sensor says "active" with 1 instead of -1.
    if (department == 0 && count >= 3 && index == count - 1)
        return 1;
    if ((count >= 4 && index == count - 2) || index % 10 == 8)
        return 0;
    return -1;
}

SensorRow makeSensor(const DemoOptions& options, const Department& d, int department, int index,
                     QDate firstDay, Prng& rng)
{
    const catalog::SensorKind& kind = catalog::sensorKinds()[index % catalog::sensorKinds().size()];
    SensorRow s;
    s.sensorId = QString::number(index).rightJustified(2, u'0');
    s.dept = d.name;
    s.sensorType = QLatin1String(kind.type);
    s.location = QLatin1String(kind.location) + QLatin1Char(' ') +
                 QString::number(index / catalog::sensorKinds().size() + 1);
    static const char hex[] = "0123456789ABCDEF";
    static const char alnum[] = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
    s.factoryId = QStringLiteral("KV") + hexCode(rng, 10, hex, 16);
    s.activeCode = hexCode(rng, 10, alnum, 32);
    s.expectedValue = kind.expected;
    s.maxDeviation = kind.maxDeviation;
    s.calibOffset = rng.pick(QStringList{QStringLiteral("0.0"), QStringLiteral("0.0"),
                                         QStringLiteral("-0.5"), QStringLiteral("0.3")});
    if (s.sensorType == QLatin1String("TRH")) {
        s.rhExpected = kind.rhExpected;
        s.rhMaxDev = kind.rhMaxDeviation;
        s.rhCalib = rng.pick(QList<double>{0.0, 0.0, 1.5, -2.0});
    }
    if (s.sensorType == QLatin1String("THS"))
        s.thsRange = kind.thsRange;
    s.statusFlag = statusFlagOf(options, department, index);
    s.alarm = rng.chance(0.75) ? -1 : 0;
    if (s.alarm != 0) {
        s.audibleWave = rng.chance(0.5) ? -1 : 0;
        s.email = rng.chance(0.5) ? -1 : 0;
        s.phoneMsg = s.email == 0 || rng.chance(0.5) ? -1 : 0;
        // "af" is how the collector stores "immediately", next to a plain 0.
        s.alarmFreq = rng.pick(QStringList{QStringLiteral("af"), QStringLiteral("0"),
                                           QStringLiteral("15"), QStringLiteral("30"),
                                           QStringLiteral("60"), QStringLiteral("120")});
    } else {
        s.alarmFreq = QStringLiteral("0");
    }
    s.changed = text::changeStamp(someTimeBefore(firstDay, rng), d.users.first().userId);
    return s;
}

// The sensors of the first department that carry scripted cases besides the first five
// (whose kinds are fixed: 0 fridge, 1 TRH room, 2 freezer, 3 incubator, 4 oven).
constexpr int immediateAlarmSensor = 0; // ALARM_FREQ "af"
constexpr int unalarmedSensor = 4;      // the oven: its scripted events are only detected
constexpr int silentSensor = 5;         // a fridge not heard from for three days
constexpr int failingFreezer = 7;       // a plasma freezer out of range for two days
constexpr int yearsApartSensor = 9;     // a cooler with events a year apart and over a New Year

constexpr int silentDays = 3; // 3 × 96 calls: more than the 246 rows the report prints
constexpr int silentRepeatMinutes = 15;
constexpr int failureDays = 2; // 48 hourly records: more than one printed page of 41
constexpr int closedDepartmentSensors = 2;
const QDate earliestDate(2000, 1, 1);

// The latest run of length days inside one calendar month between first and last, or an
// invalid date when there is none.
QDate latestRunInOneMonth(QDate first, QDate last, int length)
{
    while (last >= first) {
        const QDate start = last.addDays(1 - length);
        if (start < first)
            return QDate();
        if (start.month() == last.month())
            return start;
        last = QDate(last.year(), last.month(), 1).addDays(-1);
    }
    return QDate();
}

// Where the scripted cases fall, worked out once per installation.
struct ScriptDays
{
    QDate firstDay;
    int departments = 0;
    int last = 0;
    int previous = 0;
    int shortDay = 0;
    int silentFrom = -1;  // day index, -1 when the window has no room for it
    int failureFrom = -1; // day index
    // The events of the years-apart sensor: a year before the end date, both days of the
    // New Year before it, and the end date. Dates before the window get rows of their own.
    QList<QDate> yearsApart;
};

ScriptDays scriptDays(const DemoOptions& options, QDate firstDay)
{
    ScriptDays s;
    s.firstDay = firstDay;
    s.departments = options.departments;
    s.last = options.days - 1;
    s.previous = std::max(0, s.last - 1);
    s.shortDay = std::max(0, s.last - 2);
    const auto indexOf = [&](QDate day) { return day.isValid() ? int(firstDay.daysTo(day)) : -1; };
    s.silentFrom = indexOf(latestRunInOneMonth(firstDay, options.endDate, silentDays));
    s.failureFrom =
        indexOf(latestRunInOneMonth(firstDay, options.endDate.addDays(-3), failureDays));
    const int year = options.endDate.year();
    for (const QDate day : {options.endDate.addYears(-1), QDate(year - 1, 12, 31),
                            QDate(year, 1, 1), options.endDate})
        if (day >= earliestDate && !s.yearsApart.contains(day))
            s.yearsApart.append(day);
    std::sort(s.yearsApart.begin(), s.yearsApart.end());
    return s;
}

bool isSilentDay(const ScriptDays& days, int department, int sensor, int day)
{
    return department == 0 && sensor == silentSensor && days.silentFrom >= 0 &&
           day >= days.silentFrom && day < days.silentFrom + silentDays;
}

// Dates before the window on which a sensor still has a row.
QList<QDate> datesBeforeTheWindow(const ScriptDays& days, int department, int sensor)
{
    QList<QDate> dates;
    if (department == 0 && sensor == yearsApartSensor)
        for (const QDate day : days.yearsApart)
            if (day < days.firstDay)
                dates.append(day);
    return dates;
}

// Settings the scripted cases need, whatever the seed drew.
void scriptSensor(int department, int index, SensorRow& s)
{
    const auto alarmEvery = [&s](const QString& minutes) {
        s.alarm = -1;
        s.phoneMsg = -1;
        s.alarmFreq = minutes;
    };
    if (department != 0)
        return;
    if (index == immediateAlarmSensor)
        alarmEvery(QStringLiteral("af"));
    if (index == unalarmedSensor) {
        s.alarm = s.audibleWave = s.email = s.phoneMsg = 0;
        s.alarmFreq = QStringLiteral("0");
    }
    if (index == silentSensor)
        alarmEvery(QString::number(silentRepeatMinutes));
}

Excursion scripted(int hour, double reading, double peak, int decimals, bool humidity = false)
{
    Excursion e;
    e.hour = hour;
    e.reading = reading;
    e.peak = peak;
    e.decimals = decimals;
    e.humidity = humidity;
    return e;
}

// A record whose value text is given, so that the record and its cell get an exact length.
Excursion scriptedText(int hour, double reading, const QString& value, bool humidity = false)
{
    Excursion e = scripted(hour, reading, value.toDouble(), 0, humidity);
    e.valueText = value;
    return e;
}

Excursion placed(Excursion e, RecordPlace place)
{
    e.place = place;
    return e;
}

Excursion worded(Excursion e, ObservedWording wording)
{
    e.wording = wording;
    return e;
}

// The special days that must be there whatever the seed. Day indexes below 0 are dates
// before the window.
DayPlan planDay(const ScriptDays& days, int department, int sensor, const SensorRow& row, int day,
                QDate date)
{
    DayPlan plan;
    plan.day = date;
    const int last = days.last;
    const int previous = days.previous;
    const int shortDay = days.shortDay;
    auto at = [&](int d, int s, int dayIndex) {
        return department == d && sensor == s && day == dayIndex;
    };
    const auto script = [&plan](auto&& change) {
        change();
        plan.randomEvents = false;
    };
    const double low = row.expectedValue - row.maxDeviation;
    const double high = row.expectedValue + row.maxDeviation;

    if (at(0, 0, last)) // records of 9, 11, 13 and 14 characters; readings on both limits
        script([&] {
            plan.excursions = {
                scripted(8, 8.6, 9, 0), scripted(9, 9.2, 9.5, 1), scripted(10, 9.4, 10.25, 2),
                // 0.0^^#0-hhmmss is 14 characters: no mark in the monthly log.
                placed(scriptedText(5, 0.0, QStringLiteral("0")), RecordPlace::AfterEmpty)};
            plan.exactReadings = {{3, low}, {4, high}};
        });
    if (at(0, 0, previous) && previous != last)
        script([&] { plan.manualEntry = true; });
    if (at(0, 0, shortDay) && shortDay != previous) // 13 characters: the logs read part 2
        script([&] {
            plan.excursions = {
                placed(scriptedText(6, low + 0.5, QStringLiteral("1")), RecordPlace::InPart2)};
        });
    if (at(0, 1, last)) // TRH cell forms 2, 3 and 4
        script([&] {
            plan.excursions = {scripted(14, 25.6, 26.5, 1), scripted(16, 61.5, 63, 0, true),
                               scripted(18, 25.8, 27, 0), scripted(18, 62.4, 64.5, 1, true)};
        });
    if (at(0, 1, previous) && previous != last && previous != shortDay)
        // Humidity records of 9, 13 and 14 characters, forms 2 and 3 from 23 characters on,
        // and event texts of 25, 26, 27 and 28 or more characters.
        script([&] {
            plan.excursions = {worded(scriptedText(6, 28.0, QStringLiteral("9"), true),
                                      ObservedWording::RhAndTemperature),
                               worded(scriptedText(10, 58.5, QStringLiteral("100.0"), true),
                                      ObservedWording::TemperatureAndRh),
                               scriptedText(12, 96.5, QStringLiteral("100.00"), true),
                               worded(scriptedText(15, 26.8, QStringLiteral("27.35")),
                                      ObservedWording::TemperatureAndRh)};
        });
    if (at(0, 1, shortDay) && shortDay != last)
        script([&] { plan.lastHour = 9; });
    if (at(0, 2, last))
        script([&] { plan.faultHour = 11; });
    if (at(0, 2, previous) && previous != last)
        script([&] {
            plan.excursions = {scripted(13, -14.2, -12.5, 1), scripted(14, -13.1, -12, 0),
                               scripted(15, -14.6, -12.35, 2)};
        });
    if (at(0, 3, 0))
        script([&] { plan.emptyHours = {5, 6}; });
    if (at(0, 3, previous) && previous != last) // not the manual-entry mark
        script([&] { plan.action = QStringLiteral("MANUAL ENTRY "); });
    if (at(0, 4, previous)) // the reading stays in range, the peak does not
        script([&] { plan.excursions = {scripted(12, 104.1, 105.25, 2)}; });
    if (at(0, 4, shortDay) && shortDay != previous)
        script([&] {
            plan.excursions = {scripted(7, 106.2, 106.9, 1)};
            plan.withoutAverage = true;
            plan.action = QStringLiteral("NO DAILY AVERAGE - COLLECTOR RESTARTED");
        });
    if (department == 0 && sensor == failingFreezer && days.failureFrom >= 0 &&
        day >= days.failureFrom && day < days.failureFrom + failureDays)
        script([&] {
            // The compressor failed: the freezer warms all day and every hour has a record.
            for (int h = 0; h < 24; ++h) {
                const double reading = high + 1.0 + 0.3 * ((day - days.failureFrom) * 24 + h);
                plan.excursions.append(scripted(h, reading, reading + 0.4, 1));
            }
            plan.action = QStringLiteral("FREEZER FAILED - STOCK MOVED TO BACKUP FREEZER");
        });
    if (department == 0 && sensor == yearsApartSensor && days.yearsApart.contains(date))
        script([&] { plan.excursions = {scripted(14, high + 0.6, high + 1.1, 1)}; });

    // Deliberately kept: a day text without its leading part and ':'. The monthly log shows
    // no hours for such a day; the other screens read it whole.
    const bool dayTextWithoutColon = at(days.departments - 1, 0, 0);
    if (dayTextWithoutColon)
        script([&] { plan.withoutColon = true; });
    return plan;
}

void signDay(ObservationRow& row, const SensorDay& result, const Department& d, QDate day,
             bool lastDay, Prng& rng, QList<ActivityRow>& activity)
{
    // Hand-entered days and days with a written explanation.
    const bool explained = !row.actionTaken.isEmpty();
    // The current day is never signed yet; explained days always are.
    if (lastDay || d.signers.isEmpty() || (!explained && !rng.chance(0.85))) {
        row.acceptedBy.clear();
        row.signTime.clear();
        return;
    }
    const QDateTime signedAt(day.addDays(1), QTime(7, 0).addSecs(rng.below(3 * 3600)));
    row.acceptedBy = rng.pick(d.signers);
    row.signTime = text::signTime(signedAt);
    if (!explained && result.hadExceptions && rng.chance(0.7))
        row.actionTaken = rng.pick(catalog::dayActions());

    ActivityRow entry;
    entry.dept = row.dept;
    entry.date = text::dayKey(signedAt.date());
    entry.time = text::clockTime(signedAt.time());
    entry.sensorId = row.sensorId;
    entry.who = row.acceptedBy;
    entry.event = QStringLiteral("DAILY LOG SIGNED OUT FOR ") + text::usDate(day);
    activity.append(entry);
}

void logSignOns(const Department& d, QDate day, Prng& rng, QList<ActivityRow>& activity)
{
    QStringList active;
    for (const UserRow& user : d.users)
        if (user.statusFlag == -1)
            active.append(user.userId);
    ActivityRow entry;
    entry.dept = d.name;
    entry.date = text::dayKey(day);
    entry.time = text::clockTime(QTime(6, 30).addSecs(rng.below(2 * 3600)));
    entry.who = rng.pick(active);
    entry.event = QStringLiteral("USER SIGNED ON");
    activity.append(entry);
}

void logAcknowledgements(const QList<CallEventRow>& events, QList<ActivityRow>& activity)
{
    for (const CallEventRow& event : events) {
        if (event.who.isEmpty())
            continue;
        ActivityRow entry;
        entry.dept = event.dept;
        entry.date = text::dayKey(QDate::fromString(event.date, QStringLiteral("MM/dd/yyyy")));
        entry.time = event.time;
        entry.sensorId = event.sensorId;
        entry.who = event.who.left(30);
        entry.event = QStringLiteral("ALARM ACKNOWLEDGED: ") + event.actual;
        activity.append(entry);
    }
}

} // namespace

QString demoOptionsError(const DemoOptions& options)
{
    if (options.departments < 1 || options.departments > maxDepartments)
        return QStringLiteral("departments must be 1 to %1").arg(maxDepartments);
    if (options.sensorsPerDepartment < 1 || options.sensorsPerDepartment > maxSensorsPerDepartment)
        return QStringLiteral("sensors per department must be 1 to %1")
            .arg(maxSensorsPerDepartment);
    if (options.days < 1 || options.days > maxDays)
        return QStringLiteral("days must be 1 to %1").arg(maxDays);
    if (!options.endDate.isValid())
        return QStringLiteral("the end date is not a valid date");
    if (options.endDate.addDays(1 - options.days).year() < 2000)
        return QStringLiteral("the days must not start before the year 2000");
    return QString();
}

DemoInstallation generateDemoInstallation(const DemoOptions& options)
{
    DemoInstallation out;
    if (!demoOptionsError(options).isEmpty())
        return out;
    const QDate firstDay = options.endDate.addDays(1 - options.days);
    const ScriptDays days = scriptDays(options, firstDay);

    for (int k = 0; k < options.departments; ++k) {
        const Department d = makeDepartment(options, k, catalog::departmentName(k), firstDay);
        out.reg.append(d.reg);
        out.users.append(d.users);
        out.callLists.append(d.callList);

        Prng daily = Prng::forStream(options.seed, DepartmentStream + 1, quint64(k));
        for (int day = 0; day < options.days; ++day)
            logSignOns(d, firstDay.addDays(day), daily, out.activity);

        for (int i = 0; i < options.sensorsPerDepartment; ++i) {
            Prng rng = Prng::forStream(options.seed, SensorStream + quint64(k), quint64(i));
            Prng signing = Prng::forStream(options.seed, SignStream + quint64(k), quint64(i));
            SensorRow sensor = makeSensor(options, d, k, i, firstDay, rng);
            scriptSensor(k, i, sensor);
            out.sensors.append(sensor);
            const int warming =
                catalog::sensorKinds()[i % catalog::sensorKinds().size()].faultDirection;

            const auto addDay = [&](QDate date, SensorState& state) {
                const int day = int(firstDay.daysTo(date));
                SensorDay result =
                    simulateSensorDay(sensor, warming, d.callList,
                                      planDay(days, k, i, sensor, day, date), state, rng);
                signDay(result.observation, result, d, date, day == days.last, signing,
                        out.activity);
                out.observations.append(result.observation);
                logAcknowledgements(result.events, out.activity);
                out.callEvents.append(result.events);
            };

            SensorState earlier;
            for (const QDate date : datesBeforeTheWindow(days, k, i))
                addDay(date, earlier);

            SensorState state;
            for (int day = 0; day < options.days; ++day) {
                const QDate date = firstDay.addDays(day);
                if (isSilentDay(days, k, i, day)) {
                    const QList<CallEventRow> calls =
                        silentDayEvents(sensor, d.callList, date, silentRepeatMinutes, rng);
                    logAcknowledgements(calls, out.activity);
                    out.callEvents.append(calls);
                    continue;
                }
                addDay(date, state);
            }
        }
    }

    // A closed department: its sensors are all retired, so its screens find no active one.
    const int closed = options.departments;
    const Department d = makeDepartment(options, closed, catalog::closedDepartmentName(), firstDay);
    out.reg.append(d.reg);
    out.users.append(d.users);
    out.callLists.append(d.callList);
    for (int i = 0; i < closedDepartmentSensors; ++i) {
        Prng rng = Prng::forStream(options.seed, SensorStream + quint64(closed), quint64(i));
        SensorRow sensor = makeSensor(options, d, closed, i, firstDay, rng);
        sensor.statusFlag = 0;
        sensor.alarm = sensor.audibleWave = sensor.email = sensor.phoneMsg = 0;
        sensor.alarmFreq = QStringLiteral("0");
        out.sensors.append(sensor);
    }
    return out;
}

} // namespace kelvra::demo
