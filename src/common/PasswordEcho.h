#pragma once

class QLineEdit;

namespace kelvra {

// Password boxes echo "*" (the platform styles draw a bullet).
void useStarEcho(QLineEdit& edit);

} // namespace kelvra
