#include "common/Session.h"

#include "common/AccessList.h"

namespace kelvra {

Session::Session(const Clock& clock) : m_clock(clock) {}

bool Session::hasAccess(const QString& accessName) const
{
    return accessListGrants(m_accessList, accessName);
}

qint64 Session::minuteOf(const QDateTime& moment)
{
    const qint64 seconds = moment.toSecsSinceEpoch();
    // Whole minutes, also before the epoch.
    return seconds >= 0 ? seconds / 60 : -((-seconds + 59) / 60);
}

void Session::StampActivity()
{
    m_lastActivityStamp = minuteOf(m_clock.now());
}

bool Session::idleTooLong() const
{
    return minuteOf(m_clock.now()) - m_lastActivityStamp > idleLimitMinutes;
}

} // namespace kelvra
