#include "support/RecordingCanvas.h"

#include "common/PainterCanvas.h"

#include <QFontMetrics>

namespace kelvra::test {

RecordingCanvas::RecordingCanvas(int dpi, int pageWidthDots)
    : m_dpi(dpi), m_pageWidth(pageWidthDots), m_measure(1, 1, QImage::Format_ARGB32)
{
    const int dotsPerMeter = qRound(dpi / 0.0254);
    m_measure.setDotsPerMeterX(dotsPerMeter);
    m_measure.setDotsPerMeterY(dotsPerMeter);
}

int RecordingCanvas::textWidth(const QString& text) const
{
    const QFont font(PainterCanvas::qtFont(m_font), &m_measure);
    return QFontMetrics(font, &m_measure).horizontalAdvance(text);
}

void RecordingCanvas::drawText(int x, int y, const QString& text)
{
    m_items.append({Item::Kind::Text, m_page, QRect(x, y, textWidth(text), 0), text, m_font});
}

void RecordingCanvas::drawLine(int x1, int y1, int x2, int y2)
{
    m_items.append({Item::Kind::Line, m_page, QRect(QPoint(x1, y1), QPoint(x2, y2)), {}, m_font});
}

void RecordingCanvas::drawFrame(const QRect& rect)
{
    m_items.append({Item::Kind::Frame, m_page, rect, {}, m_font});
}

void RecordingCanvas::drawPicture(const QRect& rect,
                                  const std::function<void(QPainter&, const QRectF&)>&)
{
    m_items.append({Item::Kind::Picture, m_page, rect, {}, m_font});
}

bool RecordingCanvas::newPage()
{
    ++m_page;
    return true;
}

QStringList RecordingCanvas::texts() const
{
    QStringList result;
    for (const Item& item : m_items)
        if (item.kind == Item::Kind::Text)
            result << item.text;
    return result;
}

const RecordingCanvas::Item* RecordingCanvas::find(const QString& text) const
{
    for (const Item& item : m_items)
        if (item.kind == Item::Kind::Text && item.text == text)
            return &item;
    return nullptr;
}

} // namespace kelvra::test
