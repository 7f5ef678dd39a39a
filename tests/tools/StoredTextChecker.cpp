#include "StoredTextChecker.h"

#include "common/AccessList.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringList>
#include <QTime>

#include <algorithm>
#include <tuple>

namespace kelvra::test {

namespace {

const QRegularExpression& temperatureReading()
{
    static const QRegularExpression re(QStringLiteral(R"(^-?\d{1,3}\.\d$)"));
    return re;
}

const QRegularExpression& humidityReading()
{
    static const QRegularExpression re(QStringLiteral(R"(^\d{1,3}\.\d$)"));
    return re;
}

QString rangeProblem(double value, double low, double high, bool hasRecord, const QString& what)
{
    if ((value < low || value > high) && !hasRecord)
        return what + QStringLiteral(" reading out of range without a record");
    return QString();
}

QString recordInRange(const QString& record, double low, double high)
{
    const double value = record.mid(1, record.size() - 8).toDouble();
    if (value >= low && value <= high)
        return QStringLiteral("record value within the range: ") + record;
    return QString();
}

QString checkTemperatureCell(const QString& cell, const QStringList& parts,
                             const SensorLimits& limits, int hour, QList<FoundRecord>* records)
{
    if (parts.size() > 3)
        return QStringLiteral("a T/THS cell has 1 to 3 parts");
    if (!temperatureReading().match(parts[0]).hasMatch())
        return QStringLiteral("bad reading ") + parts[0];
    const double reading = parts[0].toDouble();
    if (parts.size() == 1)
        return rangeProblem(reading, limits.low, limits.high, false, QStringLiteral("temperature"));
    // The record is part 3, after a short note that may be empty. Only the hourly and monthly
    // logs take part 2 instead, and only from a cell shorter than 14 characters, so a record
    // in part 2 is one only in such a cell.
    const bool recordInPart2 = parts.size() == 2 && parts[1].startsWith(QLatin1Char('#'));
    if (recordInPart2 && cell.size() >= 14)
        return QStringLiteral("a record in part 2 of a cell of 14 characters or more");
    if (!recordInPart2 && (parts[1].size() > 8 || parts[1].startsWith(QLatin1Char('#')) ||
                           (parts.size() == 2 && parts[1].isEmpty())))
        return QStringLiteral("part 2 must be a short note");
    if (parts.size() == 2 && !recordInPart2)
        return rangeProblem(reading, limits.low, limits.high, false, QStringLiteral("temperature"));
    const QString record = recordInPart2 ? parts[1] : parts[2];
    if (QString e = checkExceptionRecord(record, QLatin1Char('#'), hour); !e.isEmpty())
        return e;
    if (QString e = recordInRange(record, limits.low, limits.high); !e.isEmpty())
        return e;
    if (records)
        records->append({QLatin1Char('#'), record.mid(1, record.size() - 8), int(record.size())});
    return QString();
}

QString checkHumidityCell(const QString& cell, const QStringList& parts, const SensorLimits& limits,
                          int hour, QList<FoundRecord>* records)
{
    QString temperatureRecord, humidity, humidityRecord;
    int form = 0;
    const auto startsWith = [&](int i, char mark) {
        return parts.size() > i && parts[i].startsWith(QLatin1Char(mark));
    };
    if (parts.size() == 2 && !startsWith(1, '#')) {
        form = 1;
        humidity = parts[1];
    } else if (parts.size() == 3 && startsWith(1, '#') && !startsWith(2, '@')) {
        form = 2;
        temperatureRecord = parts[1];
        humidity = parts[2];
    } else if (parts.size() == 3 && !startsWith(1, '#') && startsWith(2, '@')) {
        form = 3;
        humidity = parts[1];
        humidityRecord = parts[2];
    } else if (parts.size() == 4 && startsWith(1, '#') && startsWith(3, '@')) {
        form = 4;
        temperatureRecord = parts[1];
        humidity = parts[2];
        humidityRecord = parts[3];
    } else {
        return QStringLiteral("not one of the four TRH forms");
    }
    // Readers that cannot see the form go by length: form 4 is always long (23 characters or
    // more), forms 2 and 3 are long once temperature, humidity and record value together
    // exceed 12 characters.
    if (form == 4 && cell.size() < 23)
        return QStringLiteral("TRH form 4 of %1 characters is read as short").arg(cell.size());
    if (!temperatureReading().match(parts[0]).hasMatch())
        return QStringLiteral("bad reading ") + parts[0];
    if (!humidityReading().match(humidity).hasMatch())
        return QStringLiteral("bad humidity ") + humidity;
    for (const auto& [record, mark, low, high] :
         {std::tuple{temperatureRecord, QLatin1Char('#'), limits.low, limits.high},
          std::tuple{humidityRecord, QLatin1Char('@'), limits.rhLow, limits.rhHigh}}) {
        if (record.isEmpty())
            continue;
        if (QString e = checkExceptionRecord(record, mark, hour); !e.isEmpty())
            return e;
        if (QString e = recordInRange(record, low, high); !e.isEmpty())
            return e;
        if (records)
            records->append({mark, record.mid(1, record.size() - 8), int(record.size())});
    }
    if (QString e = rangeProblem(parts[0].toDouble(), limits.low, limits.high,
                                 !temperatureRecord.isEmpty(), QStringLiteral("temperature"));
        !e.isEmpty())
        return e;
    return rangeProblem(humidity.toDouble(), limits.rhLow, limits.rhHigh, !humidityRecord.isEmpty(),
                        QStringLiteral("humidity"));
}

bool validDate(int year, int month, int day)
{
    return QDate(year, month, day).isValid();
}

} // namespace

QString notCommunicatingText()
{
    return QStringLiteral("SENSOR NOT COMMUNICATING - CHECK SENSOR") + QChar(0x00B0) +
           QLatin1Char('C');
}

QString checkExceptionRecord(const QString& record, QChar mark, int hour)
{
    static const QRegularExpression shape(
        QStringLiteral(R"(^([#@])(-?\d{1,3}(?:\.\d{1,2})?)-(\d\d)(\d\d)(\d\d)$)"));
    const auto m = shape.match(record);
    if (!m.hasMatch())
        return QStringLiteral("not a record: ") + record;
    if (record[0] != mark)
        return QStringLiteral("record without its mark ") + mark + QStringLiteral(": ") + record;
    const QString value = m.captured(2);
    if (value.size() < 1 || value.size() > 6)
        return QStringLiteral("record value of %1 characters").arg(value.size());
    // The length rule the screens cut by: value = characters 2 to L-7, time = the last six.
    const int length = int(record.size());
    if (length != 8 + value.size())
        return QStringLiteral("record length is not 8 + value length");
    if (record.mid(1, length - 8) != value || record.mid(length - 6, 2) != m.captured(3) ||
        record.mid(length - 4, 2) != m.captured(4) || record.mid(length - 2, 2) != m.captured(5))
        return QStringLiteral("pieces not where the length rule finds them");
    if (m.captured(3).toInt() != hour)
        return QStringLiteral("record time %1 outside hour %2").arg(m.captured(3)).arg(hour);
    if (m.captured(4).toInt() > 59 || m.captured(5).toInt() > 59)
        return QStringLiteral("record time is not a time");
    return QString();
}

QString checkHourCell(const QString& cell, const SensorLimits& limits, int hour,
                      QList<FoundRecord>* records)
{
    if (cell.contains(QLatin1Char(':')) || cell.contains(QLatin1Char('|')))
        return QStringLiteral("a cell holds ':' or '|'");
    if (cell.isEmpty())
        return QString();
    const QStringList parts = cell.split(QLatin1Char('^'));
    if (limits.type == QLatin1String("TRH"))
        return checkHumidityCell(cell, parts, limits, hour, records);
    if (limits.type == QLatin1String("T") || limits.type == QLatin1String("THS"))
        return checkTemperatureCell(cell, parts, limits, hour, records);
    return QStringLiteral("unknown sensor type ") + limits.type;
}

QStringList hourCells(const QString& dayText)
{
    const int colon = int(dayText.indexOf(QLatin1Char(':')));
    return (colon < 0 ? dayText : dayText.mid(colon + 1)).split(QLatin1Char('|'));
}

QString checkDayText(const QString& text, const SensorLimits& limits, QList<FoundRecord>* records,
                     int* cellCount)
{
    const int colon = int(text.indexOf(QLatin1Char(':')));
    if (colon >= 0 && text.left(colon).contains(QLatin1Char('|')))
        return QStringLiteral("the leading part holds '|'");
    const QStringList cells = hourCells(text);
    if (cells.size() > 24)
        return QStringLiteral("%1 cells").arg(cells.size());
    if (cellCount)
        *cellCount = int(cells.size());
    for (int hour = 0; hour < cells.size(); ++hour)
        if (QString e = checkHourCell(cells[hour], limits, hour, records); !e.isEmpty())
            return QStringLiteral("hour %1 (%2): %3").arg(hour).arg(cells[hour], e);
    return QString();
}

QString checkAverages(const QString& text, const QString& type)
{
    // A day the collector wrote no average for.
    if (text.isEmpty())
        return QString();
    static const QRegularExpression withoutHumidity(QStringLiteral(R"(^-?\d{1,3}\.\d\^$)"));
    static const QRegularExpression withHumidity(QStringLiteral(R"(^\d{1,3}\.\d\^\d{1,3}$)"));
    const auto& re = type == QLatin1String("TRH") ? withHumidity : withoutHumidity;
    return re.match(text).hasMatch() ? QString() : QStringLiteral("bad averages ") + text;
}

QString checkLastObs(const QString& text, int error)
{
    static const QRegularExpression time(QStringLiteral(R"(^([01]\d|2[0-3]):[0-5]\d:[0-5]\d$)"));
    static const QRegularExpression reading(QStringLiteral(R"(^(\d{1,3}\.\d|\(\d{1,3}\.\d\))$)"));
    const QStringList fields = text.split(QLatin1Char('-'));
    if (fields.size() < 3)
        return QStringLiteral("LAST_OBS needs three '-' fields: ") + text;
    if (!time.match(fields[1]).hasMatch())
        return QStringLiteral("LAST_OBS field 2 is not a time: ") + text;
    if (error == 1) {
        bool isNumber = false;
        fields[0].toDouble(&isNumber);
        if (fields[0].isEmpty() || isNumber)
            return QStringLiteral("a fault's LAST_OBS needs a fault text: ") + text;
    } else if (!reading.match(fields[0]).hasMatch()) {
        return QStringLiteral("LAST_OBS field 1 is not a reading: ") + text;
    }
    return QString();
}

QString checkSignOut(const QString& acceptedBy, const QString& signTime)
{
    if (acceptedBy.isEmpty())
        return signTime.isEmpty() ? QString() : QStringLiteral("sign time without a signer");
    static const QRegularExpression re(
        QStringLiteral(R"(^(\d\d)-(\d\d)-(\d{4}) - (\d\d):(\d\d):(\d\d)$)"));
    const auto m = re.match(signTime);
    if (!m.hasMatch() ||
        !validDate(m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt()) ||
        !QTime(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt()).isValid())
        return QStringLiteral("bad sign time ") + signTime;
    return QString();
}

QString checkObserved(const QString& actual, const QString& type)
{
    if (actual == notCommunicatingText())
        return QString();
    const QString degrees = QString(QChar(0x00B0)) + QLatin1Char('C');
    const QString temperature = QStringLiteral(R"(Temp: -?\d{1,3}\.\d)") + degrees;
    const QString humidity = QStringLiteral(R"(\d{1,3}\.\d%)");
    static const QRegularExpression temperatureOnly(QLatin1Char('^') + temperature +
                                                    QLatin1Char('$'));
    // The exception report converts a TRH text by its length; these wordings cover them all.
    static const QList<QRegularExpression> trh{
        QRegularExpression(QLatin1Char('^') + temperature + QStringLiteral(" and Humidity: ") +
                           humidity + QLatin1Char('$')),
        QRegularExpression(QLatin1Char('^') + temperature + QStringLiteral(" and RH: ") + humidity +
                           QLatin1Char('$')),
        QRegularExpression(QStringLiteral("^RH: ") + humidity + QStringLiteral(" and ") +
                           temperature + QLatin1Char('$')),
    };
    if (type == QLatin1String("TRH")) {
        const bool known = std::any_of(trh.begin(), trh.end(), [&](const QRegularExpression& re) {
            return re.match(actual).hasMatch();
        });
        return known ? QString() : QStringLiteral("bad TRH event text ") + actual;
    }
    return temperatureOnly.match(actual).hasMatch() ? QString()
                                                    : QStringLiteral("bad event text ") + actual;
}

QString checkChangeStamp(const QString& text)
{
    static const QRegularExpression re(
        QStringLiteral(R"(^(\d\d)/(\d\d)/(\d{4}) (\d\d):(\d\d) (\S+)$)"));
    const auto m = re.match(text);
    if (!m.hasMatch() ||
        !validDate(m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt()) ||
        !QTime(m.captured(4).toInt(), m.captured(5).toInt()).isValid())
        return QStringLiteral("bad change stamp ") + text;
    return QString();
}

QString checkAccessList(const QString& text)
{
    const QStringList& names = allAccessNames();
    if (!text.endsWith(QStringLiteral("\r\n")))
        return QStringLiteral("access list lines end with CR LF");
    for (const QString& line : text.chopped(2).split(QStringLiteral("\r\n")))
        if (!names.contains(line))
            return QStringLiteral("unknown access name ") + line;
    return QString();
}

} // namespace kelvra::test
