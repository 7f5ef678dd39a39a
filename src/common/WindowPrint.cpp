#include "common/WindowPrint.h"

#include "common/Dialogs.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

namespace kelvra {

QRect windowImageRect(QSize imageSize, int screenDpi, QRect page, int printerDpi, PrintScale scale)
{
    if (imageSize.isEmpty() || page.isEmpty())
        return {};
    double factor = 0.0;
    const double fit = std::min(double(page.width()) / imageSize.width(),
                                double(page.height()) / imageSize.height());
    if (scale == PrintScale::FitToPage)
        factor = fit;
    else
        factor = std::min(fit, double(printerDpi) / std::max(screenDpi, 1));
    const QSize size(int(imageSize.width() * factor), int(imageSize.height() * factor));
    return {page.left() + (page.width() - size.width()) / 2, page.top(), size.width(),
            size.height()};
}

bool printWindowImage(QWidget& window, PrintScale scale, Dialogs& dialogs)
{
    const QPixmap image = window.grab();
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs.useDefaultPrinter(printer) && !dialogs.setUpPrinter(&window, printer))
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect target =
        windowImageRect(image.size(), window.logicalDpiX(), QRect(QPoint(0, 0), page.size()),
                        printer.resolution(), scale);
    painter.drawPixmap(target, image);
    return painter.end();
}

} // namespace kelvra
