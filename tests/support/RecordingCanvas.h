#pragma once

#include "common/PrintCanvas.h"

#include <QImage>
#include <QList>

namespace kelvra::test {

// Records what a report draws, with text widths measured in the real font at the canvas's
// resolution, so that tests can check every item and position.
class RecordingCanvas final : public PrintCanvas
{
public:
    struct Item
    {
        enum class Kind
        {
            Text,
            Line,
            Frame,
            Picture
        };
        Kind kind;
        int page;
        QRect rect; // a text's top-left corner and width; a line's ends as a rect's corners
        QString text;
        PrintFont font;
    };

    RecordingCanvas(int dpi, int pageWidthDots);

    int resolutionX() const override { return m_dpi; }
    int resolutionY() const override { return m_dpi; }
    int pageWidth() const override { return m_pageWidth; }
    void setFont(const PrintFont& font) override { m_font = font; }
    int textWidth(const QString& text) const override;
    void drawText(int x, int y, const QString& text) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void drawFrame(const QRect& rect) override;
    void drawPicture(const QRect& rect,
                     const std::function<void(QPainter&, const QRectF&)>& paint) override;
    bool newPage() override;

    const QList<Item>& items() const { return m_items; }
    // The texts in drawing order, and the first text item holding `text` (null when none).
    QStringList texts() const;
    const Item* find(const QString& text) const;
    int pages() const { return m_page; }

private:
    int m_dpi;
    int m_pageWidth;
    int m_page = 1;
    PrintFont m_font;
    QImage m_measure;
    QList<Item> m_items;
};

} // namespace kelvra::test
