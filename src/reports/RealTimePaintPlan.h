#pragma once

#include "reports/RealTimeGeometry.h"
#include "reports/RealTimeModel.h"

#include <QChar>
#include <QColor>
#include <QList>
#include <QPoint>
#include <QString>

// What the drawing surface paints for one tile, decided without a painter: framed boxes,
// lines and texts placed by their top-left corner.
namespace kelvra::realtime {

// A rectangle framed in black and filled, corners as the original gives them (the right and
// bottom edges are outside).
struct PaintBox
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    QColor fill;
};

struct PaintLine
{
    QPoint from;
    QPoint to;
    QColor colour;
    int width = 1;
};

struct PaintText
{
    QPoint topLeft;
    QString text;
};

struct TilePaint
{
    QList<PaintBox> boxes;
    QList<PaintLine> lines;
    QList<PaintText> texts;
};

// Nothing for a tile the refresh did not read.
TilePaint paintTile(const RealTimeTile& tile, const TileSlots& place, QChar decimalSign);

} // namespace kelvra::realtime
