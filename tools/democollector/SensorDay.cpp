#include "SensorDay.h"

#include "DemoCatalog.h"
#include "StoredText.h"

#include <QTime>

#include <algorithm>
#include <optional>

namespace kelvra::demo {

namespace {

struct Hour
{
    bool hasCell = true; // false past the end of a short day
    std::optional<double> temperature;
    std::optional<double> humidity;
    std::optional<Excursion> temperatureExcursion;
    std::optional<Excursion> humidityExcursion;
};

bool isHumiditySensor(const SensorRow& sensor)
{
    return sensor.sensorType == QLatin1String("TRH");
}

double lowLimit(const SensorRow& s, bool humidity)
{
    return humidity ? s.rhExpected - s.rhMaxDev : s.expectedValue - s.maxDeviation;
}

double highLimit(const SensorRow& s, bool humidity)
{
    return humidity ? s.rhExpected + s.rhMaxDev : s.expectedValue + s.maxDeviation;
}

bool outOfRange(const SensorRow& s, bool humidity, double value)
{
    return value < lowLimit(s, humidity) || value > highLimit(s, humidity);
}

// Drift stays inside the range; only excursions leave it, and every one is recorded.
double step(double drift, double deviation, Prng& rng)
{
    drift = 0.85 * drift + 0.12 * deviation * rng.bell();
    return std::clamp(drift, -0.8 * deviation, 0.8 * deviation);
}

double clampHumidity(double value)
{
    return std::clamp(value, 1.0, 99.0);
}

void addRandomExcursions(const SensorRow& sensor, int warmingDirection, bool humidity,
                         QList<Excursion>& out, Prng& rng)
{
    if (!rng.chance(0.03))
        return;
    const int direction =
        !humidity && warmingDirection != 0 ? warmingDirection : (rng.chance(0.5) ? 1 : -1);
    const double centre = humidity ? sensor.rhExpected : sensor.expectedValue;
    const double deviation = humidity ? sensor.rhMaxDev : sensor.maxDeviation;
    const int start = rng.below(24);
    const int length = rng.between(1, 3);
    for (int hour = start; hour < std::min(24, start + length); ++hour) {
        Excursion e;
        e.hour = hour;
        e.humidity = humidity;
        if (rng.chance(0.2)) {
            // A short spike: the hour's reading is back in range, the peak was not.
            e.reading = centre + direction * deviation * rng.uniform(0.5, 0.95);
            e.peak = centre + direction * deviation * rng.uniform(1.05, 1.5);
        } else {
            e.reading = centre + direction * deviation * rng.uniform(1.05, 1.7);
            e.peak = e.reading + direction * deviation * rng.uniform(0.05, 0.35);
        }
        if (humidity) {
            e.reading = clampHumidity(e.reading);
            e.peak = clampHumidity(e.peak);
        }
        e.decimals = isHumiditySensor(sensor) ? rng.below(2) : rng.below(3);
        out.append(e);
    }
}

// The record's value text: 1 to 6 characters, and at most 4 on TRH sensors so that their
// one-record cells stay below 23 characters, where readers expect them. The wanted number of
// decimals gives way when rounding would bring the value back into the range.
QString recordValue(const SensorRow& sensor, const Excursion& e)
{
    if (!e.valueText.isEmpty())
        return e.valueText;
    const int limit = isHumiditySensor(sensor) ? 4 : 6;
    QList<int> tries{e.decimals};
    for (int decimals = 0; decimals <= 2; ++decimals)
        if (decimals != e.decimals)
            tries.append(decimals);
    QString fallback;
    for (int decimals : tries) {
        const QString text = text::exceptionValue(e.peak, decimals);
        if (text.size() > limit)
            continue;
        if (outOfRange(sensor, e.humidity, text.toDouble()))
            return text;
        if (fallback.isEmpty())
            fallback = text;
    }
    return fallback;
}

QTime randomTimeIn(int hour, Prng& rng)
{
    return QTime(hour, rng.below(60), rng.below(60));
}

CallEventRow alarmEvent(const SensorRow& sensor, const CallListRow& callList, QDate day, QTime at,
                        const QString& actual, Prng& rng)
{
    CallEventRow event;
    event.date = text::usDate(day);
    event.time = text::clockTime(at);
    event.sensorId = sensor.sensorId;
    event.dept = sensor.dept;
    event.actual = actual;

    QStringList methods;
    if (sensor.alarm != 0) {
        if (sensor.phoneMsg != 0)
            methods.append(QStringLiteral("Phone Call"));
        if (sensor.email != 0)
            methods.append(QStringLiteral("E-Mail"));
        if (sensor.audibleWave != 0)
            methods.append(QStringLiteral("Audible Alarm"));
    }
    // Without an alarm method the event is only detected; the report names it so.
    if (methods.isEmpty())
        return event;
    event.alarmMethod = rng.pick(methods);

    int people = 0;
    while (people < 5 && !callList.persons[people].isEmpty())
        ++people;
    const int k = people > 0 ? rng.below(people) : 0;
    const bool answered = rng.chance(0.7);
    if (event.alarmMethod == QLatin1String("Phone Call")) {
        event.phoneNumber = callList.numbers[k];
        if (answered)
            event.who = callList.persons[k];
        event.actionTaken =
            answered ? rng.pick(catalog::eventActions()) : QStringLiteral("NO ANSWER");
    } else if (event.alarmMethod == QLatin1String("E-Mail")) {
        event.phoneNumber = callList.emails[k];
        if (answered) {
            event.who = callList.persons[k];
            event.actionTaken = rng.pick(catalog::eventActions());
        }
    } else if (answered) {
        event.who = callList.persons[k];
        event.actionTaken = rng.pick(catalog::eventActions());
    }
    return event;
}

QString observedText(const Hour& hour, double temperature, double humidity)
{
    // The scripted wording of the hour's record; a humidity record's wins.
    const ObservedWording wording = hour.humidityExcursion      ? hour.humidityExcursion->wording
                                    : hour.temperatureExcursion ? hour.temperatureExcursion->wording
                                                                : ObservedWording();
    switch (wording) {
    case ObservedWording::TemperatureAndRh:
        return text::observedTemperatureAndRh(temperature, humidity);
    case ObservedWording::RhAndTemperature:
        return text::observedRhAndTemperature(humidity, temperature);
    case ObservedWording::TemperatureAndHumidity:
        break;
    }
    return text::observedTemperatureAndHumidity(temperature, humidity);
}

double manualValue(double centre, double deviation, Prng& rng)
{
    // Hand-entered readings are rounded to half degrees.
    const double value = centre + 0.25 * deviation * rng.bell();
    return double(qRound(value * 2.0)) / 2.0;
}

} // namespace

SensorDay simulateSensorDay(const SensorRow& sensor, int warmingDirection,
                            const CallListRow& callList, const DayPlan& givenPlan,
                            SensorState& state, Prng& rng)
{
    const bool humiditySensor = isHumiditySensor(sensor);
    DayPlan plan = givenPlan;

    if (plan.randomEvents && !plan.manualEntry) {
        if (rng.chance(0.002))
            plan.lastHour = rng.between(2, 21);
        if (sensor.sensorType == QLatin1String("THS") && rng.chance(0.002))
            plan.faultHour = rng.between(1, 22);
        for (int hour = 0; hour < 24; ++hour)
            if (rng.chance(0.006))
                plan.emptyHours.append(hour);
        QList<Excursion> random;
        addRandomExcursions(sensor, warmingDirection, false, random, rng);
        if (humiditySensor)
            addRandomExcursions(sensor, warmingDirection, true, random, rng);
        // A scripted excursion wins over a random one in the same hour.
        for (const Excursion& e : random) {
            const bool taken = std::any_of(
                plan.excursions.begin(), plan.excursions.end(),
                [&](const Excursion& s) { return s.hour == e.hour && s.humidity == e.humidity; });
            if (!taken)
                plan.excursions.append(e);
        }
    }

    std::array<Hour, 24> hours;
    for (int h = 0; h < 24; ++h) {
        Hour& hour = hours[h];
        state.temperatureDrift = step(state.temperatureDrift, sensor.maxDeviation, rng);
        if (humiditySensor)
            state.humidityDrift = step(state.humidityDrift, sensor.rhMaxDev, rng);
        if (h > plan.lastHour) {
            hour.hasCell = false;
            continue;
        }
        if (plan.emptyHours.contains(h) || (plan.faultHour >= 0 && h >= plan.faultHour))
            continue;
        if (plan.manualEntry) {
            hour.temperature = manualValue(sensor.expectedValue, sensor.maxDeviation, rng);
            if (humiditySensor)
                hour.humidity = manualValue(sensor.rhExpected, sensor.rhMaxDev, rng);
            continue;
        }
        hour.temperature = sensor.expectedValue + state.temperatureDrift;
        for (const ExactReading& exact : plan.exactReadings)
            if (exact.hour == h)
                hour.temperature = exact.temperature;
        if (humiditySensor)
            hour.humidity = clampHumidity(sensor.rhExpected + state.humidityDrift);
        for (const Excursion& e : plan.excursions) {
            if (e.hour != h)
                continue;
            if (e.humidity && humiditySensor) {
                hour.humidity = e.reading;
                hour.humidityExcursion = e;
            } else if (!e.humidity) {
                hour.temperature = e.reading;
                hour.temperatureExcursion = e;
            }
        }
    }

    SensorDay result;
    ObservationRow& row = result.observation;
    row.obsDate = text::dayKey(plan.day);
    row.sensorId = sensor.sensorId;
    row.dept = sensor.dept;

    QStringList cells;
    double temperatureSum = 0;
    double humiditySum = 0;
    int readings = 0;
    int lastReadingHour = -1;
    for (int h = 0; h < 24; ++h) {
        const Hour& hour = hours[h];
        if (!hour.hasCell)
            break;
        if (!hour.temperature) {
            cells.append(QString());
            continue;
        }
        const QString reading = text::reading(*hour.temperature);
        temperatureSum += *hour.temperature;
        ++readings;
        lastReadingHour = h;

        QString temperatureRecord;
        QTime firstRecordAt;
        std::optional<double> observedTemperature;
        std::optional<double> observedHumidity;
        if (hour.temperatureExcursion &&
            outOfRange(sensor, false, hour.temperatureExcursion->peak)) {
            const QTime at = randomTimeIn(h, rng);
            temperatureRecord = text::exceptionRecord(
                QLatin1Char('#'), recordValue(sensor, *hour.temperatureExcursion), at);
            firstRecordAt = at;
            observedTemperature = hour.temperatureExcursion->peak;
        }
        if (!humiditySensor) {
            const bool high = observedTemperature && *observedTemperature > sensor.expectedValue;
            const RecordPlace place = hour.temperatureExcursion ? hour.temperatureExcursion->place
                                                                : RecordPlace::AfterNote;
            if (temperatureRecord.isEmpty() || place == RecordPlace::AfterNote)
                cells.append(text::temperatureCell(
                    reading, high ? QStringLiteral("HI") : QStringLiteral("LO"),
                    temperatureRecord));
            else if (place == RecordPlace::AfterEmpty)
                cells.append(text::temperatureCell(reading, QString(), temperatureRecord));
            else
                cells.append(text::temperatureCellWithRecordInPart2(reading, temperatureRecord));
        } else {
            const QString humidity = text::reading(*hour.humidity);
            humiditySum += *hour.humidity;
            QString humidityRecord;
            if (hour.humidityExcursion && outOfRange(sensor, true, hour.humidityExcursion->peak)) {
                const QTime at = randomTimeIn(h, rng);
                humidityRecord = text::exceptionRecord(
                    QLatin1Char('@'), recordValue(sensor, *hour.humidityExcursion), at);
                if (!firstRecordAt.isValid() || at < firstRecordAt)
                    firstRecordAt = at;
                observedHumidity = hour.humidityExcursion->peak;
            }
            cells.append(text::humidityCell(reading, temperatureRecord, humidity, humidityRecord));
        }

        if (firstRecordAt.isValid()) {
            result.hadExceptions = true;
            const QString actual =
                humiditySensor ? observedText(hour, observedTemperature.value_or(*hour.temperature),
                                              observedHumidity.value_or(*hour.humidity))
                               : text::observedTemperature(*observedTemperature);
            result.events.append(
                alarmEvent(sensor, callList, plan.day, firstRecordAt, actual, rng));
        }
    }

    const QString leading =
        plan.withoutColon ? QString() : sensor.sensorId + QLatin1Char('-') + row.obsDate;
    row.obsData = text::dayText(leading, cells);

    if (readings > 0 && !plan.withoutAverage)
        row.avgForDay = text::averages(
            temperatureSum / readings,
            humiditySensor ? std::optional<double>(humiditySum / readings) : std::nullopt);

    const QString battery = QStringLiteral("BATT ") +
                            QString::number(2.7 + 0.1 * rng.below(5), 'f', 1) + QLatin1Char('V');
    if (plan.manualEntry)
        row.actionTaken = QStringLiteral("MANUAL ENTRY");
    else if (!plan.action.isEmpty())
        row.actionTaken = plan.action;
    if (plan.faultHour >= 0) {
        row.error = 1;
        row.lastObs = text::lastObservation(rng.pick(catalog::faultTexts()),
                                            randomTimeIn(plan.faultHour, rng), battery);
    } else if (lastReadingHour >= 0) {
        const QString first = text::lastObsReading(*hours[lastReadingHour].temperature);
        row.lastObs =
            plan.manualEntry
                ? text::lastObservation(first, QTime(lastReadingHour, 0),
                                        QStringLiteral("MANUAL ENTRY"))
                : text::lastObservation(first, randomTimeIn(lastReadingHour, rng), battery);
    }

    if (plan.lastHour < 23) {
        // The collector heard nothing after the last cell and raised the alarm.
        const QTime at(plan.lastHour + 1, rng.below(60), rng.below(60));
        result.events.append(
            alarmEvent(sensor, callList, plan.day, at, text::notCommunicating(), rng));
    }
    return result;
}

QList<CallEventRow> silentDayEvents(const SensorRow& sensor, const CallListRow& callList, QDate day,
                                    int repeatMinutes, Prng& rng)
{
    QList<CallEventRow> events;
    for (int minute = 0; minute < 24 * 60; minute += repeatMinutes) {
        const QTime at = QTime(0, 0).addSecs(minute * 60 + rng.below(60));
        events.append(alarmEvent(sensor, callList, day, at, text::notCommunicating(), rng));
    }
    return events;
}

} // namespace kelvra::demo
