#pragma once

#include <QChar>
#include <QString>

// Temperature units, limits and the range test shared by every screen that judges readings.
namespace kelvra {

enum class TemperatureUnit
{
    Celsius,
    Fahrenheit
};

// 'C' or 'F', shown after the degree sign.
QChar unitLetter(TemperatureUnit unit);
// C * 1.8 + 32.
double toFahrenheit(double celsius);
// The Celsius value in the unit shown.
double inUnit(double celsius, TemperatureUnit unit);

// Both limits belong to the range.
struct Limits
{
    double low = 0.0;
    double high = 0.0;
};

// Expected value minus and plus the maximum deviation.
Limits limitsAround(double expected, double maxDeviation);
Limits inUnit(const Limits& celsius, TemperatureUnit unit);

enum class RangePosition
{
    Below,
    Within,
    Above
};

// How far a value may lie outside a limit and still count as on it: a reading exactly on a
// limit is often just outside after conversion (4.0 C is 39.2 F, the limit 3 + 1 is
// 39.199999999999996 F).
inline constexpr double kRangeTolerance = 1e-9;

RangePosition rangePosition(double value, const Limits& limits);
bool isInRange(double value, const Limits& limits);

// low + " to " + high, both "0.0".
QString rangeText(const Limits& limits, QChar decimalSign);
// "Range: 35.6 to 46.4°F".
QString temperatureRangeCaption(const Limits& shown, TemperatureUnit unit, QChar decimalSign);
// "RH%:   40.0 to 60.0%".
QString humidityRangeCaption(const Limits& limits, QChar decimalSign);

} // namespace kelvra
