#include "common/ObservationText.h"

#include "common/DecimalText.h"
#include "common/ExceptionRecord.h"
#include "common/FieldText.h"

namespace kelvra {

namespace {

// The fields of text split on '|', as GetField gives them, for fields 1 to 24.
template <typename EachCell> HourCells splitCells(QStringView text, EachCell eachCell)
{
    HourCells cells{};
    if (text.isEmpty())
        return cells;
    qsizetype start = 0;
    for (int hour = 0; hour < kHoursPerDay; ++hour) {
        qsizetype end = nextSeparator(text, kCellSeparator, start);
        if (end < 0)
            end = text.size();
        cells[hour] = eachCell(text.sliced(start, end - start));
        if (end == text.size())
            break;
        start = end + 1;
    }
    return cells;
}

bool isHour(int hour)
{
    return hour >= 0 && hour < kHoursPerDay;
}

} // namespace

QStringView rawHourCell(QStringView obsData, int hour)
{
    return isHour(hour) ? fieldView(obsData, kCellSeparator, hour + 1) : QStringView();
}

QStringView withoutColonPrefix(QStringView cell)
{
    return nextSeparator(cell, kLeadingPartEnd, 0) >= 0 ? fieldView(cell, kLeadingPartEnd, 2)
                                                        : cell;
}

QStringView hourCell(QStringView obsData, int hour)
{
    return withoutColonPrefix(rawHourCell(obsData, hour));
}

HourCells hourCells(QStringView obsData)
{
    return splitCells(obsData, withoutColonPrefix);
}

QStringView cellsAfterLeadingPart(QStringView obsData)
{
    return fieldView(obsData, kLeadingPartEnd, 2);
}

HourCells hourCellsAfterLeadingPart(QStringView obsData)
{
    return splitCells(cellsAfterLeadingPart(obsData), [](QStringView cell) { return cell; });
}

QStringView cellPart(QStringView cell, int part)
{
    return fieldView(cell, kPartSeparator, part);
}

QStringView temperatureText(QStringView cell)
{
    return cellPart(cell, 1);
}

std::optional<double> temperatureReading(QStringView cell, QChar decimalSign)
{
    const QStringView text = temperatureText(cell);
    if (text.isEmpty())
        return std::nullopt;
    return parseDecimal(text, decimalSign);
}

QStringView humidityReading(QStringView cell)
{
    const QStringView second = cellPart(cell, 2);
    return second.startsWith(kTemperatureMark) ? cellPart(cell, 3) : second;
}

QStringView humidityRecord(QStringView cell)
{
    const bool hasTemperatureRecord = cellPart(cell, 2).startsWith(kTemperatureMark);
    return markedRecord(cellPart(cell, hasTemperatureRecord ? 4 : 3), kHumidityMark);
}

bool isLongHumidityCell(QStringView cell)
{
    return cell.size() >= kLongHumidityCellLength;
}

} // namespace kelvra
