#include "common/Clock.h"

namespace kelvra {

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

} // namespace kelvra
