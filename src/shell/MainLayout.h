#pragma once

#include <QHash>
#include <QPoint>
#include <QSize>
#include <QString>

namespace kelvra {

// Where the backdrop controls go when the main window has width w and height h, given each
// control's size. Divisions round towards zero.
QHash<QString, QPoint> backdropPositions(int w, int h, const QHash<QString, QSize>& sizes);

// The window size set when the main window is created, before it is maximised.
struct MainWindowSize
{
    QSize initial;
    QSize maximum;
    QSize minimum;
};
MainWindowSize mainWindowSize(QSize screen);

// Centred in a w by h window.
QPoint centredIn(int w, int h, QSize size);
// The sign-on panel: centred across, its middle at one third of the height.
QPoint signOnPanelPosition(int w, int h, QSize size);

} // namespace kelvra
