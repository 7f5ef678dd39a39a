#pragma once

#include "reports/RealTimePaintPlan.h"

#include <QColor>

class QPainter;

namespace kelvra::realtime {

// Paints a tile's plan: boxes framed in black, then lines, then texts in the painter's font
// on the background colour.
void paintPlan(QPainter& painter, const TilePaint& paint, const QColor& background);

} // namespace kelvra::realtime
