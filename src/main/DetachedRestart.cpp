#include "main/DetachedRestart.h"

#include "main/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace kelvra {

bool DetachedRestart::restart()
{
    m_startup.release();
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), {},
                                   QDir::currentPath());
}

} // namespace kelvra
