#include "StoredText.h"

namespace kelvra::demo::text {

namespace {

QString fixed(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    // A value that rounds to zero must not keep its sign.
    if (text.startsWith(QLatin1Char('-')) && text.toDouble() == 0.0)
        text.remove(0, 1);
    return text;
}

} // namespace

QString dayKey(QDate day)
{
    return day.toString(QStringLiteral("yyyyMMdd"));
}

QString usDate(QDate day)
{
    return day.toString(QStringLiteral("MM/dd/yyyy"));
}

QString clockTime(QTime time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}

QString signTime(const QDateTime& at)
{
    return at.date().toString(QStringLiteral("MM-dd-yyyy")) + QStringLiteral(" - ") +
           clockTime(at.time());
}

QString changeStamp(const QDateTime& at, const QString& userId)
{
    return at.toString(QStringLiteral("MM/dd/yyyy HH:mm")) + QLatin1Char(' ') + userId;
}

QString reading(double value)
{
    return fixed(value, 1);
}

QString exceptionValue(double value, int decimals)
{
    return fixed(value, decimals);
}

QString exceptionRecord(QChar mark, const QString& value, QTime at)
{
    return mark + value + QLatin1Char('-') + at.toString(QStringLiteral("HHmmss"));
}

QString temperatureCell(const QString& reading, const QString& note, const QString& record)
{
    if (record.isEmpty())
        return reading;
    return reading + QLatin1Char('^') + note + QLatin1Char('^') + record;
}

QString temperatureCellWithRecordInPart2(const QString& reading, const QString& record)
{
    return reading + QLatin1Char('^') + record;
}

QString humidityCell(const QString& reading, const QString& tempRecord, const QString& humidity,
                     const QString& humidityRecord)
{
    QStringList parts{reading};
    if (!tempRecord.isEmpty())
        parts.append(tempRecord);
    parts.append(humidity);
    if (!humidityRecord.isEmpty())
        parts.append(humidityRecord);
    return parts.join(QLatin1Char('^'));
}

QString dayText(const QString& leading, const QStringList& cells)
{
    const QString joined = cells.join(QLatin1Char('|'));
    return leading.isNull() ? joined : leading + QLatin1Char(':') + joined;
}

QString averages(double temperature, std::optional<double> humidity)
{
    return reading(temperature) + QLatin1Char('^') + (humidity ? fixed(*humidity, 0) : QString());
}

QString lastObsReading(double value)
{
    const QString text = reading(value);
    return text.startsWith(QLatin1Char('-')) ? QLatin1Char('(') + text.mid(1) + QLatin1Char(')')
                                             : text;
}

QString lastObservation(const QString& first, QTime at, const QString& status)
{
    return first + QLatin1Char('-') + clockTime(at) + QLatin1Char('-') + status;
}

QString observedTemperature(double temperature)
{
    return QStringLiteral("Temp: ") + reading(temperature) + QStringLiteral("°C");
}

QString observedTemperatureAndHumidity(double temperature, double humidity)
{
    // Both values with one decimal keep the text at 28 characters or more, the length from
    // which the exception report converts the temperature and keeps the humidity part.
    return observedTemperature(temperature) + QStringLiteral(" and Humidity: ") +
           reading(humidity) + QLatin1Char('%');
}

QString observedTemperatureAndRh(double temperature, double humidity)
{
    return observedTemperature(temperature) + QStringLiteral(" and RH: ") + reading(humidity) +
           QLatin1Char('%');
}

QString observedRhAndTemperature(double humidity, double temperature)
{
    return QStringLiteral("RH: ") + reading(humidity) + QStringLiteral("% and ") +
           observedTemperature(temperature);
}

QString notCommunicating()
{
    return QStringLiteral("SENSOR NOT COMMUNICATING - CHECK SENSOR°C");
}

} // namespace kelvra::demo::text
