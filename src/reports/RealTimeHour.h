#pragma once

#include "data/BranchStatement.h"

#include <QChar>
#include <QString>
#include <QStringView>
#include <QTime>
#include <QTimeZone>

// Which hour cell of today's row the real-time screen shows.
namespace kelvra::realtime {

// The zone letter of a workstation in one of the four US standard-time zones ('E', 'C', 'M',
// 'P'); a null character for any other zone, which then makes no shift.
QChar workstationZoneLetter(const QTimeZone& zone);

// The hour index: the current hour + 1; on the SQL Server branch shifted by the rank of the
// workstation's zone minus the rank of the chosen one ("EST", "CST", "MST", "PST"). The
// MySQL branch makes no shift.
int hourIndex(QTime now, Branch branch, QChar workstationZone, QStringView chosenZone);

// Field `index` of the day text split on '|', or field index - 1 when that is empty, then
// without its colon prefix.
QStringView hourText(QStringView obsData, int index);

} // namespace kelvra::realtime
