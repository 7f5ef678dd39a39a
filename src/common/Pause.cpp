#include "common/Pause.h"

#include <QThread>

namespace kelvra {

void SleepPause::wait(int milliseconds)
{
    if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace kelvra
