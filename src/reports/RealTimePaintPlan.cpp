#include "reports/RealTimePaintPlan.h"

#include "common/NumberText.h"

namespace kelvra::realtime {

namespace {

// Texts right of the bar stand this far above their level; the value this far below its line.
constexpr int kScaleTextRise = 8;
constexpr int kValueTextDrop = 3;
constexpr int kScaleTextGap = 5;
constexpr int kStatusTextY = kBarBottom - 5;
constexpr QChar kDegree{u'°'};

void addBar(TilePaint& paint, const BarSpan& bar, const BarColours& colours)
{
    paint.boxes.append({bar.left, kBarTop, bar.right, kBarCentre, colours.upper});
    paint.boxes.append({bar.left, kBarCentre, bar.right, kBarBottom, colours.lower});
    paint.boxes.append({bar.left, kBandTop, bar.right, kBandBottom, colours.band});
}

void addTicks(TilePaint& paint, const BarSpan& bar)
{
    for (int y : tickRows())
        paint.lines.append({{bar.right + 1, y}, {bar.right + 3, y}, kClBlack, 2});
}

void addScaleTexts(TilePaint& paint, const BarSpan& bar, const QString& top, const QString& high,
                   const QString& low, const QString& bottom)
{
    const int x = bar.right + kScaleTextGap;
    paint.texts.append({{x, kBarTop - kScaleTextRise}, top});
    paint.texts.append({{x, kBandTop - kScaleTextRise}, high});
    paint.texts.append({{x, kBandBottom - kScaleTextRise}, low});
    paint.texts.append({{x, kBarBottom - kScaleTextRise}, bottom});
}

void addTemperatureBar(TilePaint& paint, const RealTimeTile& tile, const BarSpan& bar, QChar sign)
{
    addBar(paint, bar, temperatureBarColours(tile.barLook()));
    const std::optional<int> lineY = tile.temperatureLineY();
    if (lineY)
        paint.lines.append({{bar.left, *lineY}, {bar.right, *lineY}, kClWhite, 1});
    addTicks(paint, bar);
    if (lineY) {
        const Scale& s = tile.temperatureScale;
        const QString unit = QString(kDegree) + tile.unitLetter;
        paint.texts.append({{bar.left - 28, *lineY + kValueTextDrop},
                            formatAtMostOneDecimal(*tile.temperature, sign) + kDegree});
        addScaleTexts(paint, bar, formatAtMostOneDecimal(s.top, sign) + unit,
                      formatAtMostOneDecimal(s.high, sign) + kDegree,
                      formatAtMostOneDecimal(s.low, sign) + kDegree,
                      formatAtMostOneDecimal(s.bottom, sign) + unit);
    }
    if (tile.noReading && !tile.thermistor)
        paint.texts.append({{bar.right - 50, kStatusTextY}, kNoReadingText.toString()});
    if (tile.thermistor)
        paint.texts.append({{bar.right - 60, kStatusTextY}, kCheckThermistorText.toString()});
    if (tile.noCurrentRead)
        paint.texts.append({{bar.right - 60, kStatusTextY}, kNoCurrentReadText.toString()});
}

void addHumidityBar(TilePaint& paint, const RealTimeTile& tile, const BarSpan& bar, QChar sign)
{
    addBar(paint, bar, humidityBarColours());
    const std::optional<int> lineY = tile.humidityLineY();
    if (lineY)
        paint.lines.append({{bar.left, *lineY}, {bar.right, *lineY}, kClBlack, 1});
    addTicks(paint, bar);
    if (lineY)
        paint.texts.append({{bar.left - 29, *lineY + kValueTextDrop},
                            formatOneDecimalOrEmpty(*tile.humidity, sign) + "%"});
    const Scale& s = *tile.humidityScale;
    const int x = bar.right + kScaleTextGap;
    paint.texts.append({{x, kBarTop - kScaleTextRise}, QStringLiteral("100%")});
    paint.texts.append(
        {{x, kBandTop - kScaleTextRise}, formatOneDecimalOrEmpty(s.high, sign) + "%"});
    paint.texts.append(
        {{x, kBandBottom - kScaleTextRise}, formatOneDecimalOrEmpty(s.low, sign) + "%"});
    if (tile.noReading)
        paint.texts.append({{bar.right - 50, kStatusTextY}, kNoReadingText.toString()});
    else
        paint.texts.append({{x, kBarBottom - kScaleTextRise}, QStringLiteral("0%")});
}

} // namespace

TilePaint paintTile(const RealTimeTile& tile, const TileSlots& place, QChar decimalSign)
{
    TilePaint paint;
    if (!tile.isRead())
        return paint;
    addTemperatureBar(paint, tile, place.temperatureBar, decimalSign);
    if (tile.hasHumidityBar() && place.hasHumidityBar)
        addHumidityBar(paint, tile, place.humidityBar, decimalSign);
    return paint;
}

} // namespace kelvra::realtime
