#include "reports/RealTimeHour.h"

#include "common/FieldText.h"
#include "common/ObservationText.h"

namespace kelvra::realtime {

namespace {

// Eastern, Central, Mountain, Pacific: the rank is the position.
constexpr QStringView kZoneLetters = u"ECMP";

int zoneRank(QChar letter)
{
    return int(kZoneLetters.indexOf(letter));
}

} // namespace

QChar workstationZoneLetter(const QTimeZone& zone)
{
    // The Windows name of a zone is the name of its standard time.
    const QString name = QString::fromLatin1(QTimeZone::ianaIdToWindowsId(zone.id()));
    static const QStringList usZones{"Eastern Standard Time", "Central Standard Time",
                                     "Mountain Standard Time", "Pacific Standard Time"};
    return usZones.contains(name) ? name.front() : QChar();
}

int hourIndex(QTime now, Branch branch, QChar workstationZone, QStringView chosenZone)
{
    int index = now.hour() + 1;
    if (branch == Branch::MySql || chosenZone.isEmpty())
        return index;
    const QChar chosen = chosenZone.front();
    const int workstationRank = zoneRank(workstationZone);
    const int chosenRank = zoneRank(chosen);
    if (chosen != workstationZone && workstationRank >= 0 && chosenRank >= 0)
        index += workstationRank - chosenRank;
    return index;
}

QStringView hourText(QStringView obsData, int index)
{
    QStringView cell = fieldView(obsData, kCellSeparator, index);
    if (cell.isEmpty())
        cell = fieldView(obsData, kCellSeparator, index - 1);
    return withoutColonPrefix(cell);
}

} // namespace kelvra::realtime
