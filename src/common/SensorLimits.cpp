#include "common/SensorLimits.h"

#include "common/NumberText.h"
#include "common/TextSymbols.h"

namespace kelvra {

QChar unitLetter(TemperatureUnit unit)
{
    return unit == TemperatureUnit::Fahrenheit ? QLatin1Char('F') : QLatin1Char('C');
}

double toFahrenheit(double celsius)
{
    return celsius * 1.8 + 32.0;
}

double inUnit(double celsius, TemperatureUnit unit)
{
    return unit == TemperatureUnit::Fahrenheit ? toFahrenheit(celsius) : celsius;
}

Limits limitsAround(double expected, double maxDeviation)
{
    return {expected - maxDeviation, expected + maxDeviation};
}

Limits inUnit(const Limits& celsius, TemperatureUnit unit)
{
    return {inUnit(celsius.low, unit), inUnit(celsius.high, unit)};
}

RangePosition rangePosition(double value, const Limits& limits)
{
    if (isInRange(value, limits))
        return RangePosition::Within;
    return value < limits.low ? RangePosition::Below : RangePosition::Above;
}

bool isInRange(double value, const Limits& limits)
{
    // Written so that a value that is no number is never in range.
    return value >= limits.low - kRangeTolerance && value <= limits.high + kRangeTolerance;
}

QString rangeText(const Limits& limits, QChar decimalSign)
{
    return formatOneDecimal(limits.low, decimalSign) + QStringLiteral(" to ") +
           formatOneDecimal(limits.high, decimalSign);
}

QString temperatureRangeCaption(const Limits& shown, TemperatureUnit unit, QChar decimalSign)
{
    return QStringLiteral("Range: ") + rangeText(shown, decimalSign) + kDegreeSign +
           unitLetter(unit);
}

QString humidityRangeCaption(const Limits& limits, QChar decimalSign)
{
    return QStringLiteral("RH%:   ") + rangeText(limits, decimalSign) + QLatin1Char('%');
}

} // namespace kelvra
