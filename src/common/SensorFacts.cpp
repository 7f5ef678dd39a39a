#include "common/SensorFacts.h"

namespace kelvra {

SensorFacts SensorFacts::fromRow(const SensorRow& row, TemperatureUnit unit)
{
    SensorFacts facts;
    facts.type = row.type;
    facts.location = row.location;
    facts.unit = unit;
    facts.celsiusLimits = limitsAround(row.expectedValue, row.maxDeviation);
    facts.temperatureLimits = inUnit(facts.celsiusLimits, unit);
    if (row.type == kHumiditySensorType)
        facts.humidityLimits = limitsAround(row.rhExpected, row.rhMaxDeviation);
    return facts;
}

QChar SensorFacts::unitLetter() const
{
    return kelvra::unitLetter(unit);
}

double SensorFacts::shown(double celsius) const
{
    return inUnit(celsius, unit);
}

QString SensorFacts::temperatureRangeCaption(QChar decimalSign) const
{
    return kelvra::temperatureRangeCaption(temperatureLimits, unit, decimalSign);
}

QString SensorFacts::humidityRangeCaption(QChar decimalSign) const
{
    return humidityLimits ? kelvra::humidityRangeCaption(*humidityLimits, decimalSign) : QString();
}

} // namespace kelvra
