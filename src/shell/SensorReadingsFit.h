#pragma once

class QWidget;

namespace kelvra {

// Narrows a new Sensor Readings window for a screen under 1024 pixels wide. Controls that
// are missing are left alone.
void fitSensorReadingsToSmallScreen(QWidget* window);

} // namespace kelvra
