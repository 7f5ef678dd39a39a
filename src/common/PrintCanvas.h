#pragma once

#include <QRect>
#include <QString>

#include <functional>

class QPainter;

namespace kelvra {

// A font of the printed pages; sizes are true points on paper.
struct PrintFont
{
    QString family = QStringLiteral("Times New Roman");
    int points = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    friend bool operator==(const PrintFont&, const PrintFont&) = default;
};

// What the printed reports draw on, in printer dots. Texts are placed by their top-left corner.
// The production canvas paints on a printer or PDF; a recording canvas lets tests check every
// item and position.
class PrintCanvas
{
public:
    virtual ~PrintCanvas() = default;

    // Dots per inch across and down, and the printable width of the page in dots.
    virtual int resolutionX() const = 0;
    virtual int resolutionY() const = 0;
    virtual int pageWidth() const = 0;

    virtual void setFont(const PrintFont& font) = 0;
    virtual int textWidth(const QString& text) const = 0;
    virtual void drawText(int x, int y, const QString& text) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
    // A one-dot frame, not filled.
    virtual void drawFrame(const QRect& rect) = 0;
    // A picture drawn by `paint` stretched into `rect` (charts, as vector graphics).
    virtual void drawPicture(const QRect& rect,
                             const std::function<void(QPainter&, const QRectF&)>& paint) = 0;
    // False when the device cannot start a new sheet.
    virtual bool newPage() = 0;
};

} // namespace kelvra
