#pragma once

#include <QChar>
#include <QStringView>

#include <array>
#include <optional>

// The stored day text OBS_DATA: a leading part ended by ':', then up to 24 hour cells
// separated by '|'; each cell is split on '^' into parts numbered from 1. Missing and empty
// cells mean an hour without reading. Every function hands back views into the given text.
namespace kelvra {

inline constexpr int kHoursPerDay = 24;
inline constexpr QChar kCellSeparator{u'|'};
inline constexpr QChar kPartSeparator{u'^'};
inline constexpr QChar kLeadingPartEnd{u':'};
// "TRH" cells of this length or more are the long ones of the screens' length rules.
inline constexpr qsizetype kLongHumidityCellLength = 23;

using HourCells = std::array<QStringView, kHoursPerDay>;

// The cell of hour 0..23 as stored: hour 0 still carries the leading part.
QStringView rawHourCell(QStringView obsData, int hour);
// A cell holding ':' is replaced by the text between its first and second ':'
// ("x:21.5^55" gives "21.5^55", "21.5:" gives an empty cell).
QStringView withoutColonPrefix(QStringView cell);

// Cells split first, then each one without its colon prefix.
QStringView hourCell(QStringView obsData, int hour);
// The same for all hours in one pass.
HourCells hourCells(QStringView obsData);

// The leading part removed first: the text between the first and second ':' is split into
// cells, so a day text without ':' has no cells at all.
QStringView cellsAfterLeadingPart(QStringView obsData);
HourCells hourCellsAfterLeadingPart(QStringView obsData);

// Part 1.. of a cell split on '^'; empty when missing.
QStringView cellPart(QStringView cell, int part);

// Part 1, the temperature in degrees Celsius as stored.
QStringView temperatureText(QStringView cell);
// Part 1 read as a number; none when it is empty or not a decimal text.
std::optional<double> temperatureReading(QStringView cell, QChar decimalSign);

// The humidity of a "TRH" cell as stored: part 3 when part 2 is a temperature exception record
// (it begins with '#'), part 2 otherwise. Unlike the cell's length, this holds for all forms:
// T^RH, T^#rec^RH, T^RH^@rec and T^#rec^RH^@rec.
QStringView humidityReading(QStringView cell);
// The humidity exception record of a "TRH" cell: the part after the humidity, when it begins
// with '@'; empty otherwise.
QStringView humidityRecord(QStringView cell);
bool isLongHumidityCell(QStringView cell);

} // namespace kelvra
