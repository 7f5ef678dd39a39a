#include "common/PainterCanvas.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

namespace kelvra {

PainterCanvas::PainterCanvas(QPainter& painter, QPagedPaintDevice& device)
    : m_painter(painter), m_device(device)
{
    m_painter.setPen(QPen(Qt::black, 1));
    m_painter.setBrush(Qt::NoBrush);
    setFont(PrintFont{});
}

QFont PainterCanvas::qtFont(const PrintFont& font)
{
    QFont result(font.family, font.points);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    return result;
}

int PainterCanvas::resolutionX() const
{
    return m_device.logicalDpiX();
}

int PainterCanvas::resolutionY() const
{
    return m_device.logicalDpiY();
}

int PainterCanvas::pageWidth() const
{
    return m_device.width();
}

void PainterCanvas::setFont(const PrintFont& font)
{
    m_painter.setFont(QFont(qtFont(font), &m_device));
}

int PainterCanvas::textWidth(const QString& text) const
{
    return m_painter.fontMetrics().horizontalAdvance(text);
}

void PainterCanvas::drawText(int x, int y, const QString& text)
{
    // The painter places a text by its baseline; ours are placed by their top.
    m_painter.drawText(x, y + m_painter.fontMetrics().ascent(), text);
}

void PainterCanvas::drawLine(int x1, int y1, int x2, int y2)
{
    m_painter.drawLine(x1, y1, x2, y2);
}

void PainterCanvas::drawFrame(const QRect& rect)
{
    m_painter.save();
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(rect);
    m_painter.restore();
}

void PainterCanvas::drawPicture(const QRect& rect,
                                const std::function<void(QPainter&, const QRectF&)>& paint)
{
    m_painter.save();
    paint(m_painter, QRectF(rect));
    m_painter.restore();
}

bool PainterCanvas::newPage()
{
    return m_device.newPage();
}

} // namespace kelvra
