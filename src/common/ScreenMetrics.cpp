#include "common/ScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>

namespace kelvra {

QSize PrimaryScreenMetrics::screenSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

} // namespace kelvra
