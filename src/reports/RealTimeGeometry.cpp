#include "reports/RealTimeGeometry.h"

#include "common/SensorFacts.h"
#include "common/SensorLimits.h"

#include <algorithm>
#include <cmath>

namespace kelvra::realtime {

namespace {

// Keeps a reading far off the scale a drawable integer.
constexpr double kFarOffset = 100000.0;

} // namespace

BarSpan barOfSlot(int slot)
{
    const int left = kFirstBarLeft + kSlotWidth * slot;
    return {left, left + kBarWidth};
}

int slotsOfType(QStringView sensorType)
{
    return sensorType == kHumiditySensorType ? 2 : 1;
}

QList<TileSlots> layoutTiles(const QStringList& sensorTypes)
{
    QList<TileSlots> tiles;
    tiles.reserve(sensorTypes.size());
    int slot = 0;
    for (const QString& type : sensorTypes) {
        TileSlots tile;
        tile.firstSlot = slot;
        tile.temperatureBar = barOfSlot(slot);
        tile.hasHumidityBar = slotsOfType(type) == 2;
        if (tile.hasHumidityBar)
            tile.humidityBar = barOfSlot(slot + 1);
        slot += slotsOfType(type);
        tiles.append(tile);
    }
    return tiles;
}

int surfaceWidth(const QStringList& sensorTypes)
{
    int slotCount = 0;
    for (const QString& type : sensorTypes)
        slotCount += slotsOfType(type);
    return kSlotWidth * slotCount;
}

Scale scaleAround(double expected, double deviation)
{
    return {expected,
            deviation,
            expected - deviation,
            expected + deviation,
            expected - 3 * deviation,
            expected + 3 * deviation};
}

Scale temperatureScale(double expectedCelsius, double deviationCelsius, bool fahrenheit)
{
    if (!fahrenheit)
        return scaleAround(expectedCelsius, deviationCelsius);
    return scaleAround(toFahrenheit(expectedCelsius), deviationCelsius * 1.8);
}

int valueLineY(const Scale& scale, double value)
{
    const double pixels = (scale.expected - value) * 100.0 / (scale.deviation * 4.0);
    if (scale.deviation == 0.0 || !std::isfinite(pixels)) {
        if (value > scale.expected)
            return kBarTop;
        if (value < scale.expected)
            return kBarBottom;
        return kBarCentre;
    }
    return kBarCentre + int(std::nearbyint(std::clamp(pixels, -kFarOffset, kFarOffset)));
}

QList<int> tickRows()
{
    QList<int> rows;
    for (int y = kBarTop; y < kBarBottom; y += kTickStep)
        rows.append(y);
    return rows;
}

BarColours temperatureBarColours(BarLook look)
{
    switch (look) {
    case BarLook::Reading:
        return {kClRed, kClBlue, kClGreen};
    case BarLook::ProbeFault:
        return {kClPurple, kClPurple, kClYellow};
    case BarLook::NoReading:
        break;
    }
    return {kClBlack, kClBlack, kClGray};
}

BarColours humidityBarColours()
{
    return {kClYellow, kClYellow, kClGreen};
}

} // namespace kelvra::realtime
