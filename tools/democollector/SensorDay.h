#pragma once

#include "DemoRows.h"
#include "Prng.h"

#include <QDate>
#include <QList>

namespace kelvra::demo {

// An hour whose reading or peak leaves the sensor's range.
struct Excursion
{
    int hour = 0;
    bool humidity = false; // the '@' record of a TRH sensor instead of the '#' one
    double reading = 0;    // what the hour cell shows
    double peak = 0;       // the out-of-range value the exception record carries
    int decimals = 1;      // of the record's value text
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
    bool randomEvents = true; // false keeps a scripted day to its script
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

} // namespace kelvra::demo
