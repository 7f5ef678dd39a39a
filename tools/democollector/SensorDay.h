#pragma once

#include "DemoRows.h"
#include "Prng.h"

#include <QDate>
#include <QList>

namespace kelvra::demo {

// How a "T" or "THS" hour cell carries its record.
enum class RecordPlace
{
    AfterNote,  // reading^note^record, the usual form
    AfterEmpty, // reading^^record: no note
    InPart2,    // reading^record: the logs read it only while the cell is below 14 characters
};

// How the alarm event of a "TRH" hour words what was observed.
enum class ObservedWording
{
    TemperatureAndHumidity, // Temp: t°C and Humidity: h%
    TemperatureAndRh,       // Temp: t°C and RH: h%
    RhAndTemperature,       // RH: h% and Temp: t°C
};

// An hour whose reading or peak leaves the sensor's range.
struct Excursion
{
    int hour = 0;
    bool humidity = false; // the '@' record of a TRH sensor instead of the '#' one
    double reading = 0;    // what the hour cell shows
    double peak = 0;       // the out-of-range value the exception record carries
    int decimals = 1;      // of the record's value text
    QString valueText;     // when set, the record's value exactly as written
    RecordPlace place = RecordPlace::AfterNote;
    ObservedWording wording = ObservedWording::TemperatureAndHumidity;
};

// An hour whose reading is written exactly as given (a reading on a limit, say).
struct ExactReading
{
    int hour = 0;
    double temperature = 0;
};

// What one sensor's day holds besides normal drift.
struct DayPlan
{
    QDate day;
    bool manualEntry = false;
    bool withoutColon = false; // the day text has no leading part and no ':'
    int lastHour = 23;         // a short day ends after this hour
    int faultHour = -1;        // probe fault from this hour on
    QList<int> emptyHours;
    QList<Excursion> excursions;
    QList<ExactReading> exactReadings;
    bool withoutAverage = false; // the collector wrote no AVG_FOR_DAY
    QString action;              // ACTION_TAKEN an operator wrote for the day
    bool randomEvents = true;    // false keeps a scripted day to its script
};

// The slowly wandering offsets from the expected values, carried from day to day.
struct SensorState
{
    double temperatureDrift = 0;
    double humidityDrift = 0;
};

struct SensorDay
{
    ObservationRow observation; // sign-out columns are left to the caller
    QList<CallEventRow> events;
    bool hadExceptions = false;
};

// warmingDirection: +1 when faults only push the temperature up (fridges, freezers), 0 when
// excursions go either way.
SensorDay simulateSensorDay(const SensorRow& sensor, int warmingDirection,
                            const CallListRow& callList, const DayPlan& plan, SensorState& state,
                            Prng& rng);

// A day on which nothing was heard from the sensor, so it has no OBSERVATIONS row: the alarm
// program repeats its not-communicating call every repeatMinutes all day long.
QList<CallEventRow> silentDayEvents(const SensorRow& sensor, const CallListRow& callList, QDate day,
                                    int repeatMinutes, Prng& rng);

} // namespace kelvra::demo
