#include "common/DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace kelvra {

bool SystemDesktopShell::openDocument(const QString& path)
{
    // The desktop opener starts in the background and reports nothing back, so a missing
    // file has to be caught here.
    if (!QFileInfo(path).isFile())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool SystemDesktopShell::startProgram(const QString& path)
{
    return QProcess::startDetached(path, {});
}

} // namespace kelvra
