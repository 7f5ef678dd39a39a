#include "common/DateText.h"

#include <QLocale>

namespace kelvra {

QString dayKey(QDate day)
{
    return QLocale::c().toString(day, kDayKeyPattern);
}

QString monthKey(QDate day)
{
    return dayKey(day).left(6);
}

QString usDate(QDate day)
{
    return QLocale::c().toString(day, kUsDatePattern);
}

QString minuteStamp(const QDateTime& at)
{
    return QLocale::c().toString(at, kMinuteStampPattern);
}

QString changeStamp(const QDateTime& at, const QString& userId)
{
    return minuteStamp(at) + QLatin1Char(' ') + userId;
}

QString dashedMinuteStamp(const QDateTime& at)
{
    return QLocale::c().toString(at, kDashedMinuteStampPattern);
}

} // namespace kelvra
