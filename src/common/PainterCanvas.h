#pragma once

#include "common/PrintCanvas.h"

#include <QFont>

class QPagedPaintDevice;

namespace kelvra {

// Paints the printed pages on a printer or a PDF writer through a painter that is already
// active on it.
class PainterCanvas final : public PrintCanvas
{
public:
    PainterCanvas(QPainter& painter, QPagedPaintDevice& device);

    int resolutionX() const override;
    int resolutionY() const override;
    int pageWidth() const override;
    void setFont(const PrintFont& font) override;
    int textWidth(const QString& text) const override;
    void drawText(int x, int y, const QString& text) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void drawFrame(const QRect& rect) override;
    void drawPicture(const QRect& rect,
                     const std::function<void(QPainter&, const QRectF&)>& paint) override;
    bool newPage() override;

    // The QFont of a printed font (sizes in true points on the device).
    static QFont qtFont(const PrintFont& font);

private:
    QPainter& m_painter;
    QPagedPaintDevice& m_device;
};

} // namespace kelvra
