#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>

// The text formats in which the collector stores readings, dates and events. Every function
// writes one piece exactly as the desktop screens decode it.
namespace kelvra::demo::text {

QString dayKey(QDate day);                                       // yyyymmdd
QString usDate(QDate day);                                       // mm/dd/yyyy
QString clockTime(QTime time);                                   // hh:mm:ss
QString signTime(const QDateTime& at);                           // mm-dd-yyyy - hh:mm:ss
QString changeStamp(const QDateTime& at, const QString& userId); // mm/dd/yyyy hh:nn USERID

// A reading with one decimal ("21.5", "-3.2", never "-0.0").
QString reading(double value);
// An exception value with 0, 1 or 2 decimals ("9", "12.5", "-12.35").
QString exceptionValue(double value, int decimals);

// mark ('#' temperature, '@' humidity), value, '-', hhmmss.
QString exceptionRecord(QChar mark, const QString& value, QTime at);

// A "T" or "THS" hour cell: the reading, or reading^note^record when the hour has a record
// (an empty note gives reading^^record).
QString temperatureCell(const QString& reading, const QString& note, const QString& record);
// reading^record: only the hourly and monthly logs find the record there, and only while the
// whole cell is shorter than 14 characters.
QString temperatureCellWithRecordInPart2(const QString& reading, const QString& record);
// A "TRH" hour cell in one of its four forms: T^RH, T^#rec^RH, T^RH^@rec, T^#rec^RH^@rec.
QString humidityCell(const QString& reading, const QString& tempRecord, const QString& humidity,
                     const QString& humidityRecord);
// The day text: leading part, ':', cells joined by '|'. A null leading part leaves out the ':'.
QString dayText(const QString& leading, const QStringList& cells);

// "avgT^avgRH"; the humidity part is empty for sensors without humidity and a whole
// number otherwise (the sign-out window's field takes three characters).
QString averages(double temperature, std::optional<double> humidity);

// reading-hh:mm:ss-status. Field 1 must hold no '-', so a negative reading is written in
// parentheses; a probe fault puts its fault text there instead.
QString lastObsReading(double value);
QString lastObservation(const QString& first, QTime at, const QString& status);

// CALL_EVENT.ACTUAL texts. The exception report converts a "TRH" text to Fahrenheit by its
// length, so the wordings give different lengths on purpose.
QString observedTemperature(double temperature);
// 28 characters or more: converted, the humidity part kept.
QString observedTemperatureAndHumidity(double temperature, double humidity);
// Temp: t°C and RH: h%, 24 to 28 characters: at 25 and 26 converted with the humidity part
// dropped, at 27 (or 24) left in Celsius.
QString observedTemperatureAndRh(double temperature, double humidity);
// RH: h% and Temp: t°C: a text that does not start with "T" is never converted.
QString observedRhAndTemperature(double humidity, double temperature);
QString notCommunicating();

} // namespace kelvra::demo::text
