#include "common/Session.h"

#include "common/AccessList.h"

namespace kelvra {

Session::Session(const Clock& clock) : m_clock(clock) {}

bool Session::hasAccess(const QString& accessName) const
{
    return accessListGrants(m_accessList, accessName);
}

void Session::StampActivity()
{
    m_lastActivityStamp = hhmm(m_clock.now().time());
}

} // namespace kelvra
