#include "reports/RealTimeModel.h"

#include "common/DateText.h"
#include "common/DecimalText.h"
#include "common/FieldText.h"
#include "common/NumberText.h"
#include "common/ObservationText.h"
#include "common/SensorFacts.h"
#include "common/SensorLimits.h"
#include "reports/RealTimeHour.h"

namespace kelvra::realtime {

namespace {

constexpr qsizetype kShownLocationLength = 13;
constexpr QChar kLastObsSeparator{u'-'};

QColor rangeColour(double value, const Scale& scale)
{
    switch (rangePosition(value, Limits{scale.low, scale.high})) {
    case RangePosition::Below:
        return kClBlue;
    case RangePosition::Above:
        return kClRed;
    case RangePosition::Within:
        break;
    }
    return kClGreen;
}

TileState stateOf(double value, const Scale& scale)
{
    switch (rangePosition(value, Limits{scale.low, scale.high})) {
    case RangePosition::Below:
        return TileState::Below;
    case RangePosition::Above:
        return TileState::Above;
    case RangePosition::Within:
        break;
    }
    return TileState::InRange;
}

} // namespace

BarLook RealTimeTile::barLook() const
{
    if (thermistor)
        return BarLook::ProbeFault;
    return noReading ? BarLook::NoReading : BarLook::Reading;
}

std::optional<int> RealTimeTile::temperatureLineY() const
{
    if (!isRead() || noReading || !temperature)
        return std::nullopt;
    return valueLineY(temperatureScale, *temperature);
}

std::optional<int> RealTimeTile::humidityLineY() const
{
    if (!isRead() || !humidity || !humidityScale)
        return std::nullopt;
    return valueLineY(*humidityScale, *humidity);
}

RealTimeRefresh::RealTimeRefresh(const QList<ListedSensor>& sensors, RefreshSettings settings)
    : m_settings(std::move(settings)), m_progressMaximum(int(sensors.size()))
{
    m_tiles.reserve(sensors.size());
    for (const ListedSensor& sensor : sensors) {
        RealTimeTile tile;
        tile.sensor = sensor;
        m_tiles.append(tile);
    }
}

QList<ListedSensor> RealTimeRefresh::sensors() const
{
    QList<ListedSensor> list;
    list.reserve(m_tiles.size());
    for (const RealTimeTile& tile : m_tiles)
        list.append(tile.sensor);
    return list;
}

void RealTimeRefresh::failQuery()
{
    if (!ended())
        m_end = RefreshEnd::QueryFailed;
}

bool RealTimeRefresh::add(const SensorReadout& readout)
{
    if (ended())
        return false;
    if (!readout.sensor) {
        m_end = RefreshEnd::SensorRecordsNotFound;
        return false;
    }
    const SensorLimitsRow& row = *readout.sensor;
    // Everything is decided on a copy: a tile the refresh does not finish stays blank.
    RealTimeTile tile = m_tiles[m_next];
    tile.temperatureScale =
        temperatureScale(row.expectedValue, row.maxDeviation, m_settings.fahrenheit);
    tile.alarm = row.alarm;
    tile.unitLetter = m_settings.fahrenheit ? u'F' : u'C';
    if (row.type == kHumiditySensorType)
        tile.humidityScale = scaleAround(row.rhExpected, row.rhMaxDeviation);
    tile.idLabel = {QStringLiteral("Sensor ID:  ") + tile.sensor.id, kClBlack};

    if (!readout.today) {
        tile.state = TileState::NoReading;
        tile.noReading = true;
        tile.temperatureLabel = {QStringLiteral("Temp: N/A"), kClBlack};
        tile.locationLabel = {tile.sensor.location, kClBlack};
        if (tile.hasHumidityBar()) {
            tile.humidityLabel = {QStringLiteral("RH: N/A"), kClBlack};
            tile.humidityLabelY = kTemperatureLabelY;
        }
        --m_progressMaximum;
    } else if (readout.today->error == 1) {
        tile.state = TileState::ProbeFault;
        tile.noReading = true;
        tile.thermistor = true;
        tile.temperatureLabel = {QStringLiteral("Thermistor Error"), kClBlack};
        tile.locationLabel = {tile.sensor.location, kClBlack};
        tile.timeLabel = {"Time: " + GetField(readout.today->lastObs, kLastObsSeparator, 1),
                          kClBlack};
        --m_progressMaximum;
    } else {
        if (!readout.today->obsDataReadable) {
            m_end = RefreshEnd::CheckBackLater;
            return false;
        }
        fillFromRow(tile, *readout.today);
    }
    m_tiles[m_next++] = tile;
    return !ended();
}

void RealTimeRefresh::fillFromRow(RealTimeTile& tile, const TodayRow& row)
{
    const QChar sign = m_settings.decimalSign;
    const int index = hourIndex(m_settings.now.time(), m_settings.branch,
                                m_settings.workstationZone, m_settings.chosenZone);
    const QStringView cell = hourText(row.obsData, index);
    m_lastRefresh = QStringLiteral("TIME OF LAST REFRESH: ") + minuteStamp(m_settings.now);

    const QString unit =
        QStringLiteral("°") +
        unitLetter(m_settings.fahrenheit ? TemperatureUnit::Fahrenheit : TemperatureUnit::Celsius);
    if (const std::optional<double> celsius = temperatureReading(cell, sign)) {
        tile.temperature = m_settings.fahrenheit ? toFahrenheit(*celsius) : *celsius;
        tile.state = stateOf(*tile.temperature, tile.temperatureScale);
        tile.temperatureLabel = {"Temp: " + formatAtMostOneDecimal(*tile.temperature, sign) + unit,
                                 rangeColour(*tile.temperature, tile.temperatureScale)};
    } else {
        tile.state = TileState::NoCurrentRead;
        tile.noCurrentRead = true;
        tile.noReading = true;
        tile.temperatureLabel = {QStringLiteral("Temp: N/A"), kClBlack};
    }
    tile.showAlarm = tile.alarm == -1;
    tile.sensor.location = tile.sensor.location.left(kShownLocationLength);
    tile.locationLabel = {tile.sensor.location, kClBlack};
    tile.timeLabel = {"Time: " + GetField(row.lastObs, kLastObsSeparator, 2), kClBlack};

    if (tile.hasHumidityBar()) {
        tile.humidityLabelY = kIdLabelY;
        if (const std::optional<double> humidity = parseDecimal(humidityReading(cell), sign)) {
            tile.humidity = *humidity;
            tile.humidityLabel = {"RH: " + formatGeneral(*humidity, sign) + "%",
                                  rangeColour(*humidity, *tile.humidityScale)};
        } else {
            tile.humidityLabel = {QStringLiteral("RH: N/A"), kClBlack};
        }
    }
}

} // namespace kelvra::realtime
