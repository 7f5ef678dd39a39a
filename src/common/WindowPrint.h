#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace kelvra {

class Dialogs;

// How a window's image is scaled on the page: stretched to fit the page keeping its shape,
// or at the size it has on the screen.
enum class PrintScale
{
    FitToPage,
    Proportional
};

// Where the image of `imageSize` pixels (at `screenDpi`) lands on a page of `page` dots (at
// `printerDpi`): centred at the top, never larger than the page.
QRect windowImageRect(QSize imageSize, int screenDpi, QRect page, int printerDpi, PrintScale scale);

// Prints the window's image on the default printer at once; a workstation without a default
// printer is asked for one. False when nothing was printed.
bool printWindowImage(QWidget& window, PrintScale scale, Dialogs& dialogs);

} // namespace kelvra
