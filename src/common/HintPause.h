#pragma once

class QApplication;

namespace kelvra {

// Makes every tool tip of the application stay up for the given time.
void setHintHidePause(QApplication& app, int milliseconds);

} // namespace kelvra
