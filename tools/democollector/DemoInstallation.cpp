#include "DemoInstallation.h"

#include "DemoCatalog.h"
#include "Prng.h"
#include "SensorDay.h"
#include "StoredText.h"

#include <QDateTime>

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

Department makeDepartment(const DemoOptions& options, int index, QDate firstDay)
{
    Prng rng = Prng::forStream(options.seed, DepartmentStream, quint64(index));
    Department d;
    d.name = catalog::departmentName(index);
    // The second department's stored name carries blanks; screens list and query it trimmed.
    const QString stored =
        index == 1 ? QStringLiteral("  ") + d.name + QStringLiteral("  ") : d.name;
    d.reg.regName = stored;
    d.reg.dept = stored;
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
        s.alarmFreq =
            rng.pick(QStringList{QStringLiteral("0"), QStringLiteral("15"), QStringLiteral("30"),
                                 QStringLiteral("60"), QStringLiteral("120")});
    } else {
        s.alarmFreq = QStringLiteral("0");
    }
    s.changed = text::changeStamp(someTimeBefore(firstDay, rng), d.users.first().userId);
    return s;
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

// The special days that must be there whatever the seed, on the first sensors (whose kinds
// are fixed: 0 fridge, 1 TRH room, 2 freezer, 3 incubator, 4 oven).
DayPlan planDay(const DemoOptions& options, int department, int sensor, int day, QDate date)
{
    DayPlan plan;
    plan.day = date;
    const int last = options.days - 1;
    const int previous = std::max(0, last - 1);
    const int shortDay = std::max(0, last - 2);
    auto at = [&](int d, int s, int dayIndex) {
        return department == d && sensor == s && day == dayIndex;
    };
    const auto script = [&plan](auto&& change) {
        change();
        plan.randomEvents = false;
    };

    if (at(0, 0, last)) // one record of each length 9, 11 and 13
        script([&] {
            plan.excursions = {scripted(8, 8.6, 9, 0), scripted(9, 9.2, 9.5, 1),
                               scripted(10, 9.4, 10.25, 2)};
        });
    if (at(0, 0, previous) && previous != last)
        script([&] { plan.manualEntry = true; });
    if (at(0, 1, last)) // TRH cell forms 2, 3 and 4
        script([&] {
            plan.excursions = {scripted(14, 25.6, 26.5, 1), scripted(16, 61.5, 63, 0, true),
                               scripted(18, 25.8, 27, 0), scripted(18, 62.4, 64.5, 1, true)};
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
    if (at(0, 4, previous)) // the reading stays in range, the peak does not
        script([&] { plan.excursions = {scripted(12, 104.1, 105.25, 2)}; });
    if (at(options.departments - 1, 0, 0))
        script([&] { plan.withoutColon = true; });
    return plan;
}

void signDay(ObservationRow& row, const SensorDay& result, const Department& d, QDate day,
             bool lastDay, Prng& rng, QList<ActivityRow>& activity)
{
    const bool manual = row.actionTaken == QLatin1String("MANUAL ENTRY");
    // The current day is never signed yet; hand-entered days always are.
    if (lastDay || d.signers.isEmpty() || (!manual && !rng.chance(0.85))) {
        row.acceptedBy.clear();
        row.signTime.clear();
        return;
    }
    const QDateTime signedAt(day.addDays(1), QTime(7, 0).addSecs(rng.below(3 * 3600)));
    row.acceptedBy = rng.pick(d.signers);
    row.signTime = text::signTime(signedAt);
    if (!manual && result.hadExceptions && rng.chance(0.7))
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

    for (int k = 0; k < options.departments; ++k) {
        const Department d = makeDepartment(options, k, firstDay);
        out.reg.append(d.reg);
        out.users.append(d.users);
        out.callLists.append(d.callList);

        Prng daily = Prng::forStream(options.seed, DepartmentStream + 1, quint64(k));
        for (int day = 0; day < options.days; ++day)
            logSignOns(d, firstDay.addDays(day), daily, out.activity);

        for (int i = 0; i < options.sensorsPerDepartment; ++i) {
            Prng rng = Prng::forStream(options.seed, SensorStream + quint64(k), quint64(i));
            Prng signing = Prng::forStream(options.seed, SignStream + quint64(k), quint64(i));
            const SensorRow sensor = makeSensor(options, d, k, i, firstDay, rng);
            out.sensors.append(sensor);
            const int warming =
                catalog::sensorKinds()[i % catalog::sensorKinds().size()].faultDirection;

            SensorState state;
            for (int day = 0; day < options.days; ++day) {
                const QDate date = firstDay.addDays(day);
                SensorDay result = simulateSensorDay(sensor, warming, d.callList,
                                                     planDay(options, k, i, day, date), state, rng);
                signDay(result.observation, result, d, date, day == options.days - 1, signing,
                        out.activity);
                out.observations.append(result.observation);
                logAcknowledgements(result.events, out.activity);
                out.callEvents.append(result.events);
            }
        }
    }
    return out;
}

} // namespace kelvra::demo
