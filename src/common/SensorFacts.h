#pragma once

#include "common/SensorLimits.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace kelvra {

// The SENSORS columns that the readers of observations use, as a dataset reads them
// (a NULL number reads as 0).
struct SensorRow
{
    QString type; // SENSOR_TYPE: "T", "TRH" or "THS"
    QString location;
    double expectedValue = 0.0; // EXPECTED_VALUE, degrees Celsius
    double maxDeviation = 0.0;  // MAX_DEVIATION
    double rhExpected = 0.0;    // RH_EXPECTED, percent; read only for "TRH"
    double rhMaxDeviation = 0.0;
};

// What the screens derive from a sensor row before reading its days.
struct SensorFacts
{
    static SensorFacts fromRow(const SensorRow& row, TemperatureUnit unit);

    QString type;
    QString location;
    TemperatureUnit unit = TemperatureUnit::Celsius;
    Limits celsiusLimits;
    Limits temperatureLimits;             // in the shown unit
    std::optional<Limits> humidityLimits; // "TRH" sensors only

    bool hasHumidity() const { return humidityLimits.has_value(); }
    QChar unitLetter() const;
    // A Celsius reading in the shown unit.
    double shown(double celsius) const;
    QString temperatureRangeCaption(QChar decimalSign) const;
    // Empty for sensors without humidity.
    QString humidityRangeCaption(QChar decimalSign) const;
};

inline constexpr QStringView kHumiditySensorType = u"TRH";

} // namespace kelvra
