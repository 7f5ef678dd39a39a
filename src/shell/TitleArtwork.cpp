#include "shell/TitleArtwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace kelvra {

QPixmap titleArtwork(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // A thermometer with radio waves on the left: the sensors are wireless.
    const qreal h = size.height();
    const QRectF tube(h * 0.30, h * 0.16, h * 0.20, h * 0.56);
    const QRectF bulb(h * 0.20, h * 0.62, h * 0.40, h * 0.36);
    QPainterPath outline;
    outline.addRoundedRect(tube, tube.width() / 2, tube.width() / 2);
    outline.addEllipse(bulb);
    p.setPen(QPen(QColor(230, 230, 230), 2));
    p.setBrush(QColor(250, 250, 250));
    p.drawPath(outline.simplified());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 20, 20));
    p.drawRoundedRect(QRectF(tube.left() + h * 0.05, h * 0.34, tube.width() - h * 0.10, h * 0.40),
                      3, 3);
    p.drawEllipse(bulb.adjusted(h * 0.06, h * 0.06, -h * 0.06, -h * 0.06));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        p.setPen(QPen(QColor(255, 215, 0, 255 - i * 50), 2));
        const qreal r = h * 0.09 * i;
        p.drawArc(QRectF(tube.center().x() - r, h * 0.14 - r, 2 * r, 2 * r), 35 * 16, 110 * 16);
    }

    QLinearGradient gold(0, 0, 0, h);
    gold.setColorAt(0, QColor(255, 236, 140));
    gold.setColorAt(1, QColor(214, 160, 20));
    QFont title(QStringLiteral("Times New Roman"));
    title.setBold(true);
    title.setItalic(true);
    title.setPixelSize(qRound(h * 0.66));
    p.setFont(title);
    p.setPen(QPen(QBrush(gold), 1));
    p.drawText(QRectF(h * 0.8, 0, size.width() - h * 0.8, h), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Veltrin® SP"));
    return pixmap;
}

} // namespace kelvra
