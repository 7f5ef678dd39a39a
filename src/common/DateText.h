#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>

// The fixed date texts of the system: stored keys, change stamps and the stamps shown on
// screens. They are written with the C locale, so the workstation's regional settings never
// change them. Qt patterns of the original Delphi ones ("mm" month, "nn" minute).
namespace kelvra {

// "yyyymmdd": the OBSERVATIONS day key.
inline constexpr QStringView kDayKeyPattern = u"yyyyMMdd";
// "mm/dd/yyyy".
inline constexpr QStringView kUsDatePattern = u"MM/dd/yyyy";
// "mm/dd/yyyy hh:nn": change stamps and refresh times.
inline constexpr QStringView kMinuteStampPattern = u"MM/dd/yyyy hh:mm";
// "mm/dd/yyyy - hh:mm": the stamp of saved connection settings.
inline constexpr QStringView kDashedMinuteStampPattern = u"MM/dd/yyyy - hh:mm";

QString dayKey(QDate day);
// The year and month of a day key, "yyyymm"; a month is selected with it followed by "%".
QString monthKey(QDate day);

QString usDate(QDate day);
QString minuteStamp(const QDateTime& at);
// A change stamp: the minute stamp, a blank and the user ID.
QString changeStamp(const QDateTime& at, const QString& userId);
QString dashedMinuteStamp(const QDateTime& at);

} // namespace kelvra
