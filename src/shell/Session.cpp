#include "shell/Session.h"

#include "shell/AccessList.h"

namespace kelvra {

Session::Session(const Clock& clock) : m_clock(clock) {}

const Clock& Session::systemClock()
{
    static const SystemClock clock;
    return clock;
}

bool Session::hasAccess(const QString& accessName) const
{
    return accessListGrants(m_accessList, accessName);
}

void Session::StampActivity()
{
    m_lastActivityStamp = hhmm(m_clock.now().time());
}

} // namespace kelvra
