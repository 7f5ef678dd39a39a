#include "reports/RealTimePainter.h"

#include <QFontMetrics>
#include <QPainter>

namespace kelvra::realtime {

void paintPlan(QPainter& painter, const TilePaint& paint, const QColor& background)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const PaintBox& box : paint.boxes) {
        painter.setPen(QPen(kClBlack, 1));
        painter.setBrush(box.fill);
        // The right and bottom edges lie outside the box.
        painter.drawRect(
            QRect(box.left, box.top, box.right - box.left - 1, box.bottom - box.top - 1));
    }
    painter.setBrush(Qt::NoBrush);
    for (const PaintLine& line : paint.lines) {
        painter.setPen(QPen(line.colour, line.width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(line.from, line.to);
    }
    painter.setPen(kClBlack);
    painter.setBackground(background);
    painter.setBackgroundMode(Qt::OpaqueMode);
    const QFontMetrics metrics = painter.fontMetrics();
    for (const PaintText& text : paint.texts) {
        const QRect area(text.topLeft,
                         QSize(metrics.horizontalAdvance(text.text), metrics.height()));
        painter.fillRect(area, background);
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, text.text);
    }
    painter.restore();
}

} // namespace kelvra::realtime
